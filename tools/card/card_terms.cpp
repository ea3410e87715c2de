#include "tools/card/card_terms.h"

#include <optional>

#include "display/frame_rules.h"
#include "tools/card/written_forms.h"
#include "tools/common/messages.h"
#include "tools/platform/host_text.h"

namespace {

// A value as a column holds it, for the examples of the fixes; a column whose hint
// names its values has none.
struct ColumnExample {
  CardField field;
  const char* text;
};
constexpr ColumnExample kColumnExamples[] = {
    {CardField::kCardName, "青葉台発南台行"},
    {CardField::kHeaderCode, "1"},
    {CardField::kHeaderText, "12"},
    {CardField::kTrainNumber, "回1234M"},
    {CardField::kCardNote, "普通 平日ダイヤ"},
    {CardField::kEventStopIndex, "1"},
    {CardField::kEventStartKm, "0.2"},
    {CardField::kEventEndKm, "0.5"},
    {CardField::kRangeStopIndex, "2"},
    {CardField::kRangeStartKm, "4.5"},
    {CardField::kRangeEndKm, "5.0"},
    {CardField::kRangeDistanceKm, "0.3"},
    {CardField::kRangeValue, "1"},
    {CardField::kStopGapSec, "150"},
    {CardField::kStopName, "桜川"},
    {CardField::kStopTime1, "083000"},
    {CardField::kStopTime2, "083030"},
    {CardField::kStopText5, "1"},
    {CardField::kStopCol6, "50"},
    {CardField::kStopCol7, "/30"},
    {CardField::kStopKmPost, "12.5"},
    {CardField::kStopDistanceKm, "1.8"},
    {CardField::kStopCol12, "0"},
    {CardField::kStopCol13, "0"},
    {CardField::kStopCol14, "1"},
    {CardField::kStopText15, "普通"},
    {CardField::kStopCol16, "0"},
    {CardField::kStopAttr, "1"},
    {CardField::kStopCode, "A01"},
    {CardField::kCardText11, "南台"},
    {CardField::kCardValue11, "3"},
    {CardField::kSecondTrainNumber, "通1301M"},
    {CardField::kSecondTime1, "090000"},
    {CardField::kSecondTime2, "091500"},
};

const char* exampleOf(CardField field) {
  for (const ColumnExample& example : kColumnExamples) {
    if (example.field == field) return example.text;
  }
  return nullptr;
}

Msg hintOf(CardField field) {
  switch (field) {
    case CardField::kCardName:
      return Msg::kColCardName;
    case CardField::kHeaderCode:
      return Msg::kColHeaderCode;
    case CardField::kHeaderText:
      return Msg::kColHeaderText;
    case CardField::kTrainNumber:
      return Msg::kColTrainNumber;
    case CardField::kCardNote:
      return Msg::kColNote;
    case CardField::kEventStopIndex:
    case CardField::kRangeStopIndex:
      return Msg::kColStopRowReference;
    case CardField::kEventStartKm:
    case CardField::kRangeStartKm:
      return Msg::kColStartKm;
    case CardField::kEventEndKm:
    case CardField::kRangeEndKm:
      return Msg::kColEndKm;
    case CardField::kEventType:
      return Msg::kColEventType;
    case CardField::kRangeDistanceKm:
      return Msg::kColDistanceKm;
    case CardField::kRangeValue:
      return Msg::kColValue;
    case CardField::kStopGapSec:
      return Msg::kColRunningTime;
    case CardField::kStopName:
      return Msg::kColStopName;
    case CardField::kStopTime1:
      return Msg::kColFirstTime;
    case CardField::kStopTime2:
      return Msg::kColSecondTime;
    case CardField::kStopText5:
      return Msg::kColStopNumber;
    case CardField::kStopCol6:
    case CardField::kStopCol7:
      return Msg::kColSlashInteger;
    case CardField::kStopKmPost:
      return Msg::kColKmPost;
    case CardField::kStopFlag9:
      return Msg::kColHiddenPoint;
    case CardField::kStopDistanceKm:
      return Msg::kColSectionLength;
    case CardField::kStopCol11:
      return Msg::kColArrivalCue;
    case CardField::kStopCol12:
    case CardField::kStopCol13:
    case CardField::kStopCol14:
    case CardField::kStopCol16:
      return Msg::kColInteger;
    case CardField::kStopText15:
      return Msg::kColStopText;
    case CardField::kStopKmCountDown:
      return Msg::kColKmDirection;
    case CardField::kStopAttr:
      return Msg::kColAttribute;
    case CardField::kStopColumn19:
      return Msg::kColSeeFormat;
    case CardField::kStopCode:
      return Msg::kColStopCode;
    case CardField::kStopCol21:
      return Msg::kColLastStopColumn;
    case CardField::kCardValue8:
      return Msg::kColNextStopAnnounced;
    case CardField::kCardText11:
      return Msg::kColInfoText;
    case CardField::kCardValue11:
      return Msg::kColInfoIndex;
    case CardField::kSecondTrainNumber:
      return Msg::kColSecondTrainNumber;
    case CardField::kSecondTime1:
      return Msg::kColSecondFirstTime;
    case CardField::kSecondTime2:
      break;
  }
  return Msg::kColSecondSecondTime;
}

}  // namespace

std::string columnHint(CardField field) {
  const Msg hint = hintOf(field);
  if (hint == Msg::kColFirstTime) return message(hint, {timeMarkList()});
  if (hint == Msg::kColEventType) return message(hint, {std::to_string(kEventTypes - 1)});
  if (hint == Msg::kColLastStopColumn) {
    return message(hint,
                   {std::to_string(cardColumn(field).highest), std::to_string(kLastStopColumn)});
  }
  return message(hint);
}

std::string columnFix(CardField field, std::string_view text) {
  const ColumnKind kind = cardColumn(field).kind;
  if (kind == ColumnKind::kTime || kind == ColumnKind::kPlainTime) {
    if (const std::optional<std::string> time = hhmmssOf(text)) {
      return message(Msg::kWriteHhmmss, {*time});
    }
  }
  const char* example = exampleOf(field);
  if (example == nullptr) return message(Msg::kWriteColumn, {columnHint(field)});
  return message(Msg::kWriteColumnLike, {columnHint(field), example});
}

std::string rowTypeList() {
  std::string list;
  for (const RowFormat& format : kRowFormats) {
    if (!list.empty()) list += message(Msg::kListSeparator);
    list += std::to_string(rowNumber(format.type));
  }
  return list;
}

std::string timeMarkList() {
  std::string list;
  for (const TimeMark& mark : kTimeMarks) {
    if (!list.empty()) list += ' ';
    list += platform::utf8FromCodePage932(mark.text);
  }
  return list;
}

namespace {

std::string readAs(const CardColumn& c) {
  switch (c.kind) {
    case ColumnKind::kText:
      return message(Msg::kKindText);
    case ColumnKind::kInteger:
      return message(Msg::kKindInteger);
    case ColumnKind::kReal:
      return message(Msg::kKindReal);
    case ColumnKind::kTime:
      return message(Msg::kKindTime, {timeMarkList()});
    case ColumnKind::kPlainTime:
      return message(Msg::kKindPlainTime);
    case ColumnKind::kFifth:
      return message(Msg::kKindFifth, {std::to_string(kFifthDivisor), std::to_string(kSlashBase)});
    case ColumnKind::kLowByte:
      return message(Msg::kKindLowByte);
    case ColumnKind::kFlag:
      return message(Msg::kKindFlag);
    case ColumnKind::kZeroFlag:
      return message(Msg::kKindZeroFlag);
    case ColumnKind::kStopCode:
      return message(Msg::kKindStopCode);
    case ColumnKind::kStopMark:
      return message(Msg::kKindStopMark, {std::to_string(c.highest)});
    case ColumnKind::kNotRead:
      break;
  }
  return message(Msg::kKindNotRead);
}

std::string whenBad(const CardColumn& c) {
  switch (c.onBad) {
    case OnBadValue::kRowIgnored:
      return message(Msg::kWholeRowIgnored);
    case OnBadValue::kValueKept:
      return message(Msg::kValueNotStored);
    case OnBadValue::kFallback:
      if (c.kind == ColumnKind::kStopMark) {
        return message(Msg::kBadCountsAs, {std::to_string(c.fallback)});
      }
      if (c.kind == ColumnKind::kFlag || c.kind == ColumnKind::kZeroFlag) {
        return message(Msg::kStores, {c.fallback != 0 ? "true" : "false"});
      }
      return message(Msg::kStores, {std::to_string(c.fallback)});
    case OnBadValue::kNothing:
      break;
  }
  return "—";
}

}  // namespace

void writeCardFormat(std::ostream& out) {
  out << "| " << message(Msg::kFormatRow) << " | " << message(Msg::kFormatColumn) << " | "
      << message(Msg::kFormatReadAs) << " | " << message(Msg::kFormatWhenBad) << " | "
      << message(Msg::kFormatHolds) << " |\n|---|---|---|---|---|\n";
  for (const RowFormat& format : kRowFormats) {
    const std::string type = std::to_string(rowNumber(format.type));
    const std::string row =
        format.limit > 0 ? message(Msg::kFormatRowsAtMost, {type, std::to_string(format.limit)})
                         : message(Msg::kFormatRowLast, {type});
    for (const CardColumn& c : format.columns) {
      const bool read = c.kind != ColumnKind::kNotRead;
      out << "| " << row << " | " << c.column << " | " << readAs(c) << " | " << whenBad(c) << " | "
          << (read ? columnHint(c.field) : "—") << " |\n";
    }
  }
}
