// The arithmetic that turns a card beacon's code into a card folder and a file name.
//
// Read as decimal digits, a code is FF PP NNNN SS: card folder, prefix, train number and
// suffix. The prefix and suffix name texts of code page 932 that stand before and after
// the number in the file name.
#ifndef RUVA_CARD_CARD_CODE_H_
#define RUVA_CARD_CARD_CODE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "card/train_number_marks.h"

// The decimal places of a code, FF PP NNNN SS, and the extension of card files.
inline constexpr int64_t kSuffixPlaces = 100;
inline constexpr int64_t kNumberPlaces = 10000;
inline constexpr int64_t kPrefixPlaces = 100;
inline constexpr int64_t kPrefixUnit = kSuffixPlaces * kNumberPlaces;
inline constexpr int64_t kFolderUnit = kPrefixUnit * kPrefixPlaces;
inline constexpr std::string_view kCardFileExtension = ".csv";

// The code of card folder `folder`, prefix code `prefix`, train number `number` (0 to
// 9999) and suffix code `suffix`, in 64 bits: it may lie outside the int32 range.
constexpr int64_t cardCodeOf(int32_t folder, int32_t prefix, int32_t number, int32_t suffix) {
  return folder * kFolderUnit + prefix * kPrefixUnit + number * kSuffixPlaces + suffix;
}

struct CardCodeParts {
  int32_t suffixCode = 0;   // code % 100
  int32_t prefixCode = 0;   // (code / 1000000) % 100
  int32_t folderIndex = 0;  // code / 100000000, 0 when negative
  int32_t number = 0;       // code / 100 - prefixCode * 10000
  std::string fileName;     // prefix text + number + suffix text + ".csv", as bytes
};

// Splits any code, the most negative included, with division truncating towards zero
// and remainders taking the sign of the code.
CardCodeParts splitCardCode(int32_t code);

#endif  // RUVA_CARD_CARD_CODE_H_
