// A card file as a table for a spreadsheet, and back: `ruvacard export` and `import`.
//
// The table is UTF-8 CSV with a header row. Its columns are those of the card format,
// one for every column of every row type (a row fills the columns of its own type), and
// before them the row type; after them "columns", the number of fields of a row that
// does not have exactly its type's columns, and "more columns", the fields past its
// type's last one. A line that is no row (a comment, a blank line) stands whole in the
// row type column. So the table gives the card back byte for byte.
#ifndef RUVA_TOOLS_CARD_CARD_TABLE_H_
#define RUVA_TOOLS_CARD_CARD_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

// The card file `card` (shown as `cardName`) as a table, its header in the current
// language. False, with `error` naming the line and field, when the card holds bytes
// that are no Shift_JIS text (a byte order mark, UTF-8 text), which the table could
// not give back as they are.
bool cardAsTable(std::string_view card, std::string_view cardName, std::string& table,
                 std::string& error);

struct ImportedCard {
  bool written = false;               // false: no card, `error` says why
  std::string bytes;                  // the card, Shift_JIS
  std::vector<std::string> warnings;  // what the table holds that the card leaves out
  std::string error;
};

// The card of the table `table` (shown as `tableName`): UTF-8 with or without a byte
// order mark, comma or tab separated, quoted fields, header names in either language
// and in any order. Rows end in CR LF, or in LF where every row of the table does.
ImportedCard cardFromTable(std::string_view table, std::string_view tableName);

#endif  // RUVA_TOOLS_CARD_CARD_TABLE_H_
