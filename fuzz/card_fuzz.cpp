// Card texts of arbitrary bytes through the parser, once without and once with a
// listener, which must not change the result; the first four bytes also go through
// the card-code arithmetic as a code, whose file name must name a file in its card
// folder and nothing else.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "card/card_code.h"
#include "card/parser.h"
#include "platform/platform.h"

namespace {

struct Listener : CardDiagnostics {
  void remark(const CardRemark& remark) override {
    if (remark.line < 1) std::abort();
    // A remark names the column's format only where the row has that column.
    if (remark.format != nullptr && remark.format->column != remark.column) std::abort();
  }
};

// True when `name` holds no separator, drive colon or NUL outside a double-byte
// character, so that it cannot lead out of its card folder.
bool staysInItsFolder(std::string_view name) {
  for (std::size_t at = 0; at < name.size(); ++at) {
    const char c = name[at];
    if (c == '/' || c == '\\' || c == ':' || c == '\0') return false;
    if (platform::isLeadByte(static_cast<uint8_t>(c))) ++at;
  }
  return name.front() != '.';
}

bool sameRecord(const CardRecord& a, const CardRecord& b) {
  return a.stopCount == b.stopCount && a.stopCode == b.stopCode &&
         a.stopCodeNumber == b.stopCodeNumber && a.stopName == b.stopName &&
         a.stopTime1 == b.stopTime1 && a.stopCol21 == b.stopCol21 &&
         a.trainNumber == b.trainNumber && a.eventType == b.eventType &&
         a.rangeValue == b.rangeValue && a.secondTime2 == b.secondTime2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const CardRecord plain = parseCardText(text);
  Listener listener;
  const CardRecord heard = parseCardText(text, &listener);
  if (plain.stopCount > 63 || plain.stopCode.size() != 64 || !sameRecord(plain, heard)) {
    std::abort();
  }
  if (size >= sizeof(int32_t)) {
    int32_t code = 0;
    std::memcpy(&code, data, sizeof code);
    const CardCodeParts parts = splitCardCode(code);
    if (parts.folderIndex < 0 || parts.folderIndex > 21) std::abort();
    if (parts.fileName.size() < 5 ||
        parts.fileName.compare(parts.fileName.size() - 4, 4, ".csv") != 0 ||
        !staysInItsFolder(parts.fileName)) {
      std::abort();
    }
  }
  return 0;
}
