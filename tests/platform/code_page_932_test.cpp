// Code page 932 as the Windows conversions have it: a few characters everywhere, and
// under Windows every byte pair and every code unit against the system's conversions.
#include "platform/code_page_932.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

std::u16string read(std::string_view bytes) {
  std::u16string units;
  for (std::size_t at = 0; at < bytes.size();) units += platform::readCodePage932(bytes, at);
  return units;
}

std::string written(std::u16string_view units) {
  std::string bytes;
  for (const char16_t unit : units) platform::appendCodePage932(unit, bytes);
  return bytes;
}

TEST(CodePage932, ReadsAndWritesAsTheSystem) {
  // 表示, half-width カ, a lone lead byte before NUL and at the end.
  EXPECT_EQ(read("\x95\x5C\x8E\xA6"), u"表示");
  EXPECT_EQ(read("\xB6"), u"\uFF76");
  EXPECT_EQ(read(std::string_view("\x95\0x\x95", 4)), std::u16string(u"\u30FB\0x\u30FB", 4));
  // A lead byte takes a line break as its second byte; an undefined pair is the stand-in.
  EXPECT_EQ(read("\x9A\nA"), u"\u30FBA");
  EXPECT_EQ(read("\x85\x40"), u"\u30FB");
  // The vendor rows write as the standard ones; best fits and "?" where none.
  EXPECT_EQ(written(read("\xED\x40\xFA\x4A\x87\x90")), "\xFA\x5C\x87\x54\x81\xE0");
  EXPECT_EQ(written(u"é¥€\U0001F600"), "e\\???");
  EXPECT_EQ(written(u"\u30FB"), "\x81\x45");
}

// ASCII reads and writes as itself, before and after a character past it is written.
TEST(CodePage932, AsciiStaysAsItIs) {
  std::string bytes;
  std::u16string units;
  for (unsigned c = 0; c < 0x80; ++c) {
    bytes += static_cast<char>(c);
    units += static_cast<char16_t>(c);
  }
  EXPECT_EQ(read(bytes), units);
  EXPECT_EQ(written(units), bytes);
  EXPECT_EQ(written(u"\u8868"), "\x95\x5C");
  EXPECT_EQ(written(units), bytes);
}

#if defined(_WIN32)
TEST(CodePage932, EveryCharacterConvertsAsTheSystemConvertsIt) {
  int differences = 0;
  const auto report = [&differences](const char* what, unsigned code, const std::string& system,
                                     const std::string& table) {
    if (++differences <= 20)
      ADD_FAILURE() << what << " " << std::hex << code << ": system " << system << ", table "
                    << table;
  };
  const auto hex = [](const auto& units) {
    std::string text;
    char digits[8];
    for (const auto unit : units) {
      const unsigned value =
          sizeof unit == 1 ? static_cast<uint8_t>(unit) : static_cast<uint16_t>(unit);
      std::snprintf(digits, sizeof digits, "%04X ", value);
      text += digits;
    }
    return text;
  };
  for (unsigned first = 0; first < 0x100; ++first) {
    for (unsigned second = 0; second < 0x100; ++second) {
      const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
      const int length = IsDBCSLeadByteEx(932, static_cast<BYTE>(first)) ? 2 : 1;
      if (length == 1 && second > 0) break;
      wchar_t system[4];
      const int count = MultiByteToWideChar(932, 0, bytes, length, system, 4);
      const std::u16string table = read(std::string_view(bytes, static_cast<std::size_t>(length)));
      if (std::u16string(system, system + count) != table) {
        report("reading", first << 8 | second, hex(std::u16string(system, system + count)),
               hex(table));
      }
    }
  }
  for (unsigned unit = 1; unit < 0x10000; ++unit) {
    const wchar_t wide = static_cast<wchar_t>(unit);
    char system[8];
    const int count =
        WideCharToMultiByte(932, 0, &wide, 1, system, sizeof system, nullptr, nullptr);
    const std::string table = written(std::u16string(1, static_cast<char16_t>(unit)));
    if (std::string(system, static_cast<std::size_t>(count)) != table) {
      report("writing", unit, hex(std::string(system, static_cast<std::size_t>(count))),
             hex(table));
    }
  }
  EXPECT_EQ(differences, 0);
}
#endif

}  // namespace
