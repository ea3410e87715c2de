// One card file as the checker walks it: its lines, where the rows that the module took
// stand, and which fields a remark names already, so that a judgement built on a value
// does not repeat the remark on the value itself.
#ifndef RUVA_TOOLS_CARD_CARD_LINES_H_
#define RUVA_TOOLS_CARD_CARD_LINES_H_

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/card/lint_remark.h"

// A field for the terminal: as it stands in a card written in UTF-8 (`utf8`), converted
// from Shift_JIS otherwise.
std::string shownField(std::string_view bytes, bool utf8);

struct CardLines {
  bool utf8 = false;                    // the whole card is UTF-8 text
  std::vector<std::string_view> texts;  // every line, without its line end
  // The fields of every line, split once: those of line n (from 1) run from
  // lineFields[fieldStarts[n - 1]] to lineFields[fieldStarts[n]].
  std::vector<std::string_view> lineFields;
  std::vector<uint32_t> fieldStarts{0};
  // The line of each row that a table took, in table order.
  std::vector<int32_t> stopLines;
  std::vector<int32_t> eventLines;
  std::vector<int32_t> rangeLines;
  int32_t headerLine = 0;  // the last row of each type that overwrites, 0 for none
  int32_t trainLine = 0;
  int32_t secondLine = 0;
  std::set<std::pair<int32_t, int32_t>> remarked;  // (line, column) that a remark names
  std::set<int32_t> slipped;                       // lines whose columns stand off

  // Makes room for `lineCount` lines of `fieldCount` fields in all.
  void reserve(std::size_t lineCount, std::size_t fieldCount);
  // Adds the next line of the file, without its line end, and its fields.
  void addLine(std::string_view text, std::span<const std::string_view> fields);
  // The fields of line `line` as read; none past the last line. Here, like the two
  // below, because the checks ask for fields of every row they judge.
  std::span<const std::string_view> fieldsOf(int32_t line) const {
    if (line < 1 || static_cast<std::size_t>(line) > texts.size()) return {};
    const auto n = static_cast<std::size_t>(line);
    return std::span<const std::string_view>(lineFields)
        .subspan(fieldStarts[n - 1], fieldStarts[n] - fieldStarts[n - 1]);
  }
  // Field `column` of line `line` as read; empty past the line's last field.
  std::string_view field(int32_t line, int32_t column) const {
    const std::span<const std::string_view> fields = fieldsOf(line);
    return hasColumn(fields, column) ? fields[static_cast<std::size_t>(column)]
                                     : std::string_view();
  }
  // True when line `line` has a field `column`.
  bool hasField(int32_t line, int32_t column) const { return hasColumn(fieldsOf(line), column); }
  // True when a value read from that field is not the author's: a remark names the
  // field, or its row stands off.
  bool doubtful(int32_t line, int32_t column) const;
  // A field of this card for the terminal.
  std::string shown(std::string_view bytes) const { return shownField(bytes, utf8); }
  // A remark on field `column` of line `line` that shows its text.
  LintRemark remarkOn(int32_t line, int32_t column, RemarkCode code, std::string instead,
                      std::string expected) const;

 private:
  // True when `index` is a place in `fields`.
  static bool hasColumn(std::span<const std::string_view> fields, int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < fields.size();
  }
};

#endif  // RUVA_TOOLS_CARD_CARD_LINES_H_
