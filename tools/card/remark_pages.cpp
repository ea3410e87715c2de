#include "tools/card/remark_pages.h"

#include <string>
#include <vector>

#include "card/card_format.h"
#include "card/csv_reader.h"
#include "display/frame_rules.h"
#include "tools/card/card_names.h"
#include "tools/card/card_run_checks.h"
#include "tools/card/vehicle_reader.h"
#include "tools/common/messages.h"
#include "tools/common/text_layout.h"

namespace {

// `text` with every line after the first indented to `indent`.
std::string indented(std::string_view text, std::size_t indent) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\n') out += std::string(indent, ' ');
  }
  return out;
}

std::string number(int64_t value) {
  return std::to_string(value);
}

// The facts of the module that the page of `code` names, in the order of its
// placeholders.
std::vector<std::string> remarkPageArgs(RemarkCode code) {
  switch (code) {
    case RemarkCode::kEmptyFile:
    case RemarkCode::kNoStopRows:
      return {number(rowNumber(RowType::kStop))};
    case RemarkCode::kTableFull:
      return {number(rowFormat(RowType::kStop).limit), number(rowFormat(RowType::kEvent).limit),
              number(rowFormat(RowType::kRange).limit)};
    case RemarkCode::kColumnMissing:
    case RemarkCode::kColumnsMissing:
      return {number(kLastStopColumn)};
    case RemarkCode::kNoTrainNumber:
      return {number(rowNumber(RowType::kTrainNumber))};
    case RemarkCode::kEventTypeWithoutWindow:
      return {number(kEventTypes - 1)};
    case RemarkCode::kZeroSection:
    case RemarkCode::kNegativeSection:
      return {number(cardColumn(CardField::kStopDistanceKm).column)};
    case RemarkCode::kLowBitsKept:
      return {number(cardColumn(CardField::kStopCol11).column),
              number(cardColumn(CardField::kStopCol14).column)};
    case RemarkCode::kShownOtherwise:
      return {number(cardColumn(CardField::kStopText5).column)};
    case RemarkCode::kShortSecondTrainTime:
      return {number(rowNumber(RowType::kSecondTrain))};
    case RemarkCode::kKmRangeOutsideRun:
      return {number(cardColumn(CardField::kStopKmPost).column)};
    case RemarkCode::kEntryOnHiddenRow:
      return {number(cardColumn(CardField::kStopFlag9).column)};
    case RemarkCode::kCueWithoutSound:
      return {number(cardColumn(CardField::kStopCol11).column), number(kFirstArrivalCue),
              number(kSecondArrivalCue)};
    case RemarkCode::kKmPostsAgainstDirection:
      return {number(cardColumn(CardField::kStopKmCountDown).column)};
    case RemarkCode::kSectionDisagreesWithKmPosts:
      return {kilometres(kKmPostTolerance)};
    case RemarkCode::kStopMarkRecomputed:
      return {number(cardColumn(CardField::kStopCol21).column),
              number(cardColumn(CardField::kStopCol21).highest)};
    case RemarkCode::kCardTooLarge:
      return {number(static_cast<int64_t>(kCardFileLimit))};
    case RemarkCode::kStopRowTooLong:
      return {number(kLastStopColumn)};
    case RemarkCode::kFirstStopHidden:
      return {number(cardColumn(CardField::kStopFlag9).column)};
    case RemarkCode::kVehiclePathTooLong:
      return {number(CCsvread::kPathSize - 1), number(static_cast<int64_t>(kLongestVehicleFolder))};
    case RemarkCode::kNoCardList:
    case RemarkCode::kUnknownEntry:
    case RemarkCode::kNoCodeReachesEntry:
      return {number(kCardListEntries - 1), number(highestCardFolder()),
              number(highestCardFolder() + 1)};
    default:
      return {};
  }
}

std::string titleWithNumbers(RemarkCode code) {
  const std::vector<std::string> parts(9, "N");
  return remarkTitle(code, parts);
}

}  // namespace

std::string remarkPageText(RemarkCode code, const Words& words) {
  const std::vector<std::string> args = remarkPageArgs(code);
  const std::vector<std::string_view> views(args.begin(), args.end());
  return filledText(inLanguage(words), views);
}

void explainRemark(RemarkCode code, std::ostream& out) {
  const RemarkText& t = remarkText(code);
  const Msg labels[] = {Msg::kExplainDoes, Msg::kExplainWhy, Msg::kExplainWrong, Msg::kExplainRight,
                        Msg::kExplainFix};
  std::size_t width = 0;
  for (Msg label : labels) width = std::max(width, terminalColumns(message(label)));
  width += 2;
  const std::string texts[] = {remarkPageText(code, t.does), remarkPageText(code, t.why), t.wrong,
                               t.right, remarkPageText(code, t.fix)};
  out << t.id << ' ' << severityName(t.severity) << ": " << titleWithNumbers(code) << "\n";
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    out << "  " << padColumns(message(labels[i]), width) << indented(texts[i], width + 2) << "\n";
  }
}

void writeRemarkTable(Severity severity, std::ostream& out) {
  out << "| " << message(Msg::kTableCode) << " | " << message(Msg::kTableRemark) << " | "
      << message(Msg::kExplainDoes) << " | " << message(Msg::kTableFix)
      << " |\n|---|---|---|---|\n";
  for (const RemarkText& t : remarkCatalogue()) {
    if (t.severity != severity) continue;
    out << "| `" << t.id << "` | `" << titleWithNumbers(t.code) << "` | "
        << remarkPageText(t.code, t.does) << " | " << remarkPageText(t.code, t.fix) << " |\n";
  }
}

bool severityNamed(std::string_view name, Severity& severity) {
  for (Severity known : {Severity::kError, Severity::kWarning, Severity::kNote}) {
    if (name == severityName(known)) {
      severity = known;
      return true;
    }
  }
  return false;
}
