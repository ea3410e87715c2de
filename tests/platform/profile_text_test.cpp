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

// Files as editors and authors leave them. The expectations are what the Windows reader
// returns; on Windows the same table runs against it.
TEST(ProfileText, ReadsEveryLineEndEncodingAndStrayByteAsTheWindowsReader) {
  using namespace std::string_literals;
  const std::string utf16le =
      "\xFF\xFE[\0D\0i\0s\0p\0]\0\r\0\n\0D\0i\0s\0p\0T\0y\0p\0e\0=\0001\0\n\0"s
      "[\0I\0C\0C\0a\0r\0d\0]\0\n\0000\0=\0\xAB\x30\xFC\x30\xC9\x30"s;
  std::string utf16be;
  for (std::size_t i = 0; i < utf16le.size(); i += 2) utf16be += {utf16le[i + 1], utf16le[i]};
  const struct {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    std::string value;  // read with the fallback "-"
  } cases[] = {
      {"lone CR", "[Disp]\rDispType=1\rD01ABnum=3\r", "Disp", "D01ABnum", "3"},
      {"CR LF", "[Disp]\r\nD01ABnum=3\r\n", "Disp", "D01ABnum", "3"},
      {"LF CR and runs of breaks", "[Disp]\n\r\r\nD01ABnum=3", "Disp", "D01ABnum", "3"},
      // 表示設定 saved as UTF-8 ends in 9A, a lead byte: it takes the LF, and the key line
      // joins the comment line.
      {"lead byte before LF",
       "[Disp]\n; \xE8\xA1\xA8\xE7\xA4\xBA\xE8\xA8\xAD\xE5\xAE\x9A\nDispType=1\n", "Disp",
       "DispType", "-"},
      {"lead byte before CR LF", "[Disp]\nD01ABnum=3\x95\r\nDispType=1\n", "Disp", "D01ABnum",
       "3\x81\x45"},
      {"lead byte before NUL", "[ICCard]\n0=a\x95\0b\n"s, "ICCard", "0", "a\x81\x45"},
      {"lead byte at the end", "[ICCard]\n0=\x95", "ICCard", "0", "\x81\x45"},
      {"UTF-16 LE with its mark", utf16le, "Disp", "DispType", "1"},
      {"UTF-16 LE value in the code page", utf16le, "ICCard", "0", "\x83\x4A\x81\x5B\x83\x68"},
      {"UTF-16 BE with its mark", utf16be, "ICCard", "0", "\x83\x4A\x81\x5B\x83\x68"},
      {"UTF-8 with its mark", "\xEF\xBB\xBF[ICCard]\n0=\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89\n",
       "ICCard", "0", "\x83\x4A\x81\x5B\x83\x68"},
      {"UTF-8 best fits and bad bytes",
       "\xEF\xBB\xBF[ICCard]\n0=\xC3\xA9\xE2\x82\xAC\xC0\x80\xE3\x81\n", "ICCard", "0", "e????"},
      {"UTF-8 without a mark is the code page", "[ICCard]\n0=\xE3\x82\xAB\n", "ICCard", "0",
       "\xE3\x82\xAB"},
      {"vendor rows and an empty cell", "[ICCard]\n0=\xED\x40\xFA\x4A\x87\x90\x85\x40\n", "ICCard",
       "0", "\xFA\x5C\x87\x54\x81\xE0\x81\x45"},
      {"NUL ends a value", "[Disp]\nD01ABnum=3\0 4\n"s, "Disp", "D01ABnum", "3"},
      {"NUL ends a name", "[Disp\0x]\nD01ABnum\0x=3\n"s, "Disp", "D01ABnum", "3"},
      {"NUL is no line end", "[Disp]\nDispType=1\0D01ABnum=3\n"s, "Disp", "D01ABnum", "-"},
      {"blanks and Ctrl-Z", "\x1A[\tDisp\v]\n\fD01ABnum\x1A=\t3\x1A\n", "Disp", "D01ABnum", "3"},
      {"no other blanks",
       "[Disp]\n\x81\x40"
       "D01ABnum=3\n",
       "Disp", "D01ABnum", "-"},
      {"text after the section", "[Disp] ; display\nD01ABnum=3\n", "Disp", "D01ABnum", "3"},
      {"a section without its bracket is a key", "[Disp]\n[ICCard\n0=x\n", "Disp", "0", "x"},
      {"the last bracket closes the name", "[Disp]]\nD01ABnum=3\n", "Disp]", "D01ABnum", "3"},
      {"quotes cut with the value", "[Disp]\nD01ABnum=\"" + std::string(27, ' ') + "35\"\n", "Disp",
       "D01ABnum", std::string(27, ' ') + "35"},
  };
  VehicleFolder folder;
  int n = 0;
  for (const auto& c : cases) {
    const std::string name = "case" + std::to_string(n++) + ".ini";
    folder.write(name, c.file);
    const std::string path = folder.prefix() + name;
    char value[260];
    platform::readProfileString(c.section, c.key, "-", value, sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), c.value) << c.what;
  }
  // The integer reader reads the first 29 code units: the quoted value above reads 3.
  const std::string path = folder.prefix() + "case" + std::to_string(n - 1) + ".ini";
  EXPECT_EQ(platform::readProfileInt("Disp", "D01ABnum", 5, path.c_str()), 3);
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
