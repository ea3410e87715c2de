// Card texts of arbitrary bytes through the parser, once without and once with a
// listener, which must not change the result; the first four bytes also go through
// the card-code arithmetic as a code.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "card/card_code.h"
#include "card/parser.h"

namespace {

struct Listener : CardDiagnostics {
  void remark(const CardRemark& remark) override {
    if (remark.line < 1 || remark.reason.empty()) std::abort();
  }
};

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
        parts.fileName.compare(parts.fileName.size() - 4, 4, ".csv") != 0) {
      std::abort();
    }
  }
  return 0;
}
