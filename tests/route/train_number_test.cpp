// Train-number decoding: the picture codes of prefix, digits and suffix.
#include "route/train_number.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tools/platform/host_text.h"

namespace {

struct Case {
  const char* name;
  std::string text;
  int32_t prefix;
  std::array<int32_t, 4> digits;
  int32_t suffix;
  bool marker;
};

std::array<int32_t, 4> digitsOf(const TrainNumberCode& code) {
  return {code.digits[0], code.digits[1], code.digits[2], code.digits[3]};
}

TEST(DecodeTrainNumber, Examples) {
  const Case cases[] = {
      {"kai 1234M",
       "\x89\xF1"
       "1234M",
       3,
       {1, 2, 3, 4},
       8,
       false},
      {"no prefix", "9123M", 50, {9, 1, 2, 3}, 8, false},
      {"two-character prefix",
       "\x8E\x8E\x92\x50"
       "9501M",
       10,
       {9, 5, 0, 1},
       8,
       false},
      {"three digits", "123A", 50, {10, 1, 2, 3}, 0, false},
      {"no D suffix", "1234D", 50, {1, 2, 3, 4}, 40, false},
      {"marker and prefix",
       "\x92\xCA\x89\xF1"
       "1234M",
       3,
       {1, 2, 3, 4},
       8,
       true},
      {"marker alone",
       "\x92\xCA"
       "1234M",
       50,
       {1, 2, 3, 4},
       8,
       true},
      // The trail byte 0x48 of the prefix lands in the thousands position.
      {"trail byte read as digit",
       "\x8D\x48"
       "123M",
       5,
       {24, 1, 2, 3},
       8,
       false},
      // A trail byte above 0x7F reads as negative and shows blank.
      {"high trail byte blank",
       "\x89\xF1"
       "123M",
       3,
       {10, 1, 2, 3},
       8,
       false},
      {"card default", "NULL", 50, {10, 30, 37, 28}, 17, false},
      {"empty", "", 50, {10, 10, 10, 10}, 40, false},
      {"one byte", "7", 50, {10, 10, 10, 10}, 40, false},
      {"two bytes", "12", 50, {10, 10, 10, 1}, 40, false},
      {"marker only", "\x92\xCA", 50, {10, 10, 10, 10}, 40, true},
      {"lone lead byte", "\x89", 50, {10, 10, 10, 10}, 40, false},
      {"half marker", "\x92", 50, {10, 10, 10, 10}, 40, false},
      // Ends inside a character: the run 89 F1 89 00 matches nothing.
      {"cut second character", "\x89\xF1\x89", 50, {10, 10, 10, 10}, 40, false},
      {"cut after marker", "\x92\xCA\x89", 50, {10, 10, 10, 10}, 40, true},
      // A prefix that the display has no picture for.
      {"unknown prefix",
       "\x89\x84\x92\x50"
       "1234M",
       50,
       {1, 2, 3, 4},
       8,
       false},
      {"last prefix code",
       "\x8D\x5C\x8E\x8E"
       "1M",
       42,
       {44, 10, 10, 1},
       8,
       false},
      // Two-letter suffixes are not recognised: the last letter is the suffix.
      {"two-letter suffix", "1234KR", 50, {2, 3, 4, 27}, 10, false},
      {"two-byte suffix", "1234\x8D\x62", 50, {2, 3, 4, 10}, 40, false},
      {"no upper bound", "z12B", 50, {10, 74, 1, 2}, 1, false},
      {"lower case suffix", "1234m", 50, {1, 2, 3, 4}, 40, false},
      {"control byte blank",
       "\x01"
       "234M",
       50,
       {10, 2, 3, 4},
       8,
       false},
      {"prefix after digits is none", "12\x89\xF1M", 50, {1, 2, 10, 10}, 8, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TrainNumberCode code = decodeTrainNumber(c.text);
    EXPECT_EQ(code.prefix, c.prefix);
    EXPECT_EQ(digitsOf(code), c.digits);
    EXPECT_EQ(code.suffix, c.suffix);
    EXPECT_EQ(code.markerFound, c.marker);
  }
}

TEST(DecodeTrainNumber, EveryOneLetterSuffix) {
  const std::string letters = "ABCEFGHKMPRSTYZIJLNOQUVWX";
  for (std::size_t i = 0; i < letters.size(); ++i) {
    EXPECT_EQ(decodeTrainNumber("123" + letters.substr(i, 1)).suffix, static_cast<int32_t>(i))
        << letters[i];
  }
  for (const char* other : {"123D", "123 ", "1230", "123\x8D"}) {
    EXPECT_EQ(decodeTrainNumber(other).suffix, 40) << other;
  }
}

// The characters in the code page the cards use, converted by the system.
std::string toCardCodePage(const std::string& utf8) {
  return platform::toCodePage932(utf8);
}

TEST(DecodeTrainNumber, EveryPrefixByItsCharacters) {
  const std::vector<std::string> prefixes = {
      "荷",   "混",   "回",   "試",   "工",   "雪",   "救",   "配",   "単",   "試単", "延",
      "延荷", "延混", "延回", "延試", "延工", "延配", "う",   "う荷", "う回", "構回", "構単",
      "構貨", "試雪", "回雪", "構配", "入",   "出",   "在",   "転",   "現",   "現単", "現回",
      "現試", "現配", "改",   "改単", "改回", "改試", "改配", "う単", "構試"};
  if (toCardCodePage("回").empty()) GTEST_SKIP() << "no CP932 converter";
  for (std::size_t i = 0; i < prefixes.size(); ++i) {
    const std::string bytes = toCardCodePage(prefixes[i]);
    const TrainNumberCode code = decodeTrainNumber(bytes + "5678S");
    EXPECT_EQ(code.prefix, static_cast<int32_t>(i) + 1) << prefixes[i];
    EXPECT_FALSE(code.markerFound);
    EXPECT_EQ(decodeTrainNumber(toCardCodePage("通") + bytes + "5678S").prefix,
              static_cast<int32_t>(i) + 1);
  }
  const std::vector<std::string> suffixes = {"甲", "乙", "丙", "デ", "入"};
  for (const std::string& s : suffixes) {
    // The two-byte suffixes are never recognised by the one-byte rule.
    EXPECT_EQ(decodeTrainNumber("1234" + toCardCodePage(s)).suffix, 40) << s;
  }
  EXPECT_TRUE(decodeTrainNumber(toCardCodePage("通") + "1M").markerFound);
}

}  // namespace
