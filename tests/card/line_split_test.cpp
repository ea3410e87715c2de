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

}  // namespace
