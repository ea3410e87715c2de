// Settings files of arbitrary bytes through the native settings reader.
#include <cstdint>
#include <string_view>

#include "platform/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char* key : {"useLegacyDisp", "D01ABnum", "DispType", "0", "31"}) {
    for (const char* section : {"Disp", "ICCard"}) {
      if (auto value = platform::findProfileValue(text, section, key)) {
        platform::profileIntFromText(*value);
      }
    }
  }
  platform::profileIntFromText(text);
  return 0;
}
