// The settings-file rules of the native build, which follow the Windows reader.
#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/platform.h"
#include "tests/support/vehicle_folder.h"

namespace {

using platform::findProfileValue;
using platform::profileIntFromText;

TEST(ProfileText, IntegersReadAsTheWindowsReaderReadsThem) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"12abc", 12},      {"0x3", 3}, {"017", 17},    {"- 5", 0},        {"+0o7", 7},
      {"4294967295", -1}, {"-1", -1}, {"  42", 42},   {"0b101", 5},      {"0X3", 0},
      {"0x", 0},          {"abc", 0}, {"-0x10", -16}, {"4294967296", 0}, {"2147483648", INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(profileIntFromText(c.text), c.value) << c.text;
}

TEST(ProfileText, FindsKeysByTheReadersRules) {
  const std::string text =
      "; comment\r\n"
      "[Other]\r\n"
      "D01ABnum=9\r\n"
      "[ disp ]\r\n"
      "  d01abNUM  =  3  \r\n"
      "D01ABnum=4\r\n"
      "Quoted=\"x y\"\r\n"
      "Single='z'\r\n"
      "Mixed=\"a'\r\n"
      "Bare\r\n"
      "[Disp]\r\n"
      "Late=1\r\n";
  EXPECT_EQ(findProfileValue(text, "Disp", "D01ABnum"), "3");
  EXPECT_EQ(findProfileValue(text, "Disp", "Quoted"), "x y");
  EXPECT_EQ(findProfileValue(text, "Disp", "Single"), "z");
  EXPECT_EQ(findProfileValue(text, "Disp", "Mixed"), "\"a'");
  EXPECT_EQ(findProfileValue(text, "Disp", "Bare"), "");
  // Only the first section of a name is searched.
  EXPECT_EQ(findProfileValue(text, "Disp", "Late"), std::nullopt);
  EXPECT_EQ(findProfileValue(text, "Missing", "D01ABnum"), std::nullopt);
  EXPECT_EQ(findProfileValue("", "Disp", "D01ABnum"), std::nullopt);
}

TEST(ProfileText, FileReadersFallBackAndCut) {
  VehicleFolder folder;
  folder.write("a.ini", "[Disp]\nEmpty=\nNeg=-3\n[ICCard]\n0=" + std::string(300, 'x') + "\n");
  const std::string file = folder.prefix() + "a.ini";
  EXPECT_EQ(platform::readProfileInt("Disp", "Neg", 5, file.c_str()), -3);
  EXPECT_EQ(platform::readProfileInt("Disp", "Empty", 5, file.c_str()), 5);
  EXPECT_EQ(platform::readProfileInt("Disp", "Missing", 5, file.c_str()), 5);
  EXPECT_EQ(platform::readProfileInt("Disp", "Neg", 5, (file + ".none").c_str()), 5);
  EXPECT_EQ(platform::readProfileInt("Disp", "Neg", 5, ""), 5);

  char value[260];
  EXPECT_EQ(platform::readProfileString("ICCard", "0", "NULL", value, sizeof value, file.c_str()),
            259u);
  EXPECT_EQ(std::string(value), std::string(259, 'x'));
  EXPECT_EQ(platform::readProfileString("ICCard", "1", "NULL", value, sizeof value, file.c_str()),
            4u);
  EXPECT_EQ(std::string(value), "NULL");
}

}  // namespace
