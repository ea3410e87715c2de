// Train-number decoding. The code tables are byte strings in code page 932, the code
// page that cards are written in; a table's index gives the display code.
#include "route/train_number.h"

#include <cstddef>

#include "platform/platform.h"

namespace {

// Suffix codes 0 to 33. There is deliberately no "D". The two-byte entries complete the
// table of the display's pictures; the decoder takes a one-byte suffix only.
constexpr std::string_view kSuffixes[] = {
    "A",        "B",        "C",  "E",  "F",  "G",  "H",        "K",        "M",
    "P",        "R",        "S",  "T",  "Y",  "Z",  "I",        "J",        "L",
    "N",        "O",        "Q",  "U",  "V",  "W",  "X",        "\x8D\x62", "\x89\xB3",
    "\x95\xB8", "\x83\x66", "KR", "SR", "HB", "CK", "\x93\xFC",
};

// Prefix codes 1 to 42 (index + 1).
constexpr std::string_view kPrefixes[] = {
    "\x89\xD7",         "\x8D\xAC",         "\x89\xF1",         "\x8E\x8E",
    "\x8D\x48",         "\x90\xE1",         "\x8B\x7E",         "\x94\x7A",
    "\x92\x50",         "\x8E\x8E\x92\x50", "\x89\x84",         "\x89\x84\x89\xD7",
    "\x89\x84\x8D\xAC", "\x89\x84\x89\xF1", "\x89\x84\x8E\x8E", "\x89\x84\x8D\x48",
    "\x89\x84\x94\x7A", "\x82\xA4",         "\x82\xA4\x89\xD7", "\x82\xA4\x89\xF1",
    "\x8D\x5C\x89\xF1", "\x8D\x5C\x92\x50", "\x8D\x5C\x89\xDD", "\x8E\x8E\x90\xE1",
    "\x89\xF1\x90\xE1", "\x8D\x5C\x94\x7A", "\x93\xFC",         "\x8F\x6F",
    "\x8D\xDD",         "\x93\x5D",         "\x8C\xBB",         "\x8C\xBB\x92\x50",
    "\x8C\xBB\x89\xF1", "\x8C\xBB\x8E\x8E", "\x8C\xBB\x94\x7A", "\x89\xFC",
    "\x89\xFC\x92\x50", "\x89\xFC\x89\xF1", "\x89\xFC\x8E\x8E", "\x89\xFC\x94\x7A",
    "\x82\xA4\x92\x50", "\x8D\x5C\x8E\x8E",
};

// The marker character in front of a prefix; it lights a lamp instead of a picture.
constexpr uint8_t kMarkerLead = 0x92;
constexpr uint8_t kMarkerTrail = 0xCA;

constexpr int32_t kNoPrefix = 50;
constexpr int32_t kNoSuffix = 40;
constexpr int32_t kBlankDigit = 10;

}  // namespace

std::string_view trainPrefixText(int32_t prefix) {
  if (prefix < 1 || prefix > static_cast<int32_t>(std::size(kPrefixes))) return {};
  return kPrefixes[prefix - 1];
}

std::string_view trainSuffixText(int32_t suffix) {
  if (suffix < 0 || suffix >= static_cast<int32_t>(std::size(kSuffixes))) return {};
  return kSuffixes[suffix];
}

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
    for (std::size_t i = 0; i < std::size(kSuffixes); ++i) {
      if (kSuffixes[i] == last) {
        code.suffix = static_cast<int32_t>(i);
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
  for (std::size_t i = 0; i < std::size(kPrefixes); ++i) {
    const std::string_view entry = kPrefixes[i];
    if (entry.size() != length) continue;
    std::size_t j = 0;
    while (j < length && static_cast<uint8_t>(entry[j]) == runByte(start + j)) ++j;
    if (j == length) {
      code.prefix = static_cast<int32_t>(i) + 1;
      break;
    }
  }
  return code;
}
