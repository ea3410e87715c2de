// Each line is split at its commas, one more field "end" is appended, and the row type
// in column 0 says where the other columns go. Short rows thus read "end" in the column
// after their last one, which fails every number conversion: that is how card files
// have always been read, and authors' cards rely on it.
#include "card/parser.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "card/line_split.h"
#include "card/number_conversion.h"

namespace {

constexpr std::string_view kEndField = "end";
constexpr int32_t kStopRowLimit = CardRecord::kStopSlots - 1;
constexpr int32_t kEventRowLimit = CardRecord::kEventSlots;
constexpr int32_t kRangeRowLimit = CardRecord::kRangeSlots;
constexpr int32_t kLastStopColumn = 21;

struct TimeMark {
  std::string_view text;
  int32_t value;
};

// Code page 932 marks that timetables print where a time would stand. Their values lie
// above 10000, so the after-midnight shift never touches them.
constexpr TimeMark kTimeMarks[] = {
    {"\x92\xE2", kStopMarkTime},  // 停
    {"\x81\xAB", kPassMarkTime},  // ↓
    {"\x81\xA8", kPassMarkTime},  // →
    {"\x81\xA9", kPassMarkTime},  // ←
    {"\x81\xAC", kEndMarkTime},   // 〓
};

enum class NumberKind { kInteger, kReal };

// One row's fields (with the appended "end") and the remarks about it.
class Row {
 public:
  Row(const std::vector<std::string_view>& fields, int32_t line, CardDiagnostics* sink)
      : fields_(fields), line_(line), sink_(sink) {}

  bool has(int32_t column) const { return static_cast<std::size_t>(column) < fields_.size(); }
  std::string_view at(int32_t column) const { return fields_[static_cast<std::size_t>(column)]; }
  // Number of fields including the appended "end".
  std::size_t size() const { return fields_.size(); }
  bool isEnd(int32_t column) const { return static_cast<std::size_t>(column) + 1 == size(); }
  bool listening() const { return sink_ != nullptr; }

  // False when the column is missing or does not convert; `value` is then untouched.
  bool integer(int32_t column, int32_t& value) const {
    if (!has(column) || !convertInt(at(column), value)) return false;
    if (listening()) noteCut(column, convertedIntLength(at(column)), std::to_string(value));
    return true;
  }
  bool real(int32_t column, double& value) const {
    if (!has(column) || !convertReal(at(column), value)) return false;
    if (listening()) {
      char stored[32];
      const auto written = std::to_chars(stored, stored + sizeof stored, value);
      noteCut(column, convertedRealLength(at(column)), std::string(stored, written.ptr));
    }
    return true;
  }

  void remark(int32_t column, CardRemarkKind kind, std::string_view stored,
              std::string_view reason) const {
    if (sink_ == nullptr) return;
    CardRemark remark;
    remark.line = line_;
    remark.column = column;
    remark.kind = kind;
    // An empty line's only field is the appended "end", which it never held.
    const bool held = has(column) && !(column == 0 && isEnd(column));
    remark.text = held ? at(column) : std::string_view();
    remark.stored = stored;
    remark.reason = reason;
    sink_->remark(remark);
  }

  // Text after a number that converted, blanks aside, is read by no one.
  void noteCut(int32_t column, std::size_t length, const std::string& stored) const {
    if (at(column).substr(length).find_first_not_of(" \t") == std::string_view::npos) return;
    remark(column, CardRemarkKind::kCut, stored, "text after the number is not read");
  }

  // Why `column` did not convert.
  std::string_view failure(int32_t column, NumberKind kind) const {
    if (!has(column) || isEnd(column)) return "short row: column missing";
    // Only called after a failed conversion: a leading number there was out of range,
    // and the clamping reading gives 0 when there is none (it misses only reals whose
    // integer part is 0, such as .5e999).
    const bool outOfRange = leadingInt(at(column)) != 0;
    if (kind == NumberKind::kInteger) return outOfRange ? "integer out of range" : "not an integer";
    return outOfRange ? "number out of range" : "not a number";
  }

  void fallback(int32_t column, NumberKind kind, std::string_view stored) const {
    if (listening()) remark(column, CardRemarkKind::kFallback, stored, failure(column, kind));
  }

  void ignoreRow(int32_t column, NumberKind kind) const {
    if (listening()) {
      remark(column, CardRemarkKind::kIgnored, {},
             "row ignored: " + std::string(failure(column, kind)));
    }
  }

  void ignoreValue(int32_t column, NumberKind kind) const {
    if (listening()) {
      remark(column, CardRemarkKind::kIgnored, {},
             "value not stored: " + std::string(failure(column, kind)));
    }
  }

 private:
  const std::vector<std::string_view>& fields_;
  int32_t line_;
  CardDiagnostics* sink_;
};

struct RowCounters {
  int32_t stops = 0;
  int32_t events = 0;
  int32_t ranges = 0;
};

// A text column; a missing one leaves `member` as it was.
void takeText(const Row& row, int32_t column, std::string& member) {
  if (!row.has(column)) return;
  if (row.isEnd(column)) {
    row.remark(column, CardRemarkKind::kFallback, kEndField,
               "short row: column missing, its text reads \"end\"");
  }
  member.assign(row.at(column));
}

void takeInt(const Row& row, int32_t column, int32_t fallback, std::string_view fallbackText,
             int32_t& member) {
  if (!row.has(column)) return;
  if (!row.integer(column, member)) {
    member = fallback;
    row.fallback(column, NumberKind::kInteger, fallbackText);
  }
}

void takeReal(const Row& row, int32_t column, double& member) {
  if (!row.has(column)) return;
  if (!row.real(column, member)) {
    member = -1.0;
    row.fallback(column, NumberKind::kReal, "-1");
  }
}

void takeLowByte(const Row& row, int32_t column, uint8_t& member) {
  if (!row.has(column)) return;
  int32_t value = 0;
  if (row.integer(column, value)) {
    member = static_cast<uint8_t>(value);
  } else {
    member = 0;
    row.fallback(column, NumberKind::kInteger, "0");
  }
}

// True when the column's integer is nonzero (or zero, with `whenZero`); false when the
// column does not convert.
void takeFlag(const Row& row, int32_t column, bool whenZero, bool& member) {
  if (!row.has(column)) return;
  int32_t value = 0;
  if (row.integer(column, value)) {
    member = (value == 0) == whenZero;
  } else {
    member = false;
    row.fallback(column, NumberKind::kInteger, "false");
  }
}

// A time HHMMSS, a time mark, or no time; then times before 01:00:00 move past
// midnight, whether or not the column was there.
void takeTime(const Row& row, int32_t column, int32_t& member) {
  if (row.has(column) && !row.integer(column, member)) {
    member = CardRecord::kNoTime;
    const std::string_view text = row.at(column);
    bool marked = false;
    for (const TimeMark& mark : kTimeMarks) {
      if (text == mark.text) {
        member = mark.value;
        marked = true;
        if (row.listening()) {
          row.remark(column, CardRemarkKind::kMark, std::to_string(mark.value), "time mark");
        }
        break;
      }
    }
    if (!marked) row.fallback(column, NumberKind::kInteger, "246060");
  }
  member = storedStopTime(member);
}

// An integer divided by 5; a "/" before the integer adds 40 to the quotient.
void takeFifth(const Row& row, int32_t column, int32_t& member) {
  if (!row.has(column)) return;
  int32_t value = 0;
  if (row.integer(column, value)) {
    member = value / 5;
    return;
  }
  const std::string_view text = row.at(column);
  if (text.empty() || text.front() != '/') {
    member = 300;
    row.fallback(column, NumberKind::kInteger, "300");
    return;
  }
  if (convertInt(text.substr(1), value)) {
    member = 40 + value / 5;
    if (row.listening()) {
      row.remark(column, CardRemarkKind::kMark, std::to_string(member),
                 "\"/\" form: 40 + value / 5");
    }
  } else {
    member = 0;
    row.remark(column, CardRemarkKind::kFallback, "0", "\"/\" not followed by an integer");
  }
}

// The code text and the number that its ASCII digits form, read as "0" + digits.
void takeStopCode(const Row& row, int32_t column, std::string& code, int32_t& number) {
  if (!row.has(column)) return;
  takeText(row, column, code);
  // The digits read as one decimal number; past the int32 range the number is 0.
  constexpr uint64_t kTooLarge = uint64_t{INT32_MAX} + 1;
  uint64_t value = 0;
  for (char c : row.at(column)) {
    if (c < '0' || c > '9') continue;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > kTooLarge) value = kTooLarge;
  }
  if (value < kTooLarge) {
    number = static_cast<int32_t>(value);
  } else {
    number = 0;
    row.remark(column, CardRemarkKind::kFallback, "0", "code digits out of range");
  }
}

// A value of 0 to 2 stays; anything else (a failed conversion counts as 3) becomes 1
// for a first time in hour 26 and 0 otherwise.
void takeStopMark(const Row& row, int32_t column, int32_t time1, int32_t& member) {
  if (!row.has(column)) return;
  int32_t value = 3;
  const bool converted = row.integer(column, value);
  if (value <= 2) {
    member = value;
    return;
  }
  member = isHour26Mark(time1) ? 1 : 0;
  if (!row.listening()) return;
  const std::string stored = std::to_string(member);
  if (converted) {
    row.remark(column, CardRemarkKind::kMark, stored,
               "values above 2 become 1 for a first time in hour 26, else 0");
  } else {
    row.remark(
        column, CardRemarkKind::kFallback, stored,
        std::string(row.failure(column, NumberKind::kInteger)) + "; stored as for a value above 2");
  }
}

void parseStopRow(const Row& row, CardRecord& card, std::size_t i) {
  takeInt(row, 1, -1, "-1", card.stopGapSec[i]);
  takeText(row, 2, card.stopName[i]);
  takeTime(row, 3, card.stopTime1[i]);
  takeTime(row, 4, card.stopTime2[i]);
  takeText(row, 5, card.stopText5[i]);
  takeFifth(row, 6, card.stopCol6[i]);
  takeFifth(row, 7, card.stopCol7[i]);
  takeReal(row, 8, card.stopKmPost[i]);
  takeFlag(row, 9, false, card.stopFlag9[i]);
  takeReal(row, 10, card.stopDistanceKm[i]);
  takeLowByte(row, 11, card.stopCol11[i]);
  takeLowByte(row, 12, card.stopCol12[i]);
  takeLowByte(row, 13, card.stopCol13[i]);
  takeLowByte(row, 14, card.stopCol14[i]);
  takeText(row, 15, card.stopText15[i]);
  takeInt(row, 16, -1, "-1", card.stopCol16[i]);
  takeFlag(row, 17, true, card.stopKmCountDown[i]);
  takeInt(row, 18, 255, "255", card.stopAttr[i]);
  takeStopCode(row, 20, card.stopCode[i], card.stopCodeNumber[i]);
  takeStopMark(row, kLastStopColumn, card.stopTime1[i], card.stopCol21[i]);
  if (row.size() <= static_cast<std::size_t>(kLastStopColumn) && row.listening()) {
    const int32_t first = static_cast<int32_t>(row.size());
    row.remark(first, CardRemarkKind::kIgnored, {},
               "short row: columns from " + std::to_string(first) +
                   " on are missing; those values keep their defaults");
  }
}

void parseHeaderRow(const Row& row, CardRecord& card) {
  card.headerCode = 1;
  int32_t value = 0;
  if (row.integer(1, value)) {
    card.headerCode = static_cast<uint8_t>(value);
  } else {
    row.fallback(1, NumberKind::kInteger, "1");
  }
  if (!row.has(2)) {
    row.remark(2, CardRemarkKind::kIgnored, {}, "short row: column missing, text kept");
  }
  takeText(row, 2, card.headerText);
}

// Converts columns 1 to N of a table row by their kinds; integers are exact in a
// double. False, with a remark, at the first column that fails: the row then keeps no
// place in its table.
template <std::size_t N>
bool convertTableRow(const Row& row, const NumberKind (&kinds)[N], double (&values)[N]) {
  for (std::size_t k = 0; k < N; ++k) {
    const auto column = static_cast<int32_t>(k + 1);
    int32_t integer = 0;
    const bool converted = kinds[k] == NumberKind::kInteger ? row.integer(column, integer)
                                                            : row.real(column, values[k]);
    if (!converted) {
      row.ignoreRow(column, kinds[k]);
      return false;
    }
    if (kinds[k] == NumberKind::kInteger) values[k] = integer;
  }
  return true;
}

constexpr NumberKind kEventColumns[] = {NumberKind::kInteger, NumberKind::kReal, NumberKind::kReal,
                                        NumberKind::kInteger};
constexpr NumberKind kRangeColumns[] = {NumberKind::kInteger, NumberKind::kReal, NumberKind::kReal,
                                        NumberKind::kReal, NumberKind::kInteger};

void parseEventRow(const Row& row, CardRecord& card, int32_t& taken) {
  double values[std::size(kEventColumns)] = {};
  if (taken >= kEventRowLimit) {
    row.remark(0, CardRemarkKind::kIgnored, {}, "row ignored: 32 type-5 rows already taken");
  } else if (convertTableRow(row, kEventColumns, values)) {
    const auto i = static_cast<std::size_t>(taken++);
    card.eventStopIndex[i] = static_cast<int32_t>(values[0]);
    card.eventStartKm[i] = values[1];
    card.eventEndKm[i] = values[2];
    card.eventType[i] = static_cast<int32_t>(values[3]);
  }
}

void parseRangeRow(const Row& row, CardRecord& card, int32_t& taken) {
  double values[std::size(kRangeColumns)] = {};
  if (taken >= kRangeRowLimit) {
    row.remark(0, CardRemarkKind::kIgnored, {}, "row ignored: 16 type-6 rows already taken");
  } else if (convertTableRow(row, kRangeColumns, values)) {
    const auto i = static_cast<std::size_t>(taken++);
    card.rangeStopIndex[i] = static_cast<int32_t>(values[0]);
    card.rangeStartKm[i] = values[1];
    card.rangeEndKm[i] = values[2];
    card.rangeDistanceKm[i] = values[3];
    card.rangeValue[i] = static_cast<int32_t>(values[4]);
  }
}

// A number that overwrites `member` only when it converts.
void takeIntIfValid(const Row& row, int32_t column, int32_t& member) {
  if (!row.integer(column, member)) row.ignoreValue(column, NumberKind::kInteger);
}

void parseRow(const Row& row, CardRecord& card, RowCounters& counters) {
  int32_t type = 0;
  if (!row.integer(0, type)) {
    row.remark(0, CardRemarkKind::kIgnored, {},
               row.size() == 1 ? "empty line ignored" : "row ignored: no row type");
    return;
  }
  switch (type) {
    case 0:
      takeText(row, 1, card.cardName);
      return;
    case 1:
      parseHeaderRow(row, card);
      return;
    case 3:
      takeText(row, 1, card.trainNumber);
      return;
    case 4:
      takeText(row, 1, card.cardNote);
      return;
    case 5:
      parseEventRow(row, card, counters.events);
      return;
    case 6:
      parseRangeRow(row, card, counters.ranges);
      return;
    case 7:
      if (counters.stops >= kStopRowLimit) {
        row.remark(0, CardRemarkKind::kIgnored, {}, "row ignored: 63 stop rows already taken");
        return;
      }
      parseStopRow(row, card, static_cast<std::size_t>(counters.stops++));
      return;
    case 8:
      if (!row.integer(1, card.cardValue8)) row.ignoreRow(1, NumberKind::kInteger);
      return;
    case 11:
      takeText(row, 1, card.cardText11);
      takeIntIfValid(row, 2, card.cardValue11);
      return;
    case 12:
      takeText(row, 1, card.secondTrainNumber);
      takeIntIfValid(row, 2, card.secondTime1);
      takeIntIfValid(row, 3, card.secondTime2);
      return;
    default:
      row.remark(0, CardRemarkKind::kIgnored, {}, "row ignored: unknown row type");
      return;
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
    // Only the remarks use the number; past the int32 range it stays at the top.
    if (lineNumber < INT32_MAX) ++lineNumber;
    splitFields(line, fields);
    fields.push_back(kEndField);
    parseRow(Row(fields, lineNumber, diagnostics), card, counters);
  }
  card.stopCount = static_cast<uint8_t>(counters.stops);
  return card;
}
