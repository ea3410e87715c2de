// Settings files of arbitrary bytes: through the settings-text parser in memory (its line
// walk, one pass for several keys, the copies into buffers from one byte up), and as a
// file on disk through the module's settings reader.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/profile_text.h"

namespace {

constexpr const char* kKeys[] = {"useLegacyDisp", "D01ABnum", "DispType", "0", "31"};
constexpr const char* kSections[] = {"Disp", "ICCard"};

// The scratch settings file of this process.
const std::string& scratchFile() {
  static const std::string path =
      (std::filesystem::temp_directory_path() /
       ("ruva-profile-fuzz-" + std::to_string(std::random_device()()) + ".ini"))
          .string();
  return path;
}

void readThroughTheFile(std::string_view text) {
  std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
  platform::readProfileInt("Disp", "D01ABnum", 5, scratchFile().c_str());
  for (std::size_t size : {1u, 260u}) {
    char out[260];
    std::memset(out, 'x', sizeof out);
    const std::size_t copied =
        platform::readProfileString("ICCard", "0", "NULL", out, size, scratchFile().c_str());
    if (copied >= size || out[copied] != '\0') std::abort();
  }
  // The fuzzer may end the process without running destructors: leave nothing behind.
  std::error_code ignored;
  std::filesystem::remove(scratchFile(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char* key : kKeys) {
    for (const char* section : kSections) {
      if (auto value = platform::findProfileValue(text, section, key)) {
        if (value->find('\n') != std::string::npos) std::abort();
        platform::profileIntFromText(*value);
      }
    }
  }
  platform::profileIntFromText(text);
  int32_t lastLine = 0;
  platform::walkProfileLines(text, [&lastLine](const platform::ProfileLine& line) {
    if (line.line < lastLine || line.lastLine < line.line || line.column < 1) std::abort();
    lastLine = line.lastLine;
    return true;
  });
  const std::string_view keys[] = {"useLegacyDisp", "D01ABnum", "0", "31"};
  for (const auto& value : platform::findProfileValues(text, "ICCard", keys)) {
    platform::profileInt(value, 5);
    for (std::size_t room : {1u, 2u, 30u, 260u}) {
      char out[260];
      const std::size_t copied = platform::copyProfileString(value, "NULL", out, room);
      if (copied >= room || out[copied] != '\0') std::abort();
    }
  }
  readThroughTheFile(text);
  return 0;
}
