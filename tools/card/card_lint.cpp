#include "tools/card/card_lint.h"

#include <algorithm>
#include <string>

#include "card/card_diagnostics.h"
#include "card/card_record.h"
#include "card/line_split.h"
#include "card/number_conversion.h"
#include "card/parser.h"
#include "card/train_number_marks.h"
#include "platform/host_text.h"
#include "route/train_number.h"
#include "tools/card/card_names.h"
#include "tools/common/messages.h"

namespace {

// Row types, as the file format numbers them.
constexpr int32_t kTrainRow = 3;
constexpr int32_t kEventRow = 5;
constexpr int32_t kRangeRow = 6;
constexpr int32_t kStopRow = 7;
constexpr int32_t kSecondTrainRow = 12;

constexpr int32_t kSectionColumn = 10;
constexpr int32_t kEventTypeColumn = 4;
constexpr int32_t kEventTypes = 4;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct ColumnUse {
  int32_t rowType;
  int32_t column;
  Msg expected;
};

// What each column is for, as the author should write it.
constexpr ColumnUse kColumnUses[] = {
    {0, 1, Msg::kColCardName},
    {1, 1, Msg::kColHeaderCode},
    {1, 2, Msg::kColHeaderText},
    {3, 1, Msg::kColTrainNumber},
    {4, 1, Msg::kColNote},
    {5, 0, Msg::kColAtMost32EventRows},
    {5, 1, Msg::kColStopRowReference},
    {5, 2, Msg::kColStartKm},
    {5, 3, Msg::kColEndKm},
    {5, 4, Msg::kColEventType},
    {6, 0, Msg::kColAtMost16RangeRows},
    {6, 1, Msg::kColStopRowReference},
    {6, 2, Msg::kColStartKm},
    {6, 3, Msg::kColEndKm},
    {6, 4, Msg::kColDistanceKm},
    {6, 5, Msg::kColValue},
    {7, 0, Msg::kColAtMost63StopRows},
    {7, 1, Msg::kColRunningTime},
    {7, 2, Msg::kColStopName},
    {7, 3, Msg::kColFirstTime},
    {7, 4, Msg::kColSecondTime},
    {7, 5, Msg::kColStopNumber},
    {7, 6, Msg::kColSlashInteger},
    {7, 7, Msg::kColSlashInteger},
    {7, 8, Msg::kColKmPost},
    {7, 9, Msg::kColHiddenPoint},
    {7, 10, Msg::kColSectionLength},
    {7, 11, Msg::kColArrivalCue},
    {7, 17, Msg::kColKmDirection},
    {7, 18, Msg::kColAttribute},
    {7, 15, Msg::kColStopText},
    {7, 20, Msg::kColStopCode},
    {7, 21, Msg::kColLastStopColumn},
    {8, 1, Msg::kColNextStopAnnounced},
    {11, 1, Msg::kColInfoText},
    {11, 2, Msg::kColInfoIndex},
    {12, 1, Msg::kColSecondTrainNumber},
    {12, 2, Msg::kColSecondFirstTime},
    {12, 3, Msg::kColSecondSecondTime},
};

std::string expectedIn(int32_t rowType, int32_t column) {
  for (const ColumnUse& use : kColumnUses) {
    if (use.rowType == rowType && use.column == column) return message(use.expected);
  }
  if (rowType == kStopRow && column < 21) return message(Msg::kColInteger);
  return message(Msg::kColSeeFormat);
}

std::string shown(std::string_view bytes) {
  return platform::utf8FromCodePage932(bytes);
}

// A field for the terminal: as it stands in a card written in UTF-8 (the author's own
// text, where Shift_JIS would only garble it), converted from Shift_JIS otherwise.
std::string shownField(std::string_view bytes, bool utf8) {
  return utf8 ? std::string(bytes) : shown(bytes);
}

LintRemark makeRemark(int32_t line, int32_t column, Severity severity, std::string what,
                      std::string instead, std::string expected) {
  LintRemark r;
  r.line = line;
  r.column = column;
  r.severity = severity;
  r.what = std::move(what);
  r.instead = std::move(instead);
  r.expected = std::move(expected);
  return r;
}

// The parser's reason for a remark, in the language of the messages.
std::string parserReason(std::string_view reason) {
  static constexpr Msg kReasons[] = {
      Msg::kReasonTextAfterNumber,
      Msg::kReasonColumnMissing,
      Msg::kReasonIntegerOutOfRange,
      Msg::kReasonNotInteger,
      Msg::kReasonNumberOutOfRange,
      Msg::kReasonNotNumber,
      Msg::kReasonColumnMissingEnd,
      Msg::kReasonTimeMark,
      Msg::kReasonSlashForm,
      Msg::kReasonSlashNoInteger,
      Msg::kReasonCodeDigits,
      Msg::kReasonArrivalCueAbove2,
      Msg::kReasonStoredAsAbove2,
      Msg::kReasonColumnsFromMissing,
      Msg::kReasonColumnMissingTextKept,
      Msg::kReasonEventRowsTaken,
      Msg::kReasonRangeRowsTaken,
      Msg::kReasonStopRowsTaken,
  };
  return translatedFrom(reason, kReasons);
}

// What one pass over the lines found, beside the parser's own remarks.
struct CardLines {
  bool utf8 = false;              // the whole card is UTF-8 text
  std::vector<int32_t> rowTypes;  // per line; kNoType where column 0 holds none
  std::vector<int32_t> stopLines;
  std::vector<std::string> sectionTexts;  // column 10 of each stop row taken
  std::vector<bool> sectionGiven;         // whether the row holds column 10
  int32_t trainLine = 0;
  int32_t secondLine = 0;
  struct StopReference {
    int32_t line;
    int32_t value;
    std::string text;
  };
  std::vector<StopReference> stopReferences;  // column 1 of event and range rows
  std::vector<LintRemark> tableRemarks;       // on event and range rows, if taken
  std::vector<int32_t> ignoredRows;           // lines the parser did not take
};

constexpr int32_t kNoType = -1;

// Turns the parser's remarks into the checker's, with the row type of each line.
class ParserRemarks final : public CardDiagnostics {
 public:
  ParserRemarks(CardLines& lines, bool byteOrderMark, bool withNotes, std::vector<LintRemark>& out)
      : lines_(lines), byteOrderMark_(byteOrderMark), withNotes_(withNotes), out_(out) {}

  void remark(const CardRemark& r) override {
    const std::string_view reason = r.reason;
    const std::size_t index = static_cast<std::size_t>(r.line) - 1;
    const int32_t rowType = index < lines_.rowTypes.size() ? lines_.rowTypes[index] : kNoType;
    LintRemark out = makeRemark(r.line, r.column, Severity::kError, parserReason(reason), "",
                                expectedIn(rowType, r.column));
    out.field = shownField(r.text, lines_.utf8);
    if (r.kind == CardRemarkKind::kMark) {
      if (!withNotes_) return;
      out.severity = Severity::kNote;
      out.instead = message(Msg::kStores, {shownField(r.stored, lines_.utf8)});
      out.expected = message(Msg::kAsIntended);
    } else if (reason == "empty line ignored" ||
               (r.column == 0 && r.text.find_first_not_of(" \t") == std::string_view::npos)) {
      // Blank lines, spaces alone included, are harmless wherever they stand.
      return;
    } else if (reason == "row ignored: no row type") {
      // A byte order mark has its own remark; a '#' line is the usual comment.
      if ((r.line == 1 && byteOrderMark_) || r.text.substr(0, 1) == "#") return;
      out.what = message(Msg::kNoRowType);
      out.instead = message(Msg::kRowIgnored);
      out.expected = message(Msg::kNoRowTypeExpected);
    } else if (reason == "row ignored: unknown row type") {
      out.severity = Severity::kWarning;
      out.what = message(Msg::kUnknownRowType);
      out.instead = message(Msg::kRowIgnored);
      out.expected = message(Msg::kUnknownRowTypeExpected);
    } else if (r.kind == CardRemarkKind::kCut) {
      out.instead = message(Msg::kReads, {shownField(r.stored, lines_.utf8)});
    } else if (r.kind == CardRemarkKind::kFallback) {
      out.instead = message(Msg::kStores, {shownField(r.stored, lines_.utf8)});
    } else if (reason.substr(0, 13) == "row ignored: ") {
      lines_.ignoredRows.push_back(r.line);
      out.what = parserReason(reason.substr(13));
      out.instead = message(Msg::kWholeRowIgnored);
    } else if (reason.substr(0, 18) == "value not stored: ") {
      out.what = parserReason(reason.substr(18));
      out.instead = message(Msg::kValueNotStored);
    } else {
      out.instead = message(Msg::kNotRead);
    }
    if (r.text.empty() && r.kind == CardRemarkKind::kIgnored) out.field.reset();
    out_.push_back(std::move(out));
  }

 private:
  CardLines& lines_;
  bool byteOrderMark_;
  bool withNotes_;
  std::vector<LintRemark>& out_;
};

// A time of columns 3 and 4 of a stop row, or of a second train number (which is not
// moved past midnight). Texts that do not convert are the parser's business.
void lintTime(std::string_view text, int32_t line, int32_t column, bool stopRow, bool utf8,
              std::vector<LintRemark>& out) {
  int32_t value = 0;
  if (!convertInt(text, value)) return;
  const std::string expected = message(stopRow ? Msg::kTimeExpectedStop : Msg::kTimeExpected);
  auto add = [&](Severity severity, std::string what, std::string instead) {
    LintRemark r =
        makeRemark(line, column, severity, std::move(what), std::move(instead), expected);
    r.field = shownField(text, utf8);
    out.push_back(std::move(r));
  };
  if (value < 0) {
    add(Severity::kError, message(Msg::kNegativeTime), message(Msg::kReadAsTime));
    return;
  }
  const int32_t stored = stopRow ? storedStopTime(value) : value;
  if (stored == CardRecord::kNoTime || stored == kStopMarkTime || stored == kPassMarkTime ||
      stored == kEndMarkTime) {
    return;
  }
  const int32_t hour = stored / 10000;
  const int32_t minute = stored / 100 % 100;
  const int32_t second = stored % 100;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", hour, minute, second);
  if (minute >= 60 || second >= 60) {
    add(Severity::kError, message(Msg::kMinutesOver59), message(Msg::kShows, {clock}));
  } else if (hour >= kStopMarkHour && hour <= kEndMarkHour) {
    const Msg picture = hour == kStopMarkHour ? Msg::kPictureStop
                        : hour == kMarkHour   ? Msg::kPictureArrow
                                              : Msg::kPictureEnd;
    add(Severity::kWarning, message(Msg::kHourIsMark, {std::to_string(hour)}),
        message(Msg::kShows, {message(picture)}));
  } else if (hour > kEndMarkHour) {
    add(Severity::kError, message(Msg::kHourNotHourNorMark, {std::to_string(hour)}),
        message(Msg::kShows, {clock}));
  } else if (stopRow && value >= 100 && value < 10000) {
    add(Severity::kWarning, message(Msg::kShortTime),
        message(Msg::kShortTimeStores, {std::to_string(stored), clock}));
  }
}

// What the display shows for a decoded train number: prefix, the digits that are not
// blank (a code above 9 is the byte it came from), suffix.
std::string displayedTrainNumber(const TrainNumberCode& code) {
  std::string text(displayPrefixText(code.prefix));
  for (int32_t digit : code.digits) {
    if (digit != 10) text += static_cast<char>('0' + digit);
  }
  text += displaySuffixText(code.suffix);
  return text;
}

void lintTrainNumber(std::string_view text, int32_t line, bool second, bool utf8,
                     std::vector<LintRemark>& out) {
  const TrainNumberCode code = decodeTrainNumber(text);
  std::string_view written = text;
  // Only the second train number shows the marker, as a lamp of its own.
  if (second && code.markerFound) written.remove_prefix(2);
  const std::string displayed = displayedTrainNumber(code);
  if (displayed == written) return;
  LintRemark r = makeRemark(line, 1, Severity::kError, message(Msg::kTrainNumberNotShown),
                            message(Msg::kDisplayShows, {shown(displayed)}),
                            message(Msg::kTrainNumberExpected));
  r.field = shownField(text, utf8);
  out.push_back(std::move(r));
}

bool hasHighByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

CardLines walkLines(std::string_view bytes, std::vector<LintRemark>& out) {
  CardLines lines;
  const std::string_view text = bytes.substr(bytes.substr(0, 3) == kByteOrderMark ? 3 : 0);
  const bool utf8 = hasHighByte(text) && isUtf8(text);
  lines.utf8 = utf8;
  bool utf8Told = false;
  bool crTold = false;
  std::vector<std::string_view> fields;
  std::string_view rest = bytes;
  std::string_view line;
  int32_t number = 0;
  while (takeLine(rest, line)) {
    ++number;
    splitFields(line, fields);
    if (number == 1 && line.substr(0, 3) == kByteOrderMark) {
      LintRemark r = makeRemark(1, 0, Severity::kError, message(Msg::kByteOrderMark),
                                message(Msg::kFirstRowIgnored), message(Msg::kShiftJisNoMark));
      r.field = shownField(fields[0].substr(kByteOrderMark.size()), utf8);
      out.push_back(std::move(r));
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
      std::string_view field = fields[k];
      if (number == 1 && k == 0 && field.substr(0, 3) == kByteOrderMark) field.remove_prefix(3);
      if (utf8 && !utf8Told && hasHighByte(field)) {
        utf8Told = true;
        LintRemark r =
            makeRemark(number, static_cast<int32_t>(k), Severity::kError, message(Msg::kTextInUtf8),
                       message(Msg::kReadAsShiftJis), message(Msg::kSavedInShiftJis));
        r.field = std::string(field);
        out.push_back(std::move(r));
      }
      if (!crTold && field.find('\r') != std::string_view::npos) {
        crTold = true;
        out.push_back(makeRemark(number, static_cast<int32_t>(k), Severity::kError,
                                 message(Msg::kLoneCr), message(Msg::kLinesRunTogether),
                                 message(Msg::kLineEnds)));
      }
    }
    int32_t type = kNoType;
    if (fields.empty() || !convertInt(fields[0], type)) type = kNoType;
    lines.rowTypes.push_back(type);
    auto field = [&](std::size_t k) { return k < fields.size() ? fields[k] : std::string_view(); };
    if (type == kTrainRow) lines.trainLine = number;
    if (type == kSecondTrainRow) {
      lines.secondLine = number;
      lintTime(field(2), number, 2, false, utf8, out);
      lintTime(field(3), number, 3, false, utf8, out);
    }
    if (type == kEventRow || type == kRangeRow) {
      int32_t value = 0;
      if (convertInt(field(1), value)) {
        lines.stopReferences.push_back({number, value, shownField(field(1), utf8)});
      }
    }
    int32_t eventType = 0;
    if (type == kEventRow && convertInt(field(kEventTypeColumn), eventType) &&
        (eventType < 0 || eventType >= kEventTypes)) {
      LintRemark r = makeRemark(number, kEventTypeColumn, Severity::kError,
                                message(Msg::kEventTypeNot0To3, {std::to_string(eventType)}),
                                message(Msg::kNeverOpens), message(Msg::kEventType0To3));
      r.field = shownField(field(kEventTypeColumn), utf8);
      lines.tableRemarks.push_back(std::move(r));
    }
    if (type == kStopRow &&
        lines.stopLines.size() < static_cast<std::size_t>(CardRecord::kStopSlots - 1)) {
      lines.stopLines.push_back(number);
      lines.sectionTexts.emplace_back(field(kSectionColumn));
      lines.sectionGiven.push_back(fields.size() > static_cast<std::size_t>(kSectionColumn));
      lintTime(field(3), number, 3, true, utf8, out);
      lintTime(field(4), number, 4, true, utf8, out);
    }
  }
  return lines;
}

}  // namespace

std::vector<LintRemark> lintCard(std::string_view bytes, std::string_view fileName,
                                 bool withNotes) {
  std::vector<LintRemark> out;
  if (bytes.empty()) {
    out.push_back(makeRemark(0, 0, Severity::kError, message(Msg::kEmptyFile),
                             message(Msg::kLeavesCardMode), message(Msg::kOneStopRowEach)));
    return out;
  }
  CardLines lines = walkLines(bytes, out);
  ParserRemarks parserRemarks(lines, bytes.substr(0, 3) == kByteOrderMark, withNotes, out);
  const CardRecord card = parseCardText(bytes, &parserRemarks);
  const int32_t stops = card.stopCount;

  if (stops == 0) {
    out.push_back(makeRemark(0, 0, Severity::kError, message(Msg::kNoStopRows),
                             message(Msg::kLeavesCardMode), message(Msg::kOneStopRowEach)));
  }
  for (const CardLines::StopReference& reference : lines.stopReferences) {
    if (reference.value >= 0 && reference.value < stops) continue;
    LintRemark r = makeRemark(reference.line, 1, Severity::kError,
                              message(Msg::kNamesMissingStopRow), message(Msg::kNeverApplies),
                              message(Msg::kStopRowNumbers, {std::to_string(stops - 1)}));
    r.field = reference.text;
    lines.tableRemarks.push_back(std::move(r));
  }
  // A row the parser did not take has its remark already.
  for (LintRemark& r : lines.tableRemarks) {
    if (std::find(lines.ignoredRows.begin(), lines.ignoredRows.end(), r.line) ==
        lines.ignoredRows.end()) {
      out.push_back(std::move(r));
    }
  }
  for (int32_t i = 0; i + 1 < stops; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (card.stopDistanceKm[k] != 0.0 || !lines.sectionGiven[k]) continue;
    LintRemark r = makeRemark(lines.stopLines[k], kSectionColumn, Severity::kWarning,
                              message(Msg::kZeroSection), message(Msg::kReachedAtOnce),
                              message(Msg::kSectionToNext));
    r.field = shownField(lines.sectionTexts[k], lines.utf8);
    out.push_back(std::move(r));
  }
  if (lines.trainLine == 0) {
    out.push_back(makeRemark(0, 0, Severity::kWarning, message(Msg::kNoTrainNumber),
                             message(Msg::kShowsNull), message(Msg::kTrainRowExpected)));
  } else {
    lintTrainNumber(card.trainNumber, lines.trainLine, false, lines.utf8, out);
    const std::optional<int32_t> code = cardCodeForFileName(fileName, -1);
    const std::string named = code ? trainNumberOfCardCode(*code) : std::string();
    if (code && card.trainNumber != named) {
      LintRemark r =
          makeRemark(lines.trainLine, 1, Severity::kWarning, message(Msg::kTrainNumberNotFileName),
                     message(Msg::kCardCodeLoads, {std::to_string(*code)}),
                     message(Msg::kAsFileNameSays, {shown(named)}));
      r.field = shownField(card.trainNumber, lines.utf8);
      out.push_back(std::move(r));
    }
  }
  if (lines.secondLine != 0) {
    lintTrainNumber(card.secondTrainNumber, lines.secondLine, true, lines.utf8, out);
  }

  std::stable_sort(out.begin(), out.end(), [](const LintRemark& a, const LintRemark& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  return out;
}
