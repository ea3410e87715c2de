#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "tools/platform/host_text.h"

#include <algorithm>
#include <cstdio>

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

bool writeTerminal(std::string_view utf8, bool standardError) {
  std::FILE* file = standardError ? stderr : stdout;
  const HANDLE handle = GetStdHandle(standardError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (utf8.size() > 1u << 30 || !GetConsoleMode(handle, &mode)) {
    return std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && std::fflush(file) == 0;
  }
  std::fflush(file);
  if (utf8.empty()) return true;
  const int size = static_cast<int>(utf8.size());
  const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (wideSize <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideSize);
  // A console takes a bounded amount per call; the text goes in pieces.
  constexpr std::size_t kPiece = 8192;
  std::size_t done = 0;
  while (done < wide.size()) {
    const auto piece = static_cast<DWORD>(std::min(kPiece, wide.size() - done));
    DWORD written = 0;
    if (!WriteConsoleW(handle, wide.data() + done, piece, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

bool writeStandardOutput(std::string_view bytes) {
  std::fflush(stdout);
  // Text mode would put a CR before every line feed, also before those that have one.
  const int mode = _setmode(_fileno(stdout), _O_BINARY);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                       std::fflush(stdout) == 0;
  if (mode != -1) _setmode(_fileno(stdout), mode);
  return written;
}

}  // namespace platform
