// The texts that stand before and after the number of a train, in code page 932 (the
// code page of card files), each with its two numberings: the card code's, by which a
// card beacon names a card file, and the display's, the picture the cab shows. The two
// numberings part where a text has only one of them: the prefix "延単" has no picture,
// and the suffix "V" is no part of card codes.
#ifndef RUVA_CARD_TRAIN_NUMBER_MARKS_H_
#define RUVA_CARD_TRAIN_NUMBER_MARKS_H_

#include <cstdint>
#include <string_view>

struct NumberMark {
  std::string_view text;  // code page 932 bytes
  int32_t cardCode;       // -1: not in card codes
  int32_t displayCode;    // -1: no picture
};

// In the order of both numberings; the comments show the texts as they read.
inline constexpr NumberMark kPrefixMarks[] = {
    {"\x89\xD7", 1, 1},            // 荷
    {"\x8D\xAC", 2, 2},            // 混
    {"\x89\xF1", 3, 3},            // 回
    {"\x8E\x8E", 4, 4},            // 試
    {"\x8D\x48", 5, 5},            // 工
    {"\x90\xE1", 6, 6},            // 雪
    {"\x8B\x7E", 7, 7},            // 救
    {"\x94\x7A", 8, 8},            // 配
    {"\x92\x50", 9, 9},            // 単
    {"\x8E\x8E\x92\x50", 10, 10},  // 試単
    {"\x89\x84", 11, 11},          // 延
    {"\x89\x84\x89\xD7", 12, 12},  // 延荷
    {"\x89\x84\x8D\xAC", 13, 13},  // 延混
    {"\x89\x84\x89\xF1", 14, 14},  // 延回
    {"\x89\x84\x8E\x8E", 15, 15},  // 延試
    {"\x89\x84\x8D\x48", 16, 16},  // 延工
    {"\x89\x84\x94\x7A", 17, 17},  // 延配
    {"\x89\x84\x92\x50", 18, -1},  // 延単
    {"\x82\xA4", 19, 18},          // う
    {"\x82\xA4\x89\xD7", 20, 19},  // う荷
    {"\x82\xA4\x89\xF1", 21, 20},  // う回
    {"\x8D\x5C\x89\xF1", 22, 21},  // 構回
    {"\x8D\x5C\x92\x50", 23, 22},  // 構単
    {"\x8D\x5C\x89\xDD", 24, 23},  // 構貨
    {"\x8E\x8E\x90\xE1", 25, 24},  // 試雪
    {"\x89\xF1\x90\xE1", 26, 25},  // 回雪
    {"\x8D\x5C\x94\x7A", 27, 26},  // 構配
    {"\x93\xFC", 28, 27},          // 入
    {"\x8F\x6F", 29, 28},          // 出
    {"\x8D\xDD", 30, 29},          // 在
    {"\x93\x5D", 31, 30},          // 転
    {"\x8C\xBB", 32, 31},          // 現
    {"\x8C\xBB\x92\x50", 33, 32},  // 現単
    {"\x8C\xBB\x89\xF1", 34, 33},  // 現回
    {"\x8C\xBB\x8E\x8E", 35, 34},  // 現試
    {"\x8C\xBB\x94\x7A", 36, 35},  // 現配
    {"\x89\xFC", 37, 36},          // 改
    {"\x89\xFC\x92\x50", 38, 37},  // 改単
    {"\x89\xFC\x89\xF1", 39, 38},  // 改回
    {"\x89\xFC\x8E\x8E", 40, 39},  // 改試
    {"\x89\xFC\x94\x7A", 41, 40},  // 改配
    {"\x82\xA4\x92\x50", 42, 41},  // う単
    {"\x8D\x5C\x8E\x8E", 43, 42},  // 構試
};

// There is deliberately no "D". The two-byte entries complete the display's pictures;
// the train-number decoder takes a one-byte suffix only.
inline constexpr NumberMark kSuffixMarks[] = {
    {"A", 0, 0},          {"B", 1, 1},          {"C", 2, 2},    {"E", 3, 3},
    {"F", 4, 4},          {"G", 5, 5},          {"H", 6, 6},    {"K", 7, 7},
    {"M", 8, 8},          {"P", 9, 9},          {"R", 10, 10},  {"S", 11, 11},
    {"T", 12, 12},        {"Y", 13, 13},        {"Z", 14, 14},  {"I", 15, 15},
    {"J", 16, 16},        {"L", 17, 17},        {"N", 18, 18},  {"O", 19, 19},
    {"Q", 20, 20},        {"U", 21, 21},        {"V", -1, 22},  {"W", 22, 23},
    {"X", 23, 24},        {"\x8D\x62", 24, 25},  // 甲
    {"\x89\xB3", 25, 26},                        // 乙
    {"\x95\xB8", 26, 27},                        // 丙
    {"\x83\x66", 27, 28},                        // デ
    {"KR", 28, 29},       {"SR", 29, 30},       {"HB", 30, 31}, {"CK", 31, 32},
    {"\x93\xFC", 32, 33},  // 入
};

// The text of card prefix code `code` (1 to 43) or card suffix code (0 to 32); empty
// for any other code.
std::string_view cardPrefixText(int32_t code);
std::string_view cardSuffixText(int32_t code);

// The text that display prefix code `code` (1 to 42) or display suffix code (0 to 33)
// shows; empty for any other code, the "no prefix" and "no suffix" codes included.
std::string_view displayPrefixText(int32_t code);
std::string_view displaySuffixText(int32_t code);

#endif  // RUVA_CARD_TRAIN_NUMBER_MARKS_H_
