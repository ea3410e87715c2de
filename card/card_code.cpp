#include "card/card_code.h"

#include <charconv>
#include <iterator>

namespace {

// Code page 932 bytes of the texts; the comments show them as they read.
constexpr std::string_view kSuffixes[] = {
    "A",        "B",  "C",  "E",  "F", "G", "H", "K", "M", "P", "R", "S",
    "T",        "Y",  "Z",  "I",  "J", "L", "N", "O", "Q", "U", "W", "X",
    "\x8D\x62",  // 甲
    "\x89\xB3",  // 乙
    "\x95\xB8",  // 丙
    "\x83\x66",  // デ
    "KR",       "SR", "HB", "CK",
    "\x93\xFC",  // 入
};

// Index 0 is no prefix: prefix codes start at 1.
constexpr std::string_view kPrefixes[] = {
    "",
    "\x89\xD7",          // 荷
    "\x8D\xAC",          // 混
    "\x89\xF1",          // 回
    "\x8E\x8E",          // 試
    "\x8D\x48",          // 工
    "\x90\xE1",          // 雪
    "\x8B\x7E",          // 救
    "\x94\x7A",          // 配
    "\x92\x50",          // 単
    "\x8E\x8E\x92\x50",  // 試単
    "\x89\x84",          // 延
    "\x89\x84\x89\xD7",  // 延荷
    "\x89\x84\x8D\xAC",  // 延混
    "\x89\x84\x89\xF1",  // 延回
    "\x89\x84\x8E\x8E",  // 延試
    "\x89\x84\x8D\x48",  // 延工
    "\x89\x84\x94\x7A",  // 延配
    "\x89\x84\x92\x50",  // 延単
    "\x82\xA4",          // う
    "\x82\xA4\x89\xD7",  // う荷
    "\x82\xA4\x89\xF1",  // う回
    "\x8D\x5C\x89\xF1",  // 構回
    "\x8D\x5C\x92\x50",  // 構単
    "\x8D\x5C\x89\xDD",  // 構貨
    "\x8E\x8E\x90\xE1",  // 試雪
    "\x89\xF1\x90\xE1",  // 回雪
    "\x8D\x5C\x94\x7A",  // 構配
    "\x93\xFC",          // 入
    "\x8F\x6F",          // 出
    "\x8D\xDD",          // 在
    "\x93\x5D",          // 転
    "\x8C\xBB",          // 現
    "\x8C\xBB\x92\x50",  // 現単
    "\x8C\xBB\x89\xF1",  // 現回
    "\x8C\xBB\x8E\x8E",  // 現試
    "\x8C\xBB\x94\x7A",  // 現配
    "\x89\xFC",          // 改
    "\x89\xFC\x92\x50",  // 改単
    "\x89\xFC\x89\xF1",  // 改回
    "\x89\xFC\x8E\x8E",  // 改試
    "\x89\xFC\x94\x7A",  // 改配
    "\x82\xA4\x92\x50",  // う単
    "\x8D\x5C\x8E\x8E",  // 構試
};

static_assert(std::size(kSuffixes) == 33);
static_assert(std::size(kPrefixes) == 44);

constexpr std::string_view kCardExtension = ".csv";

}  // namespace

std::string_view cardSuffixText(int32_t suffixCode) {
  if (suffixCode < 0 || suffixCode >= static_cast<int32_t>(std::size(kSuffixes))) return {};
  return kSuffixes[suffixCode];
}

std::string_view cardPrefixText(int32_t prefixCode) {
  if (prefixCode < 1 || prefixCode >= static_cast<int32_t>(std::size(kPrefixes))) return {};
  return kPrefixes[prefixCode];
}

CardCodeParts splitCardCode(int32_t code) {
  // Worked in 64 bits so that no step can overflow, whatever the code; every result
  // lies well inside the int32 range.
  const int64_t wide = code;
  CardCodeParts parts;
  parts.suffixCode = static_cast<int32_t>(wide % 100);
  parts.prefixCode = static_cast<int32_t>((wide / 1000000) % 100);
  const int64_t folder = wide / 100000000;
  parts.folderIndex = folder < 0 ? 0 : static_cast<int32_t>(folder);
  parts.number = static_cast<int32_t>(wide / 100 - int64_t{parts.prefixCode} * 10000);

  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, parts.number);
  const std::string_view prefix = cardPrefixText(parts.prefixCode);
  const std::string_view suffix = cardSuffixText(parts.suffixCode);
  parts.fileName.reserve(prefix.size() + sizeof digits + suffix.size() + kCardExtension.size());
  parts.fileName.append(prefix);
  parts.fileName.append(digits, written.ptr);
  parts.fileName.append(suffix);
  parts.fileName.append(kCardExtension);
  return parts;
}
