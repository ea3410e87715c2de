// Card texts between code page 932 and UTF-8 on the host side of the platform seam.
#include "tools/platform/host_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HostText, TextConvertsToCodePage932AndBack) {
  const struct {
    const char* utf8;
    std::string bytes;
  } cases[] = {
      {"回1234A.csv",
       "\x89\xF1"
       "1234A.csv"},
      {"時刻表", "\x8E\x9E\x8D\x8F\x95\x5C"},
      {"通試単", "\x92\xCA\x8E\x8E\x92\x50"},
      {"↓〓", "\x81\xAB\x81\xAC"},
      {"ABC", "ABC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::toCodePage932(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(platform::utf8FromCodePage932(c.bytes), c.utf8) << c.utf8;
  }
  // A character that code page 932 lacks gives nothing rather than a guess.
  EXPECT_EQ(platform::toCodePage932("\xC3\xA9"), "");
}

}  // namespace
