// The settings-file rules of the native build, which follow the Windows reader.
#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <iterator>
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
  // The same values through the system's reader, from a file: on Windows this holds the
  // rules above against the real thing.
  std::string file = "[Disp]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    file += "k" + std::to_string(i) + "=" + cases[i].text + "\r\n";
  }
  VehicleFolder folder;
  folder.write("RUVA_Spec.ini", file);
  const std::string path = folder.prefix() + "RUVA_Spec.ini";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string key = "k" + std::to_string(i);
    EXPECT_EQ(profileIntFromText(cases[i].text), cases[i].value) << cases[i].text;
    EXPECT_EQ(platform::readProfileInt("Disp", key.c_str(), 99, path.c_str()), cases[i].value)
        << cases[i].text;
  }
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
      "Bare=1\r\n"
      "[Disp]\r\n"
      "Late=1\r\n";
  EXPECT_EQ(findProfileValue(text, "Disp", "D01ABnum"), "3");
  EXPECT_EQ(findProfileValue(text, "Disp", "Quoted"), "x y");
  EXPECT_EQ(findProfileValue(text, "Disp", "Single"), "z");
  EXPECT_EQ(findProfileValue(text, "Disp", "Mixed"), "\"a'");
  EXPECT_EQ(findProfileValue(text, "Disp", "Bare"), std::nullopt);
  // Only the first section of a name is searched.
  EXPECT_EQ(findProfileValue(text, "Disp", "Late"), std::nullopt);
  EXPECT_EQ(findProfileValue(text, "Missing", "D01ABnum"), std::nullopt);
  EXPECT_EQ(findProfileValue("", "Disp", "D01ABnum"), std::nullopt);

  // The system's reader agrees on the same file.
  VehicleFolder folder;
  folder.write("RUVA_Spec.ini", text);
  const std::string path = folder.prefix() + "RUVA_Spec.ini";
  for (const char* key : {"D01ABnum", "Quoted", "Single", "Mixed", "Bare", "Late", "None"}) {
    char value[64];
    platform::readProfileString("Disp", key, "(none)", value, sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), findProfileValue(text, "Disp", key).value_or("(none)")) << key;
  }
}

// The checker's disable comments name no key the module reads.
TEST(ProfileText, DisableCommentsHideNoKey) {
  const std::string text =
      "[Disp]\n; ruvacard: disable=S104\nDispType=1\n; ruvacard: disable-file=S105\nD01ABnum=3\n";
  EXPECT_EQ(platform::findProfileValue(text, "Disp", "DispType"), "1");
  EXPECT_EQ(platform::findProfileValue(text, "Disp", "D01ABnum"), "3");
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
