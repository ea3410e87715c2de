// The card format in the words of the messages: what each column is for, the row types
// and the time marks as authors write them. The facts come from card/card_format.h.
#ifndef RUVA_TOOLS_CARD_CARD_TERMS_H_
#define RUVA_TOOLS_CARD_CARD_TERMS_H_

#include <ostream>
#include <string>
#include <string_view>

#include "card/card_format.h"

// What the author should write in the column that fills `field`.
std::string columnHint(CardField field);

// The fix for a column that fills `field` and holds `text`: what to write there, with
// an example, or the text itself written right where its form says what was meant
// ("7:04" for a time gives 070400).
std::string columnFix(CardField field, std::string_view text);

// The row types of the format, "0, 1, 3, …" (with the language's list separator).
std::string rowTypeList();

// The time marks, "停 ↓ → ← 〓", in UTF-8.
std::string timeMarkList();

// `ruvacard format`: every row type and column of the card format as a Markdown table
// in the current language: how each column is read, what a value that does not convert
// gives, and what the column holds.
void writeCardFormat(std::ostream& out);

#endif  // RUVA_TOOLS_CARD_CARD_TERMS_H_
