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
