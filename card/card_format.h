// The card file format as data: every row type, every column with how it is read, what
// it stores when it does not convert and which CardRecord member it fills, and the row
// limits of the tables. The parser reads its columns, fallbacks and limits from here;
// the card checker, `ruvacard show` and `ruvacard format` read the same tables, so the
// format is written down once.
#ifndef RUVA_CARD_CARD_FORMAT_H_
#define RUVA_CARD_CARD_FORMAT_H_

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "card/card_record.h"

// The row types, as column 0 writes them.
enum class RowType : int32_t {
  kCardName = 0,
  kHeader = 1,
  kTrainNumber = 3,
  kNote = 4,
  kEvent = 5,
  kRange = 6,
  kStop = 7,
  kAnnounce = 8,
  kInfo = 11,
  kSecondTrain = 12,
};

// Column 0 of every line holds its row type.
inline constexpr int32_t kRowTypeColumn = 0;

// How the parser reads a column.
enum class ColumnKind : uint8_t {
  kText,       // the bytes unchanged
  kInteger,    // stoi
  kReal,       // stod, in km
  kTime,       // an integer HHMMSS or a time mark; times before 01:00:00 move past midnight
  kPlainTime,  // an integer HHMMSS, stored as read
  kFifth,      // an integer divided by 5, or the slash form: "/" and an integer
  kLowByte,    // an integer, of which the low 8 bits are kept
  kFlag,       // an integer; true when nonzero
  kZeroFlag,   // an integer; true when zero
  kStopCode,   // a text, and the number that its ASCII digits form
  kStopMark,   // an integer 0 to 2; any other value is recomputed from the first time
  kNotRead,    // never read
};

// What a number column holds when it does not convert.
enum class OnBadValue : uint8_t {
  kNothing,     // a text column: every text is taken
  kFallback,    // the column's fallback is stored
  kRowIgnored,  // the whole row is not taken
  kValueKept,   // the member keeps the value it had
};

// The members of CardRecord that card columns fill, one per column.
enum class CardField : uint8_t {
  kCardName,
  kHeaderCode,
  kHeaderText,
  kTrainNumber,
  kCardNote,
  kEventStopIndex,
  kEventStartKm,
  kEventEndKm,
  kEventType,
  kRangeStopIndex,
  kRangeStartKm,
  kRangeEndKm,
  kRangeDistanceKm,
  kRangeValue,
  kStopGapSec,
  kStopName,
  kStopTime1,
  kStopTime2,
  kStopText5,
  kStopCol6,
  kStopCol7,
  kStopKmPost,
  kStopFlag9,
  kStopDistanceKm,
  kStopCol11,
  kStopCol12,
  kStopCol13,
  kStopCol14,
  kStopText15,
  kStopCol16,
  kStopKmCountDown,
  kStopAttr,
  kStopColumn19,
  kStopCode,
  kStopCol21,
  kCardValue8,
  kCardText11,
  kCardValue11,
  kSecondTrainNumber,
  kSecondTime1,
  kSecondTime2,
};

inline constexpr int32_t kAnyValue = std::numeric_limits<int32_t>::max();

struct CardColumn {
  CardField field;
  int32_t column;  // field index in the line; 0 is the row type
  ColumnKind kind;
  OnBadValue onBad;
  int32_t fallback;         // stored when onBad is kFallback: reals as that many km, flags as
                            // false for 0
  int32_t highest;          // the largest value stored as written (kAnyValue: any)
  std::string_view member;  // the CardRecord member
};

struct RowFormat {
  RowType type;
  int32_t limit;  // rows taken into the table; 0 where each row overwrites the last
  std::span<const CardColumn> columns;  // in column order
};

// What the slash form stores: kSlashBase + integer / kFifthDivisor.
inline constexpr int32_t kFifthDivisor = 5;
inline constexpr int32_t kSlashBase = 40;
// Column 21 keeps 0 to kStopMarkHighest; a value that does not convert counts as
// kStopMarkFailed, which is above it.
inline constexpr int32_t kStopMarkHighest = 2;
inline constexpr int32_t kStopMarkFailed = 3;

namespace card_format_detail {

using K = ColumnKind;
using B = OnBadValue;
using F = CardField;

inline constexpr CardColumn kCardNameColumns[] = {
    {F::kCardName, 1, K::kText, B::kNothing, 0, kAnyValue, "cardName"},
};
inline constexpr CardColumn kHeaderColumns[] = {
    {F::kHeaderCode, 1, K::kLowByte, B::kFallback, 1, 255, "headerCode"},
    {F::kHeaderText, 2, K::kText, B::kNothing, 0, kAnyValue, "headerText"},
};
inline constexpr CardColumn kTrainNumberColumns[] = {
    {F::kTrainNumber, 1, K::kText, B::kNothing, 0, kAnyValue, "trainNumber"},
};
inline constexpr CardColumn kNoteColumns[] = {
    {F::kCardNote, 1, K::kText, B::kNothing, 0, kAnyValue, "cardNote"},
};
inline constexpr CardColumn kEventColumns[] = {
    {F::kEventStopIndex, 1, K::kInteger, B::kRowIgnored, 0, kAnyValue, "eventStopIndex"},
    {F::kEventStartKm, 2, K::kReal, B::kRowIgnored, 0, kAnyValue, "eventStartKm"},
    {F::kEventEndKm, 3, K::kReal, B::kRowIgnored, 0, kAnyValue, "eventEndKm"},
    {F::kEventType, 4, K::kInteger, B::kRowIgnored, 0, kAnyValue, "eventType"},
};
inline constexpr CardColumn kRangeColumns[] = {
    {F::kRangeStopIndex, 1, K::kInteger, B::kRowIgnored, 0, kAnyValue, "rangeStopIndex"},
    {F::kRangeStartKm, 2, K::kReal, B::kRowIgnored, 0, kAnyValue, "rangeStartKm"},
    {F::kRangeEndKm, 3, K::kReal, B::kRowIgnored, 0, kAnyValue, "rangeEndKm"},
    {F::kRangeDistanceKm, 4, K::kReal, B::kRowIgnored, 0, kAnyValue, "rangeDistanceKm"},
    {F::kRangeValue, 5, K::kInteger, B::kRowIgnored, 0, kAnyValue, "rangeValue"},
};
inline constexpr CardColumn kStopColumns[] = {
    {F::kStopGapSec, 1, K::kInteger, B::kFallback, -1, kAnyValue, "stopGapSec"},
    {F::kStopName, 2, K::kText, B::kNothing, 0, kAnyValue, "stopName"},
    {F::kStopTime1, 3, K::kTime, B::kFallback, CardRecord::kNoTime, kAnyValue, "stopTime1"},
    {F::kStopTime2, 4, K::kTime, B::kFallback, CardRecord::kNoTime, kAnyValue, "stopTime2"},
    {F::kStopText5, 5, K::kText, B::kNothing, 0, kAnyValue, "stopText5"},
    {F::kStopCol6, 6, K::kFifth, B::kFallback, 300, kAnyValue, "stopCol6"},
    {F::kStopCol7, 7, K::kFifth, B::kFallback, 300, kAnyValue, "stopCol7"},
    {F::kStopKmPost, 8, K::kReal, B::kFallback, -1, kAnyValue, "stopKmPost"},
    {F::kStopFlag9, 9, K::kFlag, B::kFallback, 0, kAnyValue, "stopFlag9"},
    {F::kStopDistanceKm, 10, K::kReal, B::kFallback, -1, kAnyValue, "stopDistanceKm"},
    {F::kStopCol11, 11, K::kLowByte, B::kFallback, 0, 255, "stopCol11"},
    {F::kStopCol12, 12, K::kLowByte, B::kFallback, 0, 255, "stopCol12"},
    {F::kStopCol13, 13, K::kLowByte, B::kFallback, 0, 255, "stopCol13"},
    {F::kStopCol14, 14, K::kLowByte, B::kFallback, 0, 255, "stopCol14"},
    {F::kStopText15, 15, K::kText, B::kNothing, 0, kAnyValue, "stopText15"},
    {F::kStopCol16, 16, K::kInteger, B::kFallback, -1, kAnyValue, "stopCol16"},
    {F::kStopKmCountDown, 17, K::kZeroFlag, B::kFallback, 0, kAnyValue, "stopKmCountDown"},
    {F::kStopAttr, 18, K::kInteger, B::kFallback, 255, kAnyValue, "stopAttr"},
    {F::kStopColumn19, 19, K::kNotRead, B::kNothing, 0, kAnyValue, ""},
    {F::kStopCode, 20, K::kStopCode, B::kFallback, 0, kAnyValue, "stopCode"},
    {F::kStopCol21, 21, K::kStopMark, B::kFallback, kStopMarkFailed, kStopMarkHighest, "stopCol21"},
};
inline constexpr CardColumn kAnnounceColumns[] = {
    {F::kCardValue8, 1, K::kInteger, B::kRowIgnored, 0, kAnyValue, "cardValue8"},
};
inline constexpr CardColumn kInfoColumns[] = {
    {F::kCardText11, 1, K::kText, B::kNothing, 0, kAnyValue, "cardText11"},
    {F::kCardValue11, 2, K::kInteger, B::kValueKept, 0, kAnyValue, "cardValue11"},
};
inline constexpr CardColumn kSecondTrainColumns[] = {
    {F::kSecondTrainNumber, 1, K::kText, B::kNothing, 0, kAnyValue, "secondTrainNumber"},
    {F::kSecondTime1, 2, K::kPlainTime, B::kValueKept, 0, kAnyValue, "secondTime1"},
    {F::kSecondTime2, 3, K::kPlainTime, B::kValueKept, 0, kAnyValue, "secondTime2"},
};

}  // namespace card_format_detail

// Every row type the module reads, in the order of their numbers.
inline constexpr RowFormat kRowFormats[] = {
    {RowType::kCardName, 0, card_format_detail::kCardNameColumns},
    {RowType::kHeader, 0, card_format_detail::kHeaderColumns},
    {RowType::kTrainNumber, 0, card_format_detail::kTrainNumberColumns},
    {RowType::kNote, 0, card_format_detail::kNoteColumns},
    {RowType::kEvent, CardRecord::kEventSlots, card_format_detail::kEventColumns},
    {RowType::kRange, CardRecord::kRangeSlots, card_format_detail::kRangeColumns},
    {RowType::kStop, CardRecord::kStopSlots - 1, card_format_detail::kStopColumns},
    {RowType::kAnnounce, 0, card_format_detail::kAnnounceColumns},
    {RowType::kInfo, 0, card_format_detail::kInfoColumns},
    {RowType::kSecondTrain, 0, card_format_detail::kSecondTrainColumns},
};

// The format of row type `type`; null for a number that is no row type.
constexpr const RowFormat* rowFormat(int32_t type) {
  for (const RowFormat& format : kRowFormats) {
    if (static_cast<int32_t>(format.type) == type) return &format;
  }
  return nullptr;
}

constexpr const RowFormat& rowFormat(RowType type) {
  return *rowFormat(static_cast<int32_t>(type));
}

constexpr int32_t rowNumber(RowType type) {
  return static_cast<int32_t>(type);
}

// The row type and column that fill `field`.
constexpr RowType rowOf(CardField field) {
  for (const RowFormat& format : kRowFormats) {
    for (const CardColumn& column : format.columns) {
      if (column.field == field) return format.type;
    }
  }
  return RowType::kStop;
}

constexpr const CardColumn& cardColumn(CardField field) {
  for (const CardColumn& column : rowFormat(rowOf(field)).columns) {
    if (column.field == field) return column;
  }
  return rowFormat(RowType::kStop).columns.front();
}

// The column `column` of a row in `format`; null past its last column.
constexpr const CardColumn* columnOf(const RowFormat& format, int32_t column) {
  for (const CardColumn& c : format.columns) {
    if (c.column == column) return &c;
  }
  return nullptr;
}

// The last column that a stop row reads.
inline constexpr int32_t kLastStopColumn = rowFormat(RowType::kStop).columns.back().column;

// Code page 932 marks that timetables print where a time would stand, and the times
// stored for them. Their values lie above 10000, so the after-midnight shift never
// touches them.
struct TimeMark {
  std::string_view text;
  int32_t value;
};
inline constexpr TimeMark kTimeMarks[] = {
    {"\x92\xE2", kStopMarkTime},  // 停
    {"\x81\xAB", kPassMarkTime},  // ↓
    {"\x81\xA8", kPassMarkTime},  // →
    {"\x81\xA9", kPassMarkTime},  // ←
    {"\x81\xAC", kEndMarkTime},   // 〓
};

#endif  // RUVA_CARD_CARD_FORMAT_H_
