#include "tools/card/card_lint.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "card/card_diagnostics.h"
#include "card/card_format.h"
#include "card/card_record.h"
#include "card/line_split.h"
#include "card/number_conversion.h"
#include "card/parser.h"
#include "card/train_number_marks.h"
#include "display/frame_rules.h"
#include "platform/platform.h"
#include "route/clock_time.h"
#include "route/train_number.h"
#include "tools/card/card_names.h"
#include "tools/card/card_terms.h"
#include "tools/common/messages.h"
#include "tools/platform/host_text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string shown(std::string_view bytes) {
  return platform::utf8FromCodePage932(bytes);
}

// A field for the terminal: as it stands in a card written in UTF-8 (the author's own
// text, where Shift_JIS would only garble it), converted from Shift_JIS otherwise.
std::string shownField(std::string_view bytes, bool utf8) {
  return utf8 ? std::string(bytes) : shown(bytes);
}

std::string storedText(const CardValue& value, bool utf8) {
  switch (value.kind) {
    case CardValue::Kind::kInteger:
      return std::to_string(value.integer);
    case CardValue::Kind::kFlag:
      return value.integer != 0 ? "true" : "false";
    case CardValue::Kind::kReal: {
      char text[32];
      const auto written = std::to_chars(text, text + sizeof text, value.real);
      return std::string(text, written.ptr);
    }
    case CardValue::Kind::kText:
      return shownField(value.text, utf8);
    case CardValue::Kind::kNone:
      break;
  }
  return "";
}

RemarkCode codeOf(CardFinding finding) {
  switch (finding) {
    case CardFinding::kEmptyLine:
    case CardFinding::kNoRowType:
      return RemarkCode::kNoRowType;
    case CardFinding::kUnknownRowType:
      return RemarkCode::kUnknownRowType;
    case CardFinding::kTableFull:
      return RemarkCode::kTableFull;
    case CardFinding::kNotInteger:
      return RemarkCode::kNotInteger;
    case CardFinding::kIntegerOutOfRange:
      return RemarkCode::kIntegerOutOfRange;
    case CardFinding::kNotNumber:
      return RemarkCode::kNotNumber;
    case CardFinding::kNumberOutOfRange:
      return RemarkCode::kNumberOutOfRange;
    case CardFinding::kColumnMissing:
      return RemarkCode::kColumnMissing;
    case CardFinding::kTextIsEnd:
      return RemarkCode::kTextIsEnd;
    case CardFinding::kTextMissing:
      return RemarkCode::kTextMissing;
    case CardFinding::kColumnsMissing:
      return RemarkCode::kColumnsMissing;
    case CardFinding::kTextAfterNumber:
      return RemarkCode::kTextAfterNumber;
    case CardFinding::kSlashWithoutInteger:
      return RemarkCode::kSlashWithoutInteger;
    case CardFinding::kCodeDigitsOutOfRange:
      return RemarkCode::kCodeDigitsOutOfRange;
    case CardFinding::kTimeMark:
      return RemarkCode::kTimeMark;
    case CardFinding::kSlashForm:
      return RemarkCode::kSlashForm;
    case CardFinding::kStopMarkRecomputed:
      break;
  }
  return RemarkCode::kStopMarkRecomputed;
}

// A number column that did not convert; its format says what followed.
bool isBadNumber(CardFinding finding) {
  return finding == CardFinding::kNotInteger || finding == CardFinding::kIntegerOutOfRange ||
         finding == CardFinding::kNotNumber || finding == CardFinding::kNumberOutOfRange ||
         finding == CardFinding::kColumnMissing;
}

// What the author should write in the column that a remark of the parser is about.
std::string expectedFor(const CardRemark& r) {
  if (r.finding == CardFinding::kTableFull) {
    return message(Msg::kColAtMostRows,
                   {std::to_string(r.limit), std::to_string(rowNumber(r.row->type))});
  }
  if (r.finding == CardFinding::kUnknownRowType) {
    return message(Msg::kUnknownRowTypeExpected, {rowTypeList()});
  }
  if (r.format == nullptr) return message(Msg::kNoRowTypeExpected);
  return columnHint(r.format->field);
}

// What the module does instead, for a remark of the parser.
std::string insteadFor(const CardRemark& r, bool utf8) {
  const std::string stored = storedText(r.stored, utf8);
  switch (r.finding) {
    case CardFinding::kEmptyLine:
    case CardFinding::kNoRowType:
    case CardFinding::kUnknownRowType:
      return message(Msg::kRowIgnored);
    case CardFinding::kTableFull:
      return message(Msg::kWholeRowIgnored);
    case CardFinding::kTextAfterNumber:
      return message(Msg::kReads, {stored});
    case CardFinding::kTextMissing:
    case CardFinding::kColumnsMissing:
      return message(Msg::kNotRead);
    default:
      break;
  }
  if (isBadNumber(r.finding)) {
    if (r.format->onBad == OnBadValue::kRowIgnored) return message(Msg::kWholeRowIgnored);
    if (r.format->onBad == OnBadValue::kValueKept) return message(Msg::kValueNotStored);
    if (r.format->kind == ColumnKind::kStopMark) {
      return message(Msg::kStoresAsAboveHighest, {stored, std::to_string(r.format->highest)});
    }
  }
  return message(Msg::kStores, {stored});
}

// What one pass over the lines found, beside the parser's own remarks.
struct CardLines {
  bool utf8 = false;                    // the whole card is UTF-8 text
  std::vector<std::string_view> texts;  // every line, without its line end
  std::vector<int32_t> stopLines;
  std::vector<std::string> sectionTexts;  // the section length of each stop row taken
  std::vector<bool> sectionGiven;         // whether the row holds that column
  int32_t trainLine = 0;
  int32_t secondLine = 0;
  struct StopReference {
    int32_t line;
    int32_t value;
    std::string text;
  };
  std::vector<StopReference> stopReferences;  // of event and range rows
  std::vector<LintRemark> tableRemarks;       // on event and range rows, if taken
  std::vector<int32_t> ignoredRows;           // lines the parser did not take
};

// Turns the parser's remarks into the checker's.
class ParserRemarks final : public CardDiagnostics {
 public:
  ParserRemarks(CardLines& lines, bool byteOrderMark, bool withNotes, std::vector<LintRemark>& out)
      : lines_(lines), byteOrderMark_(byteOrderMark), withNotes_(withNotes), out_(out) {}

  void remark(const CardRemark& r) override {
    const RemarkCode code = codeOf(r.finding);
    const bool note = severityOf(code) == Severity::kNote;
    if (note && !withNotes_) return;
    // Blank lines, spaces alone included, are harmless wherever they stand.
    if (r.finding == CardFinding::kEmptyLine ||
        (r.column == kRowTypeColumn && r.text.find_first_not_of(" \t") == std::string_view::npos)) {
      return;
    }
    // A byte order mark has its own remark; a '#' line is the usual comment.
    if (r.finding == CardFinding::kNoRowType &&
        ((r.line == 1 && byteOrderMark_) || r.text.substr(0, 1) == "#")) {
      return;
    }
    LintRemark out = makeRemark(r.line, r.column, code, insteadFor(r, lines_.utf8),
                                note ? message(Msg::kAsIntended) : expectedFor(r));
    if (!r.text.empty() || r.stored.kind != CardValue::Kind::kNone) {
      out.field = shownField(r.text, lines_.utf8);
    }
    if (code == RemarkCode::kTableFull) {
      out.args = {std::to_string(r.limit), std::to_string(rowNumber(r.row->type))};
    } else if (code == RemarkCode::kColumnsMissing) {
      out.args = {std::to_string(r.column)};
    } else if (code == RemarkCode::kStopMarkRecomputed) {
      out.args = {std::to_string(r.format->highest), std::to_string(kMarkHour)};
    }
    if (code == RemarkCode::kTableFull ||
        (isBadNumber(r.finding) && r.format->onBad == OnBadValue::kRowIgnored)) {
      lines_.ignoredRows.push_back(r.line);
    }
    out_.push_back(std::move(out));
  }

 private:
  CardLines& lines_;
  bool byteOrderMark_;
  bool withNotes_;
  std::vector<LintRemark>& out_;
};

bool isMarkOrNoTime(int32_t stored) {
  if (stored == CardRecord::kNoTime) return true;
  return std::any_of(std::begin(kTimeMarks), std::end(kTimeMarks),
                     [stored](const TimeMark& mark) { return mark.value == stored; });
}

// A time column of a stop row or of the second train number (which is not moved past
// midnight). Texts that do not convert are the parser's business.
void lintTime(std::string_view text, int32_t line, const CardColumn& column, bool utf8,
              std::vector<LintRemark>& out) {
  int32_t value = 0;
  if (!convertInt(text, value)) return;
  const bool stopRow = column.kind == ColumnKind::kTime;
  const std::string expected =
      stopRow ? message(Msg::kTimeExpectedStop, {timeMarkList()}) : message(Msg::kTimeExpected);
  auto add = [&](RemarkCode code, std::vector<std::string> args, std::string instead) {
    LintRemark r = makeRemark(line, column.column, code, std::move(instead), expected);
    r.args = std::move(args);
    r.field = shownField(text, utf8);
    out.push_back(std::move(r));
  };
  if (value < 0) {
    add(RemarkCode::kNegativeTime, {}, message(Msg::kReadAsTime));
    return;
  }
  const int32_t stored = stopRow ? storedStopTime(value) : value;
  if (isMarkOrNoTime(stored)) return;
  const ClockTime time = splitTime(stored);
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  const std::string hour = std::to_string(time.hour);
  if (time.minute >= kNoMinute || time.second >= kNoSecond) {
    add(RemarkCode::kMinutesOver59, {}, message(Msg::kShows, {clock}));
  } else if (time.hour >= kStopMarkHour && time.hour <= kEndMarkHour) {
    const Msg picture = time.hour == kStopMarkHour ? Msg::kPictureStop
                        : time.hour == kMarkHour   ? Msg::kPictureArrow
                                                   : Msg::kPictureEnd;
    add(RemarkCode::kHourIsMark, {hour}, message(Msg::kShows, {message(picture)}));
  } else if (time.hour > kEndMarkHour) {
    add(RemarkCode::kHourNotHourNorMark, {hour}, message(Msg::kShows, {clock}));
  } else if (stopRow && value >= 100 && value < 10000) {
    add(RemarkCode::kShortTime, {},
        message(Msg::kShortTimeStores, {std::to_string(stored), clock}));
  }
}

// What the display shows for a decoded train number: prefix, the digits that are not
// blank (a code above 9 is the byte it came from), suffix.
std::string displayedTrainNumber(const TrainNumberCode& code) {
  std::string text(displayPrefixText(code.prefix));
  for (int32_t digit : code.digits) {
    if (digit != kBlankDigit) text += static_cast<char>('0' + digit);
  }
  text += displaySuffixText(code.suffix);
  return text;
}

// The picture code of the first digit place of `text` that holds a letter or another
// mark typed among the digits (a code above the blank digit, from a byte behind the
// prefix's double-byte characters); none where every place holds a digit or a blank.
std::optional<int32_t> letterAmongDigits(std::string_view text, const TrainNumberCode& code) {
  std::size_t prefixEnd = 0;
  while (prefixEnd < text.size() && platform::isLeadByte(static_cast<uint8_t>(text[prefixEnd]))) {
    prefixEnd += 2;
  }
  // The digit places stand right-aligned in front of the suffix byte.
  const std::size_t places = std::size(code.digits);
  for (std::size_t i = 0; i < places; ++i) {
    const std::size_t behind = places - i + 1;  // bytes from this place to the end
    if (text.size() < behind || text.size() - behind < prefixEnd) continue;
    if (code.digits[i] > kBlankDigit) return code.digits[i];
  }
  return std::nullopt;
}

void lintTrainNumber(std::string_view text, const CardColumn& column, int32_t line, bool second,
                     bool utf8, std::vector<LintRemark>& out) {
  const TrainNumberCode code = decodeTrainNumber(text);
  if (const std::optional<int32_t> picture = letterAmongDigits(text, code)) {
    LintRemark r = makeRemark(line, column.column, RemarkCode::kLetterAmongDigits,
                              message(Msg::kDigitPlaceShows, {std::to_string(*picture)}),
                              message(Msg::kTrainNumberExpected));
    r.field = shownField(text, utf8);
    out.push_back(std::move(r));
    return;
  }
  std::string_view written = text;
  // Only the second train number shows the marker, as a lamp of its own.
  if (second && code.markerFound) written.remove_prefix(2);
  const std::string displayed = displayedTrainNumber(code);
  if (displayed == written) return;
  LintRemark r = makeRemark(line, column.column, RemarkCode::kTrainNumberNotShown,
                            message(Msg::kDisplayShows, {shown(displayed)}),
                            message(Msg::kTrainNumberExpected));
  r.field = shownField(text, utf8);
  out.push_back(std::move(r));
}

bool hasHighByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// A stop row with fields past its last column: a comma typed inside a text.
void lintStopRowLength(const std::vector<std::string_view>& fields, int32_t line, bool utf8,
                       std::vector<LintRemark>& out) {
  const auto last = static_cast<std::size_t>(kLastStopColumn);
  if (fields.size() <= last + 1) return;
  LintRemark r = makeRemark(
      line, kLastStopColumn + 1, RemarkCode::kStopRowTooLong,
      message(Msg::kColumnsMoved, {std::to_string(last), shownField(fields[last], utf8)}),
      message(Msg::kColumnsWithoutComma, {std::to_string(last)}));
  r.args = {std::to_string(last + 1)};
  r.field = shownField(fields[last + 1], utf8);
  out.push_back(std::move(r));
}

CardLines walkLines(std::string_view bytes, std::vector<LintRemark>& out) {
  CardLines lines;
  const std::string_view text = bytes.substr(bytes.substr(0, 3) == kByteOrderMark ? 3 : 0);
  const bool utf8 = hasHighByte(text) && isUtf8(text);
  lines.utf8 = utf8;
  bool utf8Told = false;
  bool crTold = false;
  const CardColumn& section = cardColumn(CardField::kStopDistanceKm);
  const CardColumn& eventType = cardColumn(CardField::kEventType);
  const auto stopLimit = static_cast<std::size_t>(rowFormat(RowType::kStop).limit);
  std::vector<std::string_view> fields;
  std::string_view rest = bytes;
  std::string_view line;
  int32_t number = 0;
  while (takeLine(rest, line)) {
    ++number;
    lines.texts.push_back(line);
    splitFields(line, fields);
    if (number == 1 && line.substr(0, 3) == kByteOrderMark) {
      LintRemark r = makeRemark(1, kRowTypeColumn, RemarkCode::kByteOrderMark,
                                message(Msg::kFirstRowIgnored), message(Msg::kShiftJisNoMark));
      r.field = shownField(fields[kRowTypeColumn].substr(kByteOrderMark.size()), utf8);
      out.push_back(std::move(r));
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
      std::string_view field = fields[k];
      if (number == 1 && k == kRowTypeColumn && field.substr(0, 3) == kByteOrderMark) {
        field.remove_prefix(3);
      }
      if (utf8 && !utf8Told && hasHighByte(field)) {
        utf8Told = true;
        LintRemark r = makeRemark(number, static_cast<int32_t>(k), RemarkCode::kTextInUtf8,
                                  message(Msg::kReadAsShiftJis), message(Msg::kSavedInShiftJis));
        r.field = std::string(field);
        out.push_back(std::move(r));
      }
      if (!crTold && field.find('\r') != std::string_view::npos) {
        crTold = true;
        out.push_back(makeRemark(number, static_cast<int32_t>(k), RemarkCode::kLoneCr,
                                 message(Msg::kLinesRunTogether), message(Msg::kLineEnds)));
      }
    }
    int32_t type = -1;
    const RowFormat* format =
        !fields.empty() && convertInt(fields[kRowTypeColumn], type) ? rowFormat(type) : nullptr;
    if (format == nullptr) continue;
    auto field = [&](int32_t k) {
      return static_cast<std::size_t>(k) < fields.size() ? fields[static_cast<std::size_t>(k)]
                                                         : std::string_view();
    };
    const RowType row = format->type;
    if (row == RowType::kTrainNumber) lines.trainLine = number;
    if (row == RowType::kSecondTrain) lines.secondLine = number;
    if (row == RowType::kEvent || row == RowType::kRange) {
      const CardColumn& stop = format->columns.front();
      int32_t value = 0;
      if (convertInt(field(stop.column), value)) {
        lines.stopReferences.push_back({number, value, shownField(field(stop.column), utf8)});
      }
    }
    int32_t typeValue = 0;
    if (row == RowType::kEvent && convertInt(field(eventType.column), typeValue) &&
        (typeValue < 0 || typeValue >= kEventTypes)) {
      LintRemark r = makeRemark(number, eventType.column, RemarkCode::kEventTypeWithoutWindow,
                                message(Msg::kNeverOpens),
                                message(Msg::kEventTypeRange, {std::to_string(kEventTypes - 1)}));
      r.args = {std::to_string(typeValue), std::to_string(kEventTypes - 1)};
      r.field = shownField(field(eventType.column), utf8);
      lines.tableRemarks.push_back(std::move(r));
    }
    if (row == RowType::kStop && lines.stopLines.size() >= stopLimit) continue;
    if (row == RowType::kStop) {
      lines.stopLines.push_back(number);
      lines.sectionTexts.emplace_back(field(section.column));
      lines.sectionGiven.push_back(fields.size() > static_cast<std::size_t>(section.column));
      lintStopRowLength(fields, number, utf8, out);
    }
    if (row == RowType::kStop || row == RowType::kSecondTrain) {
      for (const CardColumn& c : format->columns) {
        if (c.kind == ColumnKind::kTime || c.kind == ColumnKind::kPlainTime) {
          lintTime(field(c.column), number, c, utf8, out);
        }
      }
    }
  }
  return lines;
}

// The characters of a line up to byte `end`: a double-byte character of code page 932
// (or a UTF-8 sequence in a UTF-8 card) counts once.
int32_t charactersIn(std::string_view line, std::size_t end, bool utf8) {
  int32_t count = 0;
  for (std::size_t i = 0; i < end && i < line.size(); ++i) {
    const auto byte = static_cast<uint8_t>(line[i]);
    if (utf8 ? (byte & 0xC0) == 0x80 : false) continue;
    ++count;
    if (!utf8 && platform::isLeadByte(byte)) ++i;
  }
  return count;
}

// Where in its line each remark lies, in characters, for editors.
void placeInLines(const CardLines& lines, std::vector<LintRemark>& remarks) {
  std::vector<std::string_view> fields;
  for (LintRemark& r : remarks) {
    if (r.line < 1 || static_cast<std::size_t>(r.line) > lines.texts.size()) continue;
    std::string_view line = lines.texts[static_cast<std::size_t>(r.line) - 1];
    if (r.line == 1 && line.substr(0, 3) == kByteOrderMark) line.remove_prefix(3);
    splitFields(line, fields);
    if (static_cast<std::size_t>(r.column) >= fields.size()) {
      r.startColumn = charactersIn(line, line.size(), lines.utf8) + 1;
      continue;
    }
    const std::string_view field = fields[static_cast<std::size_t>(r.column)];
    const auto start = static_cast<std::size_t>(field.data() - line.data());
    r.startColumn = charactersIn(line, start, lines.utf8) + 1;
    r.endColumn = charactersIn(line, start + field.size(), lines.utf8) + 1;
  }
}

// A hidden first stop row: the card beacon makes it current all the same, and the run
// then selects it again at every stop.
void lintFirstStop(const CardLines& lines, const CardRecord& card, std::vector<LintRemark>& out) {
  if (card.stopCount == 0 || !card.stopFlag9[0]) return;
  const CardColumn& hidden = cardColumn(CardField::kStopFlag9);
  const int32_t line = lines.stopLines.front();
  std::vector<std::string_view> fields;
  splitFields(lines.texts[static_cast<std::size_t>(line) - 1], fields);
  LintRemark r = makeRemark(line, hidden.column, RemarkCode::kFirstStopHidden,
                            message(Msg::kStaysAtFirstRow), message(Msg::kZeroInFirstRow));
  const auto at = static_cast<std::size_t>(hidden.column);
  if (at < fields.size()) r.field = shownField(fields[at], lines.utf8);
  out.push_back(std::move(r));
}

}  // namespace

std::vector<LintRemark> lintCard(std::string_view bytes, std::string_view fileName,
                                 bool withNotes) {
  std::vector<LintRemark> out;
  const std::string oneStopRowEach =
      message(Msg::kOneStopRowEach, {std::to_string(rowNumber(RowType::kStop))});
  if (bytes.empty()) {
    out.push_back(
        makeRemark(0, 0, RemarkCode::kEmptyFile, message(Msg::kLeavesCardMode), oneStopRowEach));
    return out;
  }
  CardLines lines = walkLines(bytes, out);
  ParserRemarks parserRemarks(lines, bytes.substr(0, 3) == kByteOrderMark, withNotes, out);
  const CardRecord card = parseCardText(bytes, &parserRemarks);
  const int32_t stops = card.stopCount;

  if (stops == 0) {
    out.push_back(
        makeRemark(0, 0, RemarkCode::kNoStopRows, message(Msg::kLeavesCardMode), oneStopRowEach));
  }
  for (const CardLines::StopReference& reference : lines.stopReferences) {
    if (reference.value >= 0 && reference.value < stops) continue;
    LintRemark r = makeRemark(reference.line, cardColumn(CardField::kEventStopIndex).column,
                              RemarkCode::kNamesMissingStopRow, message(Msg::kNeverApplies),
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
  const CardColumn& section = cardColumn(CardField::kStopDistanceKm);
  for (int32_t i = 0; i + 1 < stops; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (card.stopDistanceKm[k] != 0.0 || !lines.sectionGiven[k]) continue;
    LintRemark r = makeRemark(lines.stopLines[k], section.column, RemarkCode::kZeroSection,
                              message(Msg::kReachedAtOnce), message(Msg::kSectionToNext));
    r.field = shownField(lines.sectionTexts[k], lines.utf8);
    out.push_back(std::move(r));
  }
  lintFirstStop(lines, card, out);
  const CardColumn& train = cardColumn(CardField::kTrainNumber);
  if (lines.trainLine == 0) {
    out.push_back(makeRemark(
        0, 0, RemarkCode::kNoTrainNumber, message(Msg::kShowsNull),
        message(Msg::kTrainRowExpected, {std::to_string(rowNumber(RowType::kTrainNumber))})));
  } else {
    lintTrainNumber(card.trainNumber, train, lines.trainLine, false, lines.utf8, out);
    const std::optional<int32_t> code = cardCodeForFileName(fileName, -1);
    const std::string named = code ? trainNumberOfCardCode(*code) : std::string();
    if (code && card.trainNumber != named) {
      LintRemark r = makeRemark(lines.trainLine, train.column, RemarkCode::kTrainNumberNotFileName,
                                message(Msg::kCardCodeLoads, {std::to_string(*code)}),
                                message(Msg::kAsFileNameSays, {shown(named)}));
      r.field = shownField(card.trainNumber, lines.utf8);
      out.push_back(std::move(r));
    }
  }
  if (lines.secondLine != 0) {
    lintTrainNumber(card.secondTrainNumber, cardColumn(CardField::kSecondTrainNumber),
                    lines.secondLine, true, lines.utf8, out);
  }

  std::stable_sort(out.begin(), out.end(), [](const LintRemark& a, const LintRemark& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  placeInLines(lines, out);
  return out;
}
