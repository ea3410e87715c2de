// The host side of the platform seam: the code page that test files are named in.
#include "tools/platform/host_files.h"

#include <gtest/gtest.h>

namespace {

TEST(HostFiles, FileNamesUseCodePage932) {
  if (platform::fileNameCodePage() == 0) {
    GTEST_SKIP() << "this system hands byte-string names to the file system unchanged";
  }
  EXPECT_EQ(platform::fileNameCodePage(), 932u);
}

}  // namespace
