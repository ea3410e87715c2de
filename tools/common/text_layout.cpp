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
