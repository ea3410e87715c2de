#include <iconv.h>

#include <cstdio>

#include "tools/platform/host_text.h"

namespace platform {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The converter from code page 932, opened once: opening one costs far more than a
// line of text to convert. Each use starts it from its initial state.
iconv_t fromCodePage932() {
  static const iconv_t converter = [] {
    // CP932 is Shift_JIS with the vendor extensions (①, ～) that Windows files carry.
    iconv_t opened = iconv_open("UTF-8", "CP932");
    return opened != kNoConverter ? opened : iconv_open("UTF-8", "SHIFT_JIS");
  }();
  if (converter != kNoConverter) iconv(converter, nullptr, nullptr, nullptr, nullptr);
  return converter;
}

}  // namespace

std::string utf8FromCodePage932(std::string_view bytes) {
  const iconv_t converter = fromCodePage932();
  if (converter == kNoConverter) return std::string(bytes);
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* to = buffer;
    std::size_t toLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &inLeft, &to, &toLeft);
    out.append(buffer, static_cast<std::size_t>(to - buffer));
    if (result == static_cast<std::size_t>(-1) && toLeft == sizeof buffer) {
      // Not a full buffer: a byte that starts no character of the code page.
      out += '?';
      ++in;
      --inLeft;
    }
  }
  return out;
}

std::string toCodePage932(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string in(utf8);
  std::string out(utf8.size() * 2, '\0');
  char* from = in.data();
  std::size_t fromLeft = in.size();
  char* to = out.data();
  std::size_t toLeft = out.size();
  const std::size_t done = iconv(converter, &from, &fromLeft, &to, &toLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1)) return {};
  out.resize(out.size() - toLeft);
  return out;
}

bool writeTerminal(std::string_view utf8, bool standardError) {
  std::FILE* file = standardError ? stderr : stdout;
  return std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && std::fflush(file) == 0;
}

bool writeStandardOutput(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace platform
