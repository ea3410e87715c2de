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
      // Nineteen bytes or fewer are summed unchecked, longer texts with a clamp.
      {"9999999999999999999", false, 0}, {"-000000002147483648", true, INT32_MIN},
      {"000000002147483648", false, 0},  {"1844674407370955161x", false, 0},
      {"-", false, 0},           {"+", false, 0},
  };
  for (const auto& c : cases) {
    int32_t value = -99;
    EXPECT_EQ(convertInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    // The reading that also tells how far it read takes what strtol takes.
    int32_t measured = -99;
    std::size_t length = 99;
    EXPECT_EQ(convertInt(c.text, measured, length), c.ok) << c.text;
    EXPECT_EQ(measured, value) << c.text;
    char* end = nullptr;
    std::strtol(c.text, &end, 10);
    EXPECT_EQ(length, c.ok ? static_cast<std::size_t>(end - c.text) : 99) << c.text;
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

// Every combination of leading blanks and signs, mantissa, exponent and tail reads as
// strtod reads it in the "C" locale, except that a number that is not finite is no
// number at all.
TEST(NumberConversion, RealsMatchStrtodInTheCLocale) {
  const char* leads[] = {"", " ", "\t", "+", "-", "--", "+-", "-+", "++", "- ", " -"};
  const char* mantissas[] = {"", "0", "5", "007", "12.5", ".5", "5.", ".", "0.000", "0x",
                             "0x1", "0x.8", "0x1.8", "0xg", "0X1F", "nan", "NaN", "nan(12)",
                             "inf", "INF", "infinity", "Infinity", "in", "abc", "\x81\xAB",
                             // Around the ends of the short way for plain decimals.
                             "900719925474099.2", "9007199254740993", "0.30000000000000004",
                             "0.1234567890123456789", "1234567890123456789.0"};
  const char* exponents[] = {"", "e3", "E-2", "e", "e+", "p4", "e308", "e309", "e-320",
                             "e-400", "e999"};
  const char* tails[] = {"", "x", " ", ",5", "km"};
  int compared = 0;
  for (const char* lead : leads) {
    for (const char* mantissa : mantissas) {
      for (const char* exponent : exponents) {
        for (const char* tail : tails) {
          const std::string text = std::string(lead) + mantissa + exponent + tail;
          errno = 0;
          char* end = nullptr;
          const double expected = std::strtod(text.c_str(), &end);
          const bool expectedOk =
              end != text.c_str() && errno != ERANGE && std::isfinite(expected);
          double value = -99.0;
          ASSERT_EQ(convertReal(text, value), expectedOk) << '"' << text << '"';
          double measured = -99.0;
          std::size_t length = 99;
          ASSERT_EQ(convertReal(text, measured, length), expectedOk) << text;
          if (expectedOk) {
            ASSERT_EQ(value, expected) << text;
            ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
            ASSERT_EQ(length, static_cast<std::size_t>(end - text.c_str())) << text;
          } else {
            ASSERT_EQ(value, -99.0) << text;
            ASSERT_EQ(length, 99U) << text;
          }
          ASSERT_EQ(measured, value) << text;
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 11 * 30 * 11 * 5);
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
