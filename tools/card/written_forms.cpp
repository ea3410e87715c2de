#include "tools/card/written_forms.h"

#include <cstddef>

#include "platform/platform.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The full-width characters that stand for the half-width ones of numbers, in the two
// encodings that cards come in.
struct WideCharacter {
  std::string_view codePage932;
  std::string_view utf8;
  char narrow;
};
constexpr WideCharacter kWideCharacters[] = {
    {"\x82\x4F", "\xEF\xBC\x90", '0'}, {"\x82\x50", "\xEF\xBC\x91", '1'},
    {"\x82\x51", "\xEF\xBC\x92", '2'}, {"\x82\x52", "\xEF\xBC\x93", '3'},
    {"\x82\x53", "\xEF\xBC\x94", '4'}, {"\x82\x54", "\xEF\xBC\x95", '5'},
    {"\x82\x55", "\xEF\xBC\x96", '6'}, {"\x82\x56", "\xEF\xBC\x97", '7'},
    {"\x82\x57", "\xEF\xBC\x98", '8'}, {"\x82\x58", "\xEF\xBC\x99", '9'},
    {"\x81\x44", "\xEF\xBC\x8E", '.'},  // ．
    {"\x81\x7C", "\xEF\xBC\x8D", '-'},  // －
    {"\x81\x46", "\xEF\xBC\x9A", ':'},  // ：
};

// The length of the character at the front of `text`: a double-byte character of code
// page 932, or a UTF-8 sequence.
std::size_t characterLength(std::string_view text, bool utf8) {
  const auto lead = static_cast<uint8_t>(text.front());
  std::size_t length = 1;
  if (utf8) {
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  } else if (platform::isLeadByte(lead)) {
    length = 2;
  }
  return length < text.size() ? length : text.size();
}

// Two decimal digits at `text`, as a number.
int32_t twoDigits(std::string_view text) {
  return (text[0] - '0') * 10 + (text[1] - '0');
}

std::string clockText(int32_t hour, int32_t minute, int32_t second) {
  const char digits[] = {
      static_cast<char>('0' + hour / 10),   static_cast<char>('0' + hour % 10),
      static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10),
      static_cast<char>('0' + second / 10), static_cast<char>('0' + second % 10)};
  return std::string(digits, sizeof digits);
}

constexpr int32_t kLastHour = 24;
constexpr int32_t kMinutesPerHour = 60;

bool isClock(int32_t hour, int32_t minute, int32_t second) {
  return hour <= kLastHour && minute < kMinutesPerHour && second < kMinutesPerHour;
}

}  // namespace

bool isBlankField(std::string_view text) {
  return trimmed(text).empty();
}

int32_t writtenDigits(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  int32_t digits = 0;
  while (static_cast<std::size_t>(digits) < text.size() && isDigit(text[digits])) ++digits;
  return digits;
}

std::optional<std::string> halfWidthDigits(std::string_view text, bool utf8) {
  std::string narrow;
  bool wideDigit = false;
  while (!text.empty()) {
    const std::size_t length = characterLength(text, utf8);
    const std::string_view character = text.substr(0, length);
    text.remove_prefix(length);
    bool replaced = false;
    for (const WideCharacter& wide : kWideCharacters) {
      if (character == (utf8 ? wide.utf8 : wide.codePage932)) {
        narrow += wide.narrow;
        wideDigit = wideDigit || isDigit(wide.narrow);
        replaced = true;
        break;
      }
    }
    if (!replaced) narrow.append(character);
  }
  if (!wideDigit) return std::nullopt;
  return narrow;
}

bool hasQuoteMark(std::string_view text) {
  text = trimmed(text);
  return !text.empty() && (text.front() == '"' || text.back() == '"');
}

std::optional<std::string> unquotedField(std::string_view text) {
  text = trimmed(text);
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  std::string inner;
  const std::string_view quoted = text.substr(1, text.size() - 2);
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    inner += quoted[i];
    if (quoted[i] == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') ++i;
  }
  return inner;
}

std::optional<std::string> hhmmssOf(std::string_view text) {
  text = trimmed(text);
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    const std::size_t digits = static_cast<std::size_t>(writtenDigits(text));
    if ((digits != 3 && digits != 4) || digits != text.size()) return std::nullopt;
    const int32_t hour = digits == 3 ? text[0] - '0' : twoDigits(text);
    const int32_t minute = twoDigits(text.substr(digits - 2));
    if (!isClock(hour, minute, 0)) return std::nullopt;
    return clockText(hour, minute, 0);
  }
  // H:MM or HH:MM, then :SS if any.
  if (colon < 1 || colon > 2 || writtenDigits(text) != static_cast<int32_t>(colon)) {
    return std::nullopt;
  }
  const std::string_view rest = text.substr(colon + 1);
  const bool seconds = rest.size() == 5 && rest[2] == ':';
  if (rest.size() != 2 && !seconds) return std::nullopt;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (i != 2 && !isDigit(rest[i])) return std::nullopt;
  }
  const int32_t hour = colon == 1 ? text[0] - '0' : twoDigits(text);
  const int32_t minute = twoDigits(rest);
  const int32_t second = seconds ? twoDigits(rest.substr(3)) : 0;
  if (!isClock(hour, minute, second)) return std::nullopt;
  return clockText(hour, minute, second);
}
