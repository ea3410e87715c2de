#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/host_text.h"

#include <cstdlib>

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

std::string toCodePage932(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > 1u << 20) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(utf8.size(), L'\0');
  const int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size);
  if (wideLength == 0) return {};
  std::string out(utf8.size() * 2, '\0');
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         out.data(), static_cast<int>(out.size()), nullptr, &lossy);
  if (length == 0 || lossy) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string forTerminal(std::string_view utf8) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  const UINT codePage = GetConsoleOutputCP();
  if (utf8.empty() || utf8.size() > 1u << 30 || !GetConsoleMode(out, &mode) || codePage == 0 ||
      codePage == CP_UTF8) {
    return std::string(utf8);
  }
  const int size = static_cast<int>(utf8.size());
  const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (wideSize <= 0) return std::string(utf8);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideSize);
  const int outSize =
      WideCharToMultiByte(codePage, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  if (outSize <= 0) return std::string(utf8);
  std::string text(static_cast<std::size_t>(outSize), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), wideSize, text.data(), outSize, nullptr, nullptr);
  return text;
}

namespace {

UINT gConsoleCodePage = 0;

void restoreConsoleCodePage() {
  SetConsoleOutputCP(gConsoleCodePage);
}

bool isConsole(DWORD handle) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(handle), &mode) != 0;
}

}  // namespace

void useUtf8Console() {
  if (!isConsole(STD_OUTPUT_HANDLE) && !isConsole(STD_ERROR_HANDLE)) return;
  const UINT codePage = GetConsoleOutputCP();
  if (codePage == 0 || codePage == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8)) return;
  // The console outlives the program: the prompt it returns to keeps its code page.
  gConsoleCodePage = codePage;
  std::atexit(restoreConsoleCodePage);
}

}  // namespace platform
