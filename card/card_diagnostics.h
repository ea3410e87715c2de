// What a card parse can tell its caller about the rows and columns it could not take
// as written. The module parses without a listener; the card checker for authors and
// the tests listen. Listening never changes what is parsed.
//
// A remark is data: what was found, where, and what was stored, with the format of the
// row and column it concerns. Words for people are chosen only where it is printed.
#ifndef RUVA_CARD_CARD_DIAGNOSTICS_H_
#define RUVA_CARD_CARD_DIAGNOSTICS_H_

#include <cstdint>
#include <span>
#include <string_view>

#include "card/card_format.h"

// What the parser found at one place of the file.
enum class CardFinding : uint8_t {
  // The row is not taken.
  kEmptyLine,       // a line without fields
  kNoRowType,       // column 0 does not begin with an integer
  kUnknownRowType,  // column 0 holds a number that is no row type
  kTableFull,       // the row's table holds `limit` rows already
  // A number column that does not convert; the column's OnBadValue says what follows.
  kNotInteger,
  kIntegerOutOfRange,
  kNotNumber,
  kNumberOutOfRange,
  kColumnMissing,  // the row ended before the column, which reads "end"
  // Other columns that were not taken as written.
  kTextIsEnd,             // a text column just past the row's end: it stores "end"
  kTextMissing,           // a text column beyond that: the member keeps its text
  kColumnsMissing,        // a stop row ended: from `column` on, every member keeps its default
  kTextAfterNumber,       // the number before the text was stored; the text was not read
  kSlashWithoutInteger,   // "/" and no integer after it: 0 stored
  kCodeDigitsOutOfRange,  // the digits of a stop code form too large a number: 0 stored
  kLowBitsKept,           // a number that an 8-bit column cannot hold: its low 8 bits stored
  // Special forms, read as intended.
  kTimeMark,            // a time mark: its time stored
  kSlashForm,           // the slash form: 40 + integer / 5 stored
  kStopMarkRecomputed,  // a value above 2 in column 21, recomputed from the first time
};

// A value as the parser stored it.
struct CardValue {
  enum class Kind : uint8_t { kNone, kInteger, kReal, kFlag, kText };
  Kind kind = Kind::kNone;
  int32_t integer = 0;  // kInteger; kFlag: 0 or 1
  double real = 0.0;
  std::string_view text;
};

// One remark. The views are valid only during the call that hands them over.
struct CardRemark {
  int32_t line = 0;    // line number in the file, from 1
  int32_t column = 0;  // field index in the line; 0 is the row type
  CardFinding finding = CardFinding::kNotInteger;
  const RowFormat* row = nullptr;      // the row's format; null without a row type read
  const CardColumn* format = nullptr;  // the column's format; null for column 0 and
                                       // columns that the row type does not have
  std::string_view text;               // the field as read ("end" for the column after the last);
                                       // empty when the line has no such field
  CardValue stored;                    // what was stored, where anything was
  int32_t limit = 0;                   // kTableFull: the rows that the table takes
};

// Receives the lines and remarks of one parse in reading order.
class CardDiagnostics {
 public:
  virtual ~CardDiagnostics() = default;
  // Line `number` (from 1) as the parse splits it, before the remarks on it: `text`
  // without its line end, `fields` as its commas divide it, without the "end" that the
  // parse appends. The views point into the parsed bytes.
  virtual void line(int32_t /*number*/, std::string_view /*text*/,
                    std::span<const std::string_view> /*fields*/) {}
  virtual void remark(const CardRemark& remark) = 0;
};

#endif  // RUVA_CARD_CARD_DIAGNOSTICS_H_
