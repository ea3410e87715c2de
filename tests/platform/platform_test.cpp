// The platform seam against the real system: code page, Japanese file names, and the
// settings-file reader, as the module meets them in a vehicle folder.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/vehicle_folder.h"
#include "tools/platform/host_files.h"

namespace {

// 回1234A.csv, and the folder 時刻表, whose last byte (the trail of 表) is 5C.
const std::string kCardName =
    "\x89\xF1"
    "1234A.csv";
const std::string kTimetable = "\x8E\x9E\x8D\x8F\x95\x5C";

TEST(Platform, LeadBytesAreThoseOfCodePage932) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(platform::isLeadByte(static_cast<uint8_t>(byte)), lead) << byte;
  }
}

TEST(Platform, JapaneseFileNamesOpenByTheirBytes) {
  VehicleFolder folder;
  folder.write(kCardName, "7,1,A\n");
  folder.write(kTimetable + "/" + kCardName, "7,2,B\r\n");
  const std::string inFolder = platform::appendPath(folder.prefix() + kTimetable, kCardName);

  std::string bytes;
  ASSERT_TRUE(platform::readFile(folder.prefix() + kCardName, bytes));
  EXPECT_EQ(bytes, "7,1,A\n");
  ASSERT_TRUE(platform::readFile(inFolder, bytes));
  EXPECT_EQ(bytes, "7,2,B\r\n");  // read as stored; line ends are the parser's matter
  EXPECT_TRUE(platform::canOpenFile(inFolder));
  EXPECT_TRUE(platform::pathExists(inFolder));

  // A folder exists but does not open as a file; a missing name does neither.
  EXPECT_TRUE(platform::pathExists(folder.prefix() + kTimetable));
  EXPECT_FALSE(platform::canOpenFile(folder.prefix() + kTimetable));
  EXPECT_FALSE(platform::readFile(folder.prefix() + kTimetable, bytes));
  EXPECT_FALSE(platform::pathExists(folder.prefix() + "\x89\xF1"
                                                      "9999A.csv"));
  EXPECT_FALSE(platform::canOpenFile(folder.prefix() + "\x89\xF1"
                                                       "9999A.csv"));
  EXPECT_FALSE(platform::canOpenFile(""));
}

TEST(Platform, JapaneseNamesAreStoredAsTheirCharacters) {
  if (platform::fileNameCodePage() == 0) {
    GTEST_SKIP() << "this system stores byte-string names as the bytes themselves";
  }
  VehicleFolder folder;
  folder.write(kCardName, "");
  bool found = false;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    found = found || entry.path().filename().wstring() == L"\u56DE1234A.csv";
  }
  EXPECT_TRUE(found) << "the name did not reach the disk as 回1234A.csv";
}

TEST(Platform, ReadingUpToALimitReadsNoMore) {
  using platform::FileRead;
  VehicleFolder folder;
  folder.write("ten", std::string(10, 'a'));
  folder.makeFolder("folder");
  const std::string ten = folder.prefix() + "ten";
  std::string bytes = "left over";
  EXPECT_EQ(platform::readFileUpTo(ten, 10, bytes), FileRead::kRead);
  EXPECT_EQ(bytes, std::string(10, 'a'));
  EXPECT_EQ(platform::readFileUpTo(ten, 9, bytes), FileRead::kTooLarge);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(platform::readFileUpTo(ten + "x", 10, bytes), FileRead::kNotOpened);
  EXPECT_EQ(platform::readFileUpTo(folder.prefix() + "folder", 10, bytes), FileRead::kNotOpened);
#if !defined(_WIN32)
  // 64 GiB without a byte on disk: a reader that read on past the limit would run out of
  // memory long before the end.
  std::filesystem::resize_file(folder.path() / "ten", uint64_t{1} << 36);
  EXPECT_EQ(platform::readFileUpTo(ten, 1 << 20, bytes), FileRead::kTooLarge);
#endif
}

TEST(Platform, SettingsReaderKeepsSignsAndBytes) {
  VehicleFolder folder;
  folder.write(kTimetable + "/RUVA_Spec.ini",
               "[Disp]\r\nuseLegacyDisp=-1\r\nD01ABnum=-3\r\nNextStopType=2147483647\r\n"
               "[ICCard]\r\n0=" +
                   kTimetable + "\r\n1=" + kTimetable + "\\" + kCardName + "\r\n");
  const std::string file = folder.prefix() + kTimetable + "/RUVA_Spec.ini";
  EXPECT_EQ(platform::readProfileInt("Disp", "useLegacyDisp", 0, file.c_str()), -1);
  EXPECT_EQ(platform::readProfileInt("Disp", "D01ABnum", 5, file.c_str()), -3);
  EXPECT_EQ(platform::readProfileInt("Disp", "NextStopType", 0, file.c_str()), 2147483647);
  EXPECT_EQ(platform::readProfileInt("Disp", "DispType", 7, file.c_str()), 7);

  char value[260];
  platform::readProfileString("ICCard", "0", "NULL", value, sizeof value, file.c_str());
  EXPECT_EQ(std::string(value), kTimetable);
  platform::readProfileString("ICCard", "1", "NULL", value, sizeof value, file.c_str());
  EXPECT_EQ(std::string(value), kTimetable + "\\" + kCardName);
  platform::readProfileString("ICCard", "2", "NULL", value, sizeof value, file.c_str());
  EXPECT_EQ(std::string(value), "NULL");
}

}  // namespace
