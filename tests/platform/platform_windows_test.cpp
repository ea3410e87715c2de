// The Windows path rules of the platform seam, on byte strings in code page 932.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace {

#if defined(_WIN32)
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

#define SKIP_UNLESS_WINDOWS() \
  if (!kWindows) GTEST_SKIP() << "Windows path rules; this build follows the POSIX ones"

// 時刻表 and 表示: 表 is 95 5C, its trail byte the same as a backslash.
const std::string kTimetable = "\x8E\x9E\x8D\x8F\x95\x5C";
const std::string kDisplay = "\x95\x5C\x8E\xA6";

TEST(WindowsPaths, AbsoluteMeansDriveAndSeparatorOrShareOrDevice) {
  SKIP_UNLESS_WINDOWS();
  const struct {
    std::string path;
    bool absolute;
  } cases[] = {
      {"C:\\cards", true},
      {"c:/cards", true},
      {"C:\\", true},
      {"C:cards", false},
      {"C:", false},
      {"1:\\cards", false},
      {"\\\\server\\share\\x", true},
      {"//server/share", true},
      {"\\\\server", true},
      {"\\\\?\\C:\\cards", true},
      {"\\\\.\\pipe\\x", true},
      {"\\cards", false},
      {"/cards", false},
      {"\\\\", false},
      {"\\\\\\cards", false},
      {"cards\\x", false},
      {"", false},
      {kTimetable + "\\x", false},
      {"\\\\" + kDisplay + "\\s", true},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::isAbsolutePath(c.path), c.absolute) << c.path;
}

TEST(WindowsPaths, AppendFollowsTheFileSystemLibrary) {
  SKIP_UNLESS_WINDOWS();
  const struct {
    std::string base, part, joined;
  } cases[] = {
      {"C:\\v\\", "cards", "C:\\v\\cards"},
      {"C:\\v", "cards", "C:\\v\\cards"},
      {"C:\\v", "", "C:\\v\\"},
      {"C:\\v\\", "", "C:\\v\\"},
      {"", "cards", "cards"},
      {"C:\\v\\", "D:\\cards", "D:\\cards"},
      {"C:\\v\\", "\\\\srv\\share\\cards", "\\\\srv\\share\\cards"},
      {"C:\\v\\", "\\cards", "C:\\cards"},
      {"\\\\srv\\share\\v\\", "\\cards", "\\\\srv\\cards"},
      {"\\\\srv", "cards", "\\\\srv\\cards"},
      {"C:\\v", "C:cards", "C:\\v\\cards"},
      {"C:\\v", "D:cards", "D:cards"},
      {"C:", "cards", "C:cards"},
      {"C:\\v/", "cards", "C:\\v/cards"},
      // A folder name that ends in 表 still needs its separator.
      {"C:\\" + kTimetable, "1234A.csv", "C:\\" + kTimetable + "\\1234A.csv"},
      {"C:\\" + kTimetable + "\\", "1234A.csv", "C:\\" + kTimetable + "\\1234A.csv"},
      {"\\\\" + kDisplay + "\\s\\v", "\\x", "\\\\" + kDisplay + "\\x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::appendPath(c.base, c.part), c.joined) << c.base << " + " << c.part;
  }
}

TEST(WindowsPaths, ModulePathSplitsIntoDriveAndFolder) {
  SKIP_UNLESS_WINDOWS();
  const struct {
    std::string path;
    bool fits;
    std::string drive, dir;
  } cases[] = {
      {"C:\\Vehicles\\A\\ruva.dll", true, "C:", "\\Vehicles\\A\\"},
      {"\\\\srv\\share\\A\\ruva.dll", true, "", "\\\\srv\\share\\A\\"},
      {"C:/Vehicles/A/ruva.dll", true, "C:", "/Vehicles/A/"},
      // The 5C inside 表示 is no separator: the folder ends before the name.
      {"C:\\V\\" + kDisplay + ".dll", true, "C:", "\\V\\"},
      {"C:\\" + kTimetable + "\\ruva.dll", true, "C:", "\\" + kTimetable + "\\"},
      {"C:ruva.dll", true, "C:", ""},
      {"ruva.dll", true, "", ""},
      {"C:\\" + std::string(253, 'd') + "\\ruva.dll", true,
       "C:", "\\" + std::string(253, 'd') + "\\"},
      {"C:\\" + std::string(254, 'd') + "\\ruva.dll", false, "", ""},
  };
  for (const auto& c : cases) {
    char drive[3] = "x";
    char dir[256] = "x";
    EXPECT_EQ(platform::splitModulePath(c.path.c_str(), drive, dir), c.fits) << c.path;
    EXPECT_EQ(std::string(drive), c.drive) << c.path;
    EXPECT_EQ(std::string(dir), c.dir) << c.path;
  }
}

TEST(WindowsPaths, RelativePathsBecomeAbsolute) {
  SKIP_UNLESS_WINDOWS();
  std::string out;
  ASSERT_TRUE(platform::makeAbsolute("C:\\a\\..\\b\\.\\c.csv", out));
  EXPECT_EQ(out, "C:\\b\\c.csv");
  ASSERT_TRUE(platform::makeAbsolute(kTimetable + "\\1234A.csv", out));
  EXPECT_TRUE(platform::isAbsolutePath(out)) << out;
  EXPECT_EQ(out.substr(out.size() - kTimetable.size() - 10), kTimetable + "\\1234A.csv");
}

}  // namespace
