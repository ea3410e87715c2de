#include "tools/host/display_codes.h"

#include <cstdio>
#include <string_view>

#include "base/blank_values.h"
#include "card/train_number_marks.h"
#include "tools/common/text_layout.h"
#include "tools/platform/host_text.h"

std::string prefixText(int32_t code) {
  return platform::utf8FromCodePage932(displayPrefixText(code));
}

std::string suffixText(int32_t code) {
  return platform::utf8FromCodePage932(displaySuffixText(code));
}

std::string digitText(int32_t code) {
  if (code == kBlankDigit) return " ";
  // A digit place holds a byte minus 48; printable ASCII reads back as its character.
  if (code >= -15 && code <= 78) return std::string(1, static_cast<char>('0' + code));
  return "?";
}

std::string trainNumberText(const TrainNumberCodes& codes) {
  std::string digits;
  for (int32_t digit : codes.digits) digits += digitText(digit);
  const std::size_t first = digits.find_first_not_of(' ');
  digits = first == std::string::npos ? std::string() : digits.substr(first);
  return prefixText(codes.prefix) + digits + suffixText(codes.suffix);
}

std::string timeText(const TimeCell& cell) {
  if (!cell.hour && !cell.minute && !cell.second) return {};
  const std::string hour = cell.hour ? hourText(*cell.hour) : "  ";
  const std::string minute = cell.minute ? timePartText(*cell.minute, kNoMinute) : "  ";
  std::string second = "  ";
  if (cell.second) {
    // Seconds in steps of five read back as seconds; 12, no time, as 60.
    second = timePartText(cell.secondsInFives ? *cell.second * 5 : *cell.second, kNoSecond);
  }
  if (!cell.hour) return minute + ":" + second;
  return hour + ":" + minute + ":" + second;
}

std::string kmPostText(int32_t high, int32_t low) {
  if (high == kNoKmWhole && low == kNoKmTenths) return "-";
  return std::to_string(high) + "." + std::to_string(low) + " km";
}

std::string optionalText(const std::optional<int32_t>& value) {
  return value ? std::to_string(*value) : std::string();
}

std::string hostTimeText(int32_t ms) {
  char text[32];
  const int64_t magnitude = ms < 0 ? -int64_t{ms} : ms;
  std::snprintf(
      text, sizeof text, "%s%02lld:%02lld:%02lld.%03lld", ms < 0 ? "-" : "",
      static_cast<long long>(magnitude / 3600000), static_cast<long long>(magnitude / 60000 % 60),
      static_cast<long long>(magnitude / 1000 % 60), static_cast<long long>(magnitude % 1000));
  return text;
}
