#include "card/line_split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/csv_reader.h"

namespace {

using Lines = std::vector<std::string>;

Lines allLines(std::string_view text) {
  Lines lines;
  std::string_view line;
  while (takeLine(text, line)) lines.emplace_back(line);
  return lines;
}

TEST(LineSplit, LinesEndAtLineFeeds) {
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"\n", {""}},
      {"a\rb\r\n", {"a\rb"}},
      {"a\r", {"a\r"}},
      {"a\r\r\n", {"a\r"}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) EXPECT_EQ(allLines(c.text), c.lines) << c.text;
}

TEST(LineSplit, FieldsEndAtEveryComma) {
  const struct {
    const char* line;
    Lines fields;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a,b,c", {"a", "b", "c"}},
      {"a,b,c,", {"a", "b", "c"}},
      {",,", {"", ""}},
      {",", {""}},
      {"a,,", {"a", ""}},
      {",a", {"", "a"}},
      {" 12 , x ", {" 12 ", " x "}},
      {"\"a,b\"", {"\"a", "b\""}},
      {"a\r", {"a\r"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CCsvread::splitLine(c.line), c.fields) << c.line;
}

// Commas are found eight bytes at a time: every position in and across those words, next
// to bytes one bit away from a comma, splits as a plain scan splits.
TEST(LineSplit, FieldsSplitTheSameAtEveryOffset) {
  const std::string fillers[] = {"x", "-", "\xAC", "+", std::string(1, '\0'), "\xFF"};
  for (const std::string& filler : fillers) {
    for (std::size_t length = 1; length <= 20; ++length) {
      for (std::size_t first = 0; first < length; ++first) {
        for (std::size_t gap : {std::size_t{1}, std::size_t{3}, std::size_t{8}}) {
          std::string line;
          for (std::size_t k = 0; k < length; ++k) line += filler;
          line[first] = ',';
          if (first + gap < length) line[first + gap] = ',';
          Lines expected(1);
          for (char c : line) {
            if (c == ',') expected.emplace_back();
            else expected.back() += c;
          }
          if (expected.back().empty()) expected.pop_back();
          std::vector<std::string_view> fields;
          splitFields(line, fields);
          EXPECT_EQ(Lines(fields.begin(), fields.end()), expected) << line;
        }
      }
    }
  }
}

}  // namespace
