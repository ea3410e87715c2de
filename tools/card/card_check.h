// `ruvacard check`: what the parser could not take as written in one card file, one
// line per remark, located by file, line and column.
#ifndef RUVA_TOOLS_CARD_CARD_CHECK_H_
#define RUVA_TOOLS_CARD_CARD_CHECK_H_

#include <ostream>
#include <string_view>

struct CheckCounts {
  int ignored = 0;    // rows or values not taken
  int fallbacks = 0;  // fields replaced by a fixed value
  int marks = 0;      // special forms recognised as intended
};

// Parses `bytes` as the module does and writes every remark as
//   NAME:LINE:COLUMN: fallback|ignored|note: REASON: "FIELD" [-> STORED]
// with the field converted from Shift_JIS for the terminal. Notes about recognised
// marks are written only when `withNotes` is set.
CheckCounts checkCard(std::string_view name, std::string_view bytes, bool withNotes,
                      std::ostream& out);

#endif  // RUVA_TOOLS_CARD_CARD_CHECK_H_
