#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/host_text.h"

namespace platform {

std::string utf8FromCodePage932(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int wideSize = MultiByteToWideChar(932, 0, bytes.data(), size, nullptr, 0);
  if (wideSize <= 0) return std::string(bytes);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(932, 0, bytes.data(), size, wide.data(), wideSize);
  const int utf8Size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(utf8Size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, out.data(), utf8Size, nullptr, nullptr);
  return out;
}

}  // namespace platform
