#include "card/number_conversion.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

TEST(NumberConversion, IntegersFollowStoi) {
  const struct {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"12", true, 12},          {" 12 ", true, 12},       {"\t-7x", true, -7},
      {"+3", true, 3},           {"12abc", true, 12},      {"1.9", true, 1},
      {"", false, 0},            {"end", false, 0},        {"NULL", false, 0},
      {"- 5", false, 0},         {"+-5", false, 0},        {"0x10", true, 0},
      {"2147483647", true, 2147483647}, {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},  {"-2147483649", false, 0},
      {"99999999999999999999", false, 0}, {"0000000000000000000042", true, 42},
      {"\x92\xE2", false, 0},    {"\r", false, 0},
  };
  for (const auto& c : cases) {
    int32_t value = -99;
    EXPECT_EQ(convertInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
  }
}

TEST(NumberConversion, AtoiHoldsTheEndsAndGivesZeroForText) {
  EXPECT_EQ(leadingInt("  42abc"), 42);
  EXPECT_EQ(leadingInt("-8"), -8);
  EXPECT_EQ(leadingInt("NULL"), 0);
  EXPECT_EQ(leadingInt(""), 0);
  EXPECT_EQ(leadingInt("99999999999"), INT32_MAX);
  EXPECT_EQ(leadingInt("-99999999999"), INT32_MIN);
}

TEST(NumberConversion, RealsMatchStrtodInTheCLocale) {
  const char* texts[] = {"12.5", " 12.5km", "-0.25", "+3", ".5", "5.", "1e3", "1e", "1e+",
                         "2.5E-2x", "inf", "-Infinity", "0x1p4", "0x", "0x.8", "1,5",
                         "abc", "", ".", "-", " ", "1e308", "1e309", "-1e999", "1e-320",
                         "1e-400", "0e-400", "0.000", "007", "\x81\xAB"};
  for (const char* text : texts) {
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(text, &end);
    const bool expectedOk = end != text && errno != ERANGE;
    double value = -99.0;
    EXPECT_EQ(convertReal(text, value), expectedOk) << text;
    if (expectedOk) {
      EXPECT_EQ(value, expected) << text;
    }
  }
  double value = 0.0;
  EXPECT_TRUE(convertReal("nan(123)", value));
  EXPECT_TRUE(std::isnan(value));
}

TEST(NumberConversion, ProcessLocaleDoesNotMatter) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  double value = 0.0;
  EXPECT_TRUE(convertReal("12.5", value));
  EXPECT_EQ(value, 12.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
