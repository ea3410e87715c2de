// Train-number decoding into display codes, from the one table of prefixes and
// suffixes (card/train_number_marks.h).
#include "route/train_number.h"

#include <cstddef>

#include "base/blank_values.h"
#include "card/train_number_marks.h"
#include "platform/platform.h"

namespace {

// The marker character in front of a prefix; it lights a lamp instead of a picture.
constexpr uint8_t kMarkerLead = 0x92;
constexpr uint8_t kMarkerTrail = 0xCA;

}  // namespace

TrainNumberCode decodeTrainNumber(std::string_view text) {
  TrainNumberCode code;
  const std::size_t n = text.size();

  // The digits stand right-aligned in front of the one-byte suffix. Bytes above 0x7F are
  // negative as signed chars and show blank; ASCII letters give codes above 9 on purpose.
  for (std::size_t place = 0; place < 4; ++place) {
    const std::size_t back = 5 - place;
    if (n < back) continue;
    const int32_t value = static_cast<signed char>(text[n - back]) - '0';
    code.digits[place] = value < 0 ? kBlankDigit : value;
  }

  code.suffix = kNoSuffix;
  if (n > 2) {
    const std::string_view last = text.substr(n - 1);
    for (const NumberMark& mark : kSuffixMarks) {
      if (mark.text == last) {
        code.suffix = mark.displayCode;
        break;
      }
    }
  }

  // The leading run of double-byte characters. A text that ends on a lead byte gets its
  // last character completed with a zero byte, which no table entry contains.
  std::size_t end = 0;
  while (end < n && platform::isLeadByte(static_cast<uint8_t>(text[end]))) end += 2;
  const auto runByte = [&](std::size_t i) -> uint8_t {
    return i < n ? static_cast<uint8_t>(text[i]) : 0;
  };
  std::size_t start = 0;
  if (end >= 2 && runByte(0) == kMarkerLead && runByte(1) == kMarkerTrail) {
    code.markerFound = true;
    start = 2;
  }
  code.prefix = kNoPrefix;
  const std::size_t length = end - start;
  if (length == 0) return code;
  for (const NumberMark& mark : kPrefixMarks) {
    const std::string_view entry = mark.text;
    if (mark.displayCode < 0 || entry.size() != length) continue;
    std::size_t j = 0;
    while (j < length && static_cast<uint8_t>(entry[j]) == runByte(start + j)) ++j;
    if (j == length) {
      code.prefix = mark.displayCode;
      break;
    }
  }
  return code;
}
