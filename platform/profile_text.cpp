#include "platform/profile_text.h"

#include <cstddef>

namespace platform {
namespace {

// The reader's notion of a blank; end-of-file marks left in old files count as one.
bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\x1a';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string_view withoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  section = trim(section);
  key = trim(key);
  bool inSection = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        // Only the first section of a name is searched; a later one of the same name
        // ends the search.
        if (inSection) return std::nullopt;
        inSection = equalsIgnoringCase(trim(line.substr(1, close - 1)), section);
        continue;
      }
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    const std::string_view name = trim(line.substr(0, equals));
    if (!equalsIgnoringCase(name, key)) continue;
    // A key without "=" holds no value: it reads as missing, and hides any later line
    // of the same key.
    if (equals == std::string_view::npos) return std::nullopt;
    return std::string(withoutQuotes(trim(line.substr(equals + 1))));
  }
  return std::nullopt;
}

int32_t profileIntFromText(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  uint32_t base = 10;
  if (i + 1 < value.size() && value[i] == '0') {
    const char mark = value[i + 1];
    if (mark == 'x') base = 16;
    if (mark == 'o') base = 8;
    if (mark == 'b') base = 2;
    if (base != 10) i += 2;
  }
  uint32_t total = 0;
  for (; i < value.size(); ++i) {
    const char c = value[i];
    uint32_t digit = base;
    if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'z') digit = static_cast<uint32_t>(c - 'a') + 10;
    if (c >= 'A' && c <= 'Z') digit = static_cast<uint32_t>(c - 'A') + 10;
    if (digit >= base) break;
    total = total * base + digit;
  }
  return static_cast<int32_t>(negative ? 0u - total : total);
}

}  // namespace platform
