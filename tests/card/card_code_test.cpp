#include "card/card_code.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(CardCode, SplitsIntoFolderPrefixNumberAndSuffix) {
  const struct {
    int32_t code;
    int32_t suffix;
    int32_t prefix;
    int32_t folder;
    int32_t number;
    const char* fileName;
  } cases[] = {
      {123401, 1, 0, 0, 1234, "1234B.csv"},
      {3123400, 0, 3, 0, 1234,
       "\x89\xF1"
       "1234A.csv"},
      {103123407, 7, 3, 1, 1001234,
       "\x89\xF1"
       "1001234K.csv"},
      {100123400, 0, 0, 1, 1001234, "1001234A.csv"},
      {123499, 99, 0, 0, 1234, "1234.csv"},
      {44123400, 0, 44, 0, 1234, "1234A.csv"},
      {5, 5, 0, 0, 0, "0G.csv"},
      {0, 0, 0, 0, 0, "0A.csv"},
      {-123401, -1, 0, 0, -1234, "-1234.csv"},
      {-3123400, 0, -3, 0, -1234, "-1234A.csv"},
      {-200000000, 0, 0, 0, -2000000, "-2000000A.csv"},
      {43000032, 32, 43, 0, 0,
       "\x8D\x5C\x8E\x8E"
       "0\x93\xFC.csv"},
      {1000024, 24, 1, 0, 0,
       "\x89\xD7"
       "0\x8D\x62.csv"},
      {22000033, 33, 22, 0, 0,
       "\x8D\x5C\x89\xF1"
       "0.csv"},
      {std::numeric_limits<int32_t>::max(), 47, 47, 21, 21004836, "21004836.csv"},
      {std::numeric_limits<int32_t>::min(), -48, -47, 0, -21004836, "-21004836.csv"},
  };
  for (const auto& c : cases) {
    const CardCodeParts parts = splitCardCode(c.code);
    EXPECT_EQ(parts.suffixCode, c.suffix) << c.code;
    EXPECT_EQ(parts.prefixCode, c.prefix) << c.code;
    EXPECT_EQ(parts.folderIndex, c.folder) << c.code;
    EXPECT_EQ(parts.number, c.number) << c.code;
    EXPECT_EQ(parts.fileName, c.fileName) << c.code;
  }
}

TEST(CardCode, TablesHoldTheirTextsAndNothingOutside) {
  const struct {
    int32_t code;
    const char* text;
  } suffixes[] = {{0, "A"},         {3, "E"},         {14, "Z"},        {23, "X"},
                  {25, "\x89\xB3"}, {26, "\x95\xB8"}, {27, "\x83\x66"}, {28, "KR"},
                  {31, "CK"},       {32, "\x93\xFC"}, {33, ""},         {-1, ""}};
  for (const auto& s : suffixes) EXPECT_EQ(cardSuffixText(s.code), s.text) << s.code;

  const struct {
    int32_t code;
    const char* text;
  } prefixes[] = {
      {0, ""},          {1, "\x89\xD7"},  {10, "\x8E\x8E\x92\x50"}, {24, "\x8D\x5C\x89\xDD"},
      {28, "\x93\xFC"}, {37, "\x89\xFC"}, {42, "\x82\xA4\x92\x50"}, {43, "\x8D\x5C\x8E\x8E"},
      {44, ""},         {-3, ""}};
  for (const auto& p : prefixes) EXPECT_EQ(cardPrefixText(p.code), p.text) << p.code;
}

}  // namespace
