#include "tools/common/text_layout.h"

#include "base/blank_values.h"

std::string timePartText(int32_t value, int32_t blank) {
  if (value == blank) return "--";
  if (value >= 0 && value < 10) return "0" + std::to_string(value);
  return std::to_string(value);
}

std::string hourText(int32_t hour) {
  switch (hour) {
    case kStopMarkHour:
      return "停";
    case kMarkHour:
      return "↓";
    case kEndMarkHour:
      return "〓";
    default:
      return timePartText(hour, kNoHour);
  }
}

std::string clockText(int32_t hour, int32_t minute, int32_t second) {
  return hourText(hour) + ":" + timePartText(minute, kNoMinute) + ":" +
         timePartText(second, kNoSecond);
}

std::string padRight(std::string text, std::size_t width) {
  // Width counts characters, not bytes: a UTF-8 continuation byte adds nothing.
  std::size_t shown = 0;
  for (unsigned char byte : text) shown += (byte & 0xC0) != 0x80 ? 1 : 0;
  if (shown < width) text.append(width - shown, ' ');
  return text;
}

std::size_t terminalColumns(std::string_view text) {
  std::size_t columns = 0;
  for (unsigned char byte : text) columns += byte >= 0xE0 ? 2 : (byte & 0xC0) != 0x80 ? 1 : 0;
  return columns;
}

std::string padColumns(std::string text, std::size_t columns) {
  const std::size_t shown = terminalColumns(text);
  if (shown < columns) text.append(columns - shown, ' ');
  return text;
}

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 character at the start of `text`, 0 when none starts there.
std::size_t utf8Length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string visibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = utf8Length(text);
    const std::string_view character = text.substr(0, length);
    if (length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
      continue;
    }
    text.remove_prefix(length);
    if (lead < 0x20) {
      // U+2400 and up: the control pictures, in the order of the controls.
      out += {'\xE2', '\x90', static_cast<char>(0x80 + lead)};
    } else if (lead == 0x7F) {
      out += "\xE2\x90\xA1";  // U+2421
    } else if ((lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0) ||
               character == "\xEF\xBF\xBE" || character == "\xEF\xBF\xBF") {
      out += kReplacement;  // C1 controls, U+FFFE and U+FFFF
    } else {
      out += character;
    }
  }
  return out;
}
