// Each line is split at its commas, one more field "end" is appended, and the row type
// in column 0 says where the other columns go. Short rows thus read "end" in the column
// after their last one, which fails every number conversion: that is how card files
// have always been read, and authors' cards rely on it.
//
// Which column fills which member, how it converts and what it stores when it does not
// is the card format's business (card/card_format.h); this file only carries it out.
#include "card/parser.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "card/line_split.h"
#include "card/number_conversion.h"

namespace {

constexpr std::string_view kEndField = "end";

enum class NumberKind { kInteger, kReal };

CardValue integerValue(int32_t value) {
  CardValue stored;
  stored.kind = CardValue::Kind::kInteger;
  stored.integer = value;
  return stored;
}

CardValue realValue(double value) {
  CardValue stored;
  stored.kind = CardValue::Kind::kReal;
  stored.real = value;
  return stored;
}

CardValue flagValue(bool value) {
  CardValue stored;
  stored.kind = CardValue::Kind::kFlag;
  stored.integer = value ? 1 : 0;
  return stored;
}

CardValue textValue(std::string_view value) {
  CardValue stored;
  stored.kind = CardValue::Kind::kText;
  stored.text = value;
  return stored;
}

// One row's fields (with the appended "end"), its format, and the remarks about it.
class Row {
 public:
  Row(const std::vector<std::string_view>& fields, int32_t line, const RowFormat* format,
      CardDiagnostics* sink)
      : fields_(fields), line_(line), format_(format), sink_(sink) {}

  bool has(int32_t column) const { return static_cast<std::size_t>(column) < fields_.size(); }
  std::string_view at(int32_t column) const { return fields_[static_cast<std::size_t>(column)]; }
  // Number of fields including the appended "end".
  std::size_t size() const { return fields_.size(); }
  bool isEnd(int32_t column) const { return static_cast<std::size_t>(column) + 1 == size(); }
  bool listening() const { return sink_ != nullptr; }
  bool isStopRow() const { return format_ != nullptr && format_->type == RowType::kStop; }

  // False when the column is missing or does not convert; `value` is then untouched.
  bool integer(int32_t column, int32_t& value) const {
    if (!has(column)) return false;
    if (!listening()) return convertInt(at(column), value);
    std::size_t length = 0;
    if (!convertInt(at(column), value, length)) return false;
    noteCut(column, length, integerValue(value));
    return true;
  }
  bool real(int32_t column, double& value) const {
    if (!has(column)) return false;
    if (!listening()) return convertReal(at(column), value);
    std::size_t length = 0;
    if (!convertReal(at(column), value, length)) return false;
    noteCut(column, length, realValue(value));
    return true;
  }

  void remark(int32_t column, CardFinding finding, CardValue stored = {}, int32_t limit = 0) const {
    if (sink_ == nullptr) return;
    CardRemark remark;
    remark.line = line_;
    remark.column = column;
    remark.finding = finding;
    remark.row = format_;
    remark.format = format_ == nullptr ? nullptr : columnOf(*format_, column);
    // An empty line's only field is the appended "end", which it never held.
    const bool held = has(column) && !(column == 0 && isEnd(column));
    remark.text = held ? at(column) : std::string_view();
    remark.stored = stored;
    remark.limit = limit;
    sink_->remark(remark);
  }

  // Text after a number that converted, blanks aside, is read by no one.
  void noteCut(int32_t column, std::size_t length, CardValue stored) const {
    if (at(column).substr(length).find_first_not_of(" \t") == std::string_view::npos) return;
    remark(column, CardFinding::kTextAfterNumber, stored);
  }

  // Why `column` did not convert.
  CardFinding failure(int32_t column, NumberKind kind) const {
    if (!has(column) || isEnd(column)) return CardFinding::kColumnMissing;
    // Only called after a failed conversion: a leading number there was out of range,
    // and the clamping reading gives 0 when there is none (it misses only reals whose
    // integer part is 0, such as .5e999).
    const bool outOfRange = leadingInt(at(column)) != 0;
    if (kind == NumberKind::kInteger) {
      return outOfRange ? CardFinding::kIntegerOutOfRange : CardFinding::kNotInteger;
    }
    return outOfRange ? CardFinding::kNumberOutOfRange : CardFinding::kNotNumber;
  }

  // A column that did not convert; `stored` is what was stored instead, if anything.
  void badValue(int32_t column, NumberKind kind, CardValue stored = {}) const {
    if (listening()) remark(column, failure(column, kind), stored);
  }

 private:
  const std::vector<std::string_view>& fields_;
  int32_t line_;
  const RowFormat* format_;
  CardDiagnostics* sink_;
};

struct RowCounters {
  int32_t stops = 0;
  int32_t events = 0;
  int32_t ranges = 0;
};

// A text column. One just past the row's end reads "end"; one beyond that leaves
// `member` as it was.
void takeText(const Row& row, const CardColumn& c, std::string& member) {
  if (!row.has(c.column)) {
    // A short stop row has a remark of its own for all the columns it lacks.
    if (!row.isStopRow()) row.remark(c.column, CardFinding::kTextMissing);
    return;
  }
  if (row.isEnd(c.column)) row.remark(c.column, CardFinding::kTextIsEnd, textValue(kEndField));
  member.assign(row.at(c.column));
}

// An integer: the column's fallback where it has one, else the member keeps its value.
// A stop row's missing columns keep their defaults without a word.
void takeInt(const Row& row, const CardColumn& c, int32_t& member) {
  if (row.integer(c.column, member)) return;
  if (c.onBad != OnBadValue::kFallback) {
    row.badValue(c.column, NumberKind::kInteger);
  } else if (row.has(c.column)) {
    member = c.fallback;
    row.badValue(c.column, NumberKind::kInteger, integerValue(c.fallback));
  }
}

void takeReal(const Row& row, const CardColumn& c, double& member) {
  if (!row.has(c.column)) return;
  if (!row.real(c.column, member)) {
    member = c.fallback;
    row.badValue(c.column, NumberKind::kReal, realValue(member));
  }
}

void takeLowByte(const Row& row, const CardColumn& c, uint8_t& member) {
  if (!row.has(c.column)) return;
  int32_t value = 0;
  if (row.integer(c.column, value)) {
    member = static_cast<uint8_t>(value);
    if (value < 0 || value > c.highest) {
      row.remark(c.column, CardFinding::kLowBitsKept, integerValue(member));
    }
  } else {
    member = static_cast<uint8_t>(c.fallback);
    row.badValue(c.column, NumberKind::kInteger, integerValue(c.fallback));
  }
}

// True when the column's integer is nonzero (or zero, for kZeroFlag); the fallback when
// the column does not convert.
void takeFlag(const Row& row, const CardColumn& c, bool& member) {
  if (!row.has(c.column)) return;
  int32_t value = 0;
  if (row.integer(c.column, value)) {
    member = (value == 0) == (c.kind == ColumnKind::kZeroFlag);
  } else {
    member = c.fallback != 0;
    row.badValue(c.column, NumberKind::kInteger, flagValue(member));
  }
}

// A time HHMMSS, a time mark, or no time; then times before 01:00:00 move past
// midnight, whether or not the column was there.
void takeTime(const Row& row, const CardColumn& c, int32_t& member) {
  if (row.has(c.column) && !row.integer(c.column, member)) {
    member = c.fallback;
    const std::string_view text = row.at(c.column);
    bool marked = false;
    for (const TimeMark& mark : kTimeMarks) {
      if (text == mark.text) {
        member = mark.value;
        marked = true;
        row.remark(c.column, CardFinding::kTimeMark, integerValue(mark.value));
        break;
      }
    }
    if (!marked) row.badValue(c.column, NumberKind::kInteger, integerValue(c.fallback));
  }
  member = storedStopTime(member);
}

// An integer divided by 5; a "/" before the integer adds 40 to the quotient.
void takeFifth(const Row& row, const CardColumn& c, int32_t& member) {
  if (!row.has(c.column)) return;
  int32_t value = 0;
  if (row.integer(c.column, value)) {
    member = value / kFifthDivisor;
    return;
  }
  const std::string_view text = row.at(c.column);
  if (text.empty() || text.front() != '/') {
    member = c.fallback;
    row.badValue(c.column, NumberKind::kInteger, integerValue(c.fallback));
    return;
  }
  if (convertInt(text.substr(1), value)) {
    member = kSlashBase + value / kFifthDivisor;
    row.remark(c.column, CardFinding::kSlashForm, integerValue(member));
  } else {
    member = 0;
    row.remark(c.column, CardFinding::kSlashWithoutInteger, integerValue(0));
  }
}

void takeInt32(const Row& row, const CardColumn& c, int32_t& member) {
  switch (c.kind) {
    case ColumnKind::kTime:
      takeTime(row, c, member);
      return;
    case ColumnKind::kFifth:
      takeFifth(row, c, member);
      return;
    default:
      takeInt(row, c, member);
      return;
  }
}

// The code text and the number that its ASCII digits form, read as "0" + digits.
void takeStopCode(const Row& row, const CardColumn& c, std::string& code, int32_t& number) {
  if (!row.has(c.column)) return;
  takeText(row, c, code);
  // The digits read as one decimal number; past the int32 range the number is the
  // fallback.
  constexpr uint64_t kTooLarge = uint64_t{INT32_MAX} + 1;
  uint64_t value = 0;
  for (char ch : row.at(c.column)) {
    if (ch < '0' || ch > '9') continue;
    value = value * 10 + static_cast<uint64_t>(ch - '0');
    if (value > kTooLarge) value = kTooLarge;
  }
  if (value < kTooLarge) {
    number = static_cast<int32_t>(value);
  } else {
    number = c.fallback;
    row.remark(c.column, CardFinding::kCodeDigitsOutOfRange, integerValue(c.fallback));
  }
}

// A value of 0 to 2 stays; anything else (a failed conversion counts as 3) becomes 1
// for a first time in hour 26 and 0 otherwise.
void takeStopMark(const Row& row, const CardColumn& c, int32_t time1, int32_t& member) {
  if (!row.has(c.column)) return;
  int32_t value = c.fallback;
  const bool converted = row.integer(c.column, value);
  if (value <= c.highest) {
    member = value;
    return;
  }
  member = isHour26Mark(time1) ? 1 : 0;
  if (converted) {
    row.remark(c.column, CardFinding::kStopMarkRecomputed, integerValue(member));
  } else {
    row.badValue(c.column, NumberKind::kInteger, integerValue(member));
  }
}

void takeStopColumn(const Row& row, const CardColumn& c, CardRecord& card, std::size_t i) {
  switch (c.field) {
    case CardField::kStopGapSec:
      return takeInt32(row, c, card.stopGapSec[i]);
    case CardField::kStopName:
      return takeText(row, c, card.stopName[i]);
    case CardField::kStopTime1:
      return takeInt32(row, c, card.stopTime1[i]);
    case CardField::kStopTime2:
      return takeInt32(row, c, card.stopTime2[i]);
    case CardField::kStopText5:
      return takeText(row, c, card.stopText5[i]);
    case CardField::kStopCol6:
      return takeInt32(row, c, card.stopCol6[i]);
    case CardField::kStopCol7:
      return takeInt32(row, c, card.stopCol7[i]);
    case CardField::kStopKmPost:
      return takeReal(row, c, card.stopKmPost[i]);
    case CardField::kStopFlag9:
      return takeFlag(row, c, card.stopFlag9[i]);
    case CardField::kStopDistanceKm:
      return takeReal(row, c, card.stopDistanceKm[i]);
    case CardField::kStopCol11:
      return takeLowByte(row, c, card.stopCol11[i]);
    case CardField::kStopCol12:
      return takeLowByte(row, c, card.stopCol12[i]);
    case CardField::kStopCol13:
      return takeLowByte(row, c, card.stopCol13[i]);
    case CardField::kStopCol14:
      return takeLowByte(row, c, card.stopCol14[i]);
    case CardField::kStopText15:
      return takeText(row, c, card.stopText15[i]);
    case CardField::kStopCol16:
      return takeInt32(row, c, card.stopCol16[i]);
    case CardField::kStopKmCountDown:
      return takeFlag(row, c, card.stopKmCountDown[i]);
    case CardField::kStopAttr:
      return takeInt32(row, c, card.stopAttr[i]);
    case CardField::kStopCode:
      return takeStopCode(row, c, card.stopCode[i], card.stopCodeNumber[i]);
    case CardField::kStopCol21:
      return takeStopMark(row, c, card.stopTime1[i], card.stopCol21[i]);
    default:
      return;  // column 19, which nothing reads
  }
}

void parseStopRow(const Row& row, CardRecord& card, std::size_t i) {
  for (const CardColumn& c : rowFormat(RowType::kStop).columns) takeStopColumn(row, c, card, i);
  if (row.size() <= static_cast<std::size_t>(kLastStopColumn)) {
    row.remark(static_cast<int32_t>(row.size()), CardFinding::kColumnsMissing);
  }
}

// A column of a row that overwrites what an earlier row of its type set.
void takeCardColumn(const Row& row, const CardColumn& c, CardRecord& card) {
  switch (c.field) {
    case CardField::kCardName:
      return takeText(row, c, card.cardName);
    case CardField::kHeaderCode:
      return takeLowByte(row, c, card.headerCode);
    case CardField::kHeaderText:
      return takeText(row, c, card.headerText);
    case CardField::kTrainNumber:
      return takeText(row, c, card.trainNumber);
    case CardField::kCardNote:
      return takeText(row, c, card.cardNote);
    case CardField::kCardValue8:
      return takeInt(row, c, card.cardValue8);
    case CardField::kCardText11:
      return takeText(row, c, card.cardText11);
    case CardField::kCardValue11:
      return takeInt(row, c, card.cardValue11);
    case CardField::kSecondTrainNumber:
      return takeText(row, c, card.secondTrainNumber);
    case CardField::kSecondTime1:
      return takeInt(row, c, card.secondTime1);
    case CardField::kSecondTime2:
      return takeInt(row, c, card.secondTime2);
    default:
      return;  // the table rows' columns go in whole rows
  }
}

// Converts every column of a table row by its kind; integers are exact in a double.
// False, with a remark, at the first column that fails: the row then keeps no place in
// its table.
bool convertTableRow(const Row& row, const RowFormat& format, double* values) {
  for (std::size_t k = 0; k < format.columns.size(); ++k) {
    const CardColumn& c = format.columns[k];
    int32_t integer = 0;
    const bool isInteger = c.kind != ColumnKind::kReal;
    const bool converted =
        isInteger ? row.integer(c.column, integer) : row.real(c.column, values[k]);
    if (!converted) {
      row.badValue(c.column, isInteger ? NumberKind::kInteger : NumberKind::kReal);
      return false;
    }
    if (isInteger) values[k] = integer;
  }
  return true;
}

constexpr std::size_t kMostTableColumns = 5;
static_assert(rowFormat(RowType::kEvent).columns.size() <= kMostTableColumns);
static_assert(rowFormat(RowType::kRange).columns.size() <= kMostTableColumns);

void storeTableRow(const RowFormat& format, const double* values, std::size_t i, CardRecord& card) {
  for (std::size_t k = 0; k < format.columns.size(); ++k) {
    const double v = values[k];
    switch (format.columns[k].field) {
      case CardField::kEventStopIndex:
        card.eventStopIndex[i] = static_cast<int32_t>(v);
        break;
      case CardField::kEventStartKm:
        card.eventStartKm[i] = v;
        break;
      case CardField::kEventEndKm:
        card.eventEndKm[i] = v;
        break;
      case CardField::kEventType:
        card.eventType[i] = static_cast<int32_t>(v);
        break;
      case CardField::kRangeStopIndex:
        card.rangeStopIndex[i] = static_cast<int32_t>(v);
        break;
      case CardField::kRangeStartKm:
        card.rangeStartKm[i] = v;
        break;
      case CardField::kRangeEndKm:
        card.rangeEndKm[i] = v;
        break;
      case CardField::kRangeDistanceKm:
        card.rangeDistanceKm[i] = v;
        break;
      case CardField::kRangeValue:
        card.rangeValue[i] = static_cast<int32_t>(v);
        break;
      default:
        break;
    }
  }
}

int32_t& tableCounter(RowType type, RowCounters& counters) {
  if (type == RowType::kStop) return counters.stops;
  return type == RowType::kEvent ? counters.events : counters.ranges;
}

void parseRow(const std::vector<std::string_view>& fields, int32_t line, CardDiagnostics* sink,
              CardRecord& card, RowCounters& counters) {
  const Row untyped(fields, line, nullptr, sink);
  int32_t type = 0;
  if (!untyped.integer(0, type)) {
    untyped.remark(0, untyped.size() == 1 ? CardFinding::kEmptyLine : CardFinding::kNoRowType);
    return;
  }
  const RowFormat* format = rowFormat(type);
  if (format == nullptr) {
    untyped.remark(0, CardFinding::kUnknownRowType);
    return;
  }
  const Row row(fields, line, format, sink);
  if (format->limit == 0) {
    for (const CardColumn& c : format->columns) takeCardColumn(row, c, card);
    return;
  }
  int32_t& taken = tableCounter(format->type, counters);
  if (taken >= format->limit) {
    row.remark(0, CardFinding::kTableFull, {}, format->limit);
    return;
  }
  if (format->type == RowType::kStop) {
    parseStopRow(row, card, static_cast<std::size_t>(taken++));
    return;
  }
  double values[kMostTableColumns] = {};
  if (convertTableRow(row, *format, values)) {
    storeTableRow(*format, values, static_cast<std::size_t>(taken++), card);
  }
}

}  // namespace

CardRecord preparedCardRecord() {
  CardRecord card;
  card.stopCode.assign(CardRecord::kStopSlots, "NULL");
  card.stopCodeNumber.assign(CardRecord::kStopSlots, 0);
  return card;
}

CardRecord parseCardText(std::string_view bytes, CardDiagnostics* diagnostics) {
  CardRecord card = preparedCardRecord();
  RowCounters counters;
  std::vector<std::string_view> fields;
  fields.reserve(32);
  std::string_view rest = bytes;
  std::string_view line;
  int32_t lineNumber = 0;
  while (takeLine(rest, line)) {
    splitFields(line, fields);
    // Only a listener hears of line numbers, so only its parse counts them; past the
    // int32 range the number stays at the top.
    if (diagnostics != nullptr) {
      if (lineNumber < INT32_MAX) ++lineNumber;
      diagnostics->line(lineNumber, line, fields);
    }
    fields.push_back(kEndField);
    parseRow(fields, lineNumber, diagnostics, card, counters);
  }
  card.stopCount = static_cast<uint8_t>(counters.stops);
  return card;
}
