#include "tools/card/card_lint.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "card/card_diagnostics.h"
#include "card/card_format.h"
#include "card/card_record.h"
#include "card/line_split.h"
#include "card/number_conversion.h"
#include "card/parser.h"
#include "card/train_number_marks.h"
#include "display/card_fields_read.h"
#include "display/ruva.h"
#include "platform/platform.h"
#include "route/clock_time.h"
#include "route/train_number.h"
#include "tools/card/card_lines.h"
#include "tools/card/card_names.h"
#include "tools/card/card_run_checks.h"
#include "tools/card/card_terms.h"
#include "tools/card/shifted_columns.h"
#include "tools/card/written_forms.h"
#include "tools/common/messages.h"
#include "tools/platform/host_text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string shown(std::string_view bytes) {
  return platform::utf8FromCodePage932(bytes);
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
    case CardFinding::kLowBitsKept:
      return RemarkCode::kLowBitsKept;
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
  if (r.finding == CardFinding::kLowBitsKept) {
    return message(Msg::kWriteByte, {std::to_string(r.format->highest)});
  }
  if (r.finding == CardFinding::kTableFull) {
    return message(Msg::kColAtMostRows,
                   {std::to_string(r.limit), std::to_string(rowNumber(r.row->type))});
  }
  if (r.finding == CardFinding::kUnknownRowType) {
    return message(Msg::kUnknownRowTypeExpected, {rowTypeList()});
  }
  if (r.format == nullptr) return message(Msg::kNoRowTypeExpected);
  if (r.finding == CardFinding::kColumnsMissing) {
    return message(Msg::kWriteColumnsFrom,
                   {std::to_string(r.column), std::to_string(kLastStopColumn)});
  }
  return columnFix(r.format->field, r.text);
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

// How the checker words the parser's remarks on one card.
struct RemarkContext {
  bool utf8 = false;
  bool byteOrderMark = false;
  bool withNotes = false;
};

bool isTextAbsent(CardFinding finding) {
  return finding == CardFinding::kColumnMissing || finding == CardFinding::kTextIsEnd ||
         finding == CardFinding::kTextMissing;
}

// True when a blank field, or one past the row's end, leaves the module with what the
// author meant by leaving it out: a column the display never reads, or a time, which
// then holds no time. A table row that is not taken is never harmless.
bool harmlessGap(const CardRemark& r) {
  if (r.format == nullptr || r.format->onBad == OnBadValue::kRowIgnored) return false;
  if (r.finding == CardFinding::kColumnsMissing) {
    for (const CardColumn& c : r.row->columns) {
      if (c.column >= r.column && displayReads(c.field)) return false;
    }
    return true;
  }
  if (isTextAbsent(r.finding)) return !displayReads(r.format->field);
  return isBadNumber(r.finding) && isBlankField(r.text) &&
         (!displayReads(r.format->field) || r.format->kind == ColumnKind::kTime);
}

// The checker's remark on one remark of the parser; none for what needs no word.
std::optional<LintRemark> remarkFor(const CardRemark& r, const RemarkContext& context) {
  RemarkCode code = codeOf(r.finding);
  const bool note = severityOf(code) == Severity::kNote;
  if (note && !context.withNotes) return std::nullopt;
  // Blank lines, spaces alone included, are harmless wherever they stand.
  if (r.finding == CardFinding::kEmptyLine ||
      (r.column == kRowTypeColumn && isBlankField(r.text))) {
    return std::nullopt;
  }
  // A byte order mark has its own remark; a '#' line is the usual comment.
  if (r.finding == CardFinding::kNoRowType &&
      ((r.line == 1 && context.byteOrderMark) || r.text.substr(0, 1) == "#")) {
    return std::nullopt;
  }
  // A quoted field has a remark of its own row, which names the cause.
  if (harmlessGap(r) || hasQuoteMark(r.text)) return std::nullopt;
  std::string expected = note ? message(Msg::kAsIntended) : expectedFor(r);
  if (isBadNumber(r.finding) || r.finding == CardFinding::kTextAfterNumber ||
      r.finding == CardFinding::kNoRowType) {
    if (const std::optional<std::string> narrow = halfWidthDigits(r.text, context.utf8)) {
      code = RemarkCode::kFullWidthDigits;
      expected = message(Msg::kWriteHalfWidth, {shownField(*narrow, context.utf8)});
    }
  }
  LintRemark out = makeRemark(r.line, r.column, code, insteadFor(r, context.utf8), expected);
  if (!r.text.empty() || r.stored.kind != CardValue::Kind::kNone) {
    out.field = shownField(r.text, context.utf8);
  }
  if (code == RemarkCode::kTableFull) {
    out.args = {std::to_string(r.limit), std::to_string(rowNumber(r.row->type))};
  } else if (code == RemarkCode::kColumnsMissing) {
    out.args = {std::to_string(r.column)};
  } else if (code == RemarkCode::kStopMarkRecomputed) {
    out.args = {std::to_string(r.format->highest), std::to_string(kMarkHour)};
  }
  return out;
}

// True when the parser does not take the row of `r` at all.
bool loosesRow(const CardRemark& r) {
  return r.finding == CardFinding::kTableFull || (isBadNumber(r.finding) && r.format != nullptr &&
                                                  r.format->onBad == OnBadValue::kRowIgnored);
}

// Counts the errors among the parser's remarks, as the checker words them.
class ErrorCount final : public CardDiagnostics {
 public:
  explicit ErrorCount(const RemarkContext& context) : context_(context) {}
  void remark(const CardRemark& r) override {
    const std::optional<LintRemark> remark = remarkFor(r, context_);
    if (remark && severityOf(remark->code) == Severity::kError) ++errors;
  }
  int32_t errors = 0;

 private:
  const RemarkContext& context_;
};

bool isMarkOrNoTime(int32_t stored) {
  if (stored == CardRecord::kNoTime) return true;
  return std::any_of(std::begin(kTimeMarks), std::end(kTimeMarks),
                     [stored](const TimeMark& mark) { return mark.value == stored; });
}

// A time column of a stop row or of the second train (which is not moved past
// midnight). Texts that do not convert are the parser's business.
void lintTime(const CardLines& lines, int32_t line, const CardColumn& column,
              std::vector<LintRemark>& out) {
  const std::string_view text = lines.field(line, column.column);
  int32_t value = 0;
  if (!convertInt(text, value)) return;
  const bool stopRow = column.kind == ColumnKind::kTime;
  // Built only for a remark: almost every time in a card is fine.
  auto expected = [stopRow] {
    return stopRow ? message(Msg::kTimeExpectedStop, {timeMarkList()})
                   : message(Msg::kTimeExpected);
  };
  auto add = [&](RemarkCode code, std::vector<std::string> args, std::string instead,
                 const std::string& fix) {
    LintRemark r = lines.remarkOn(line, column.column, code, std::move(instead), fix);
    r.args = std::move(args);
    out.push_back(std::move(r));
  };
  if (value < 0) {
    add(RemarkCode::kNegativeTime, {}, message(Msg::kReadAsTime), expected());
    return;
  }
  const int32_t stored = stopRow ? storedStopTime(value) : value;
  // The pass mark may be written as any first time in its hour.
  if (isMarkOrNoTime(stored) || (column.field == CardField::kStopTime1 && isHour26Mark(stored))) {
    return;
  }
  const ClockTime time = splitTime(stored);
  auto clock = [&time] {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return std::string(shown);
  };
  if (time.minute >= kNoMinute || time.second >= kNoSecond) {
    add(RemarkCode::kMinutesOver59, {}, message(Msg::kShows, {clock()}), expected());
  } else if (time.hour >= kStopMarkHour && time.hour <= kEndMarkHour) {
    const Msg picture = time.hour == kStopMarkHour ? Msg::kPictureStop
                        : time.hour == kMarkHour   ? Msg::kPictureArrow
                                                   : Msg::kPictureEnd;
    // Most often a time after midnight, written from 24 on as some timetables do.
    char nextDay[48];
    std::snprintf(nextDay, sizeof nextDay, "%02d%02d%02d", time.hour - kNoHour, time.minute,
                  time.second);
    add(RemarkCode::kHourIsMark, {std::to_string(time.hour)},
        message(Msg::kShows, {message(picture)}),
        message(Msg::kWriteAfterMidnight, {nextDay, timeMarkList()}));
  } else if (time.hour > kEndMarkHour) {
    add(RemarkCode::kHourNotHourNorMark, {std::to_string(time.hour)},
        message(Msg::kShows, {clock()}), expected());
  } else {
    // HHMM has three or four digits, HHMMSS five or six (000130 is 00:01:30); four
    // digits hold at most 9999.
    if (value > 9999) return;
    const int32_t digits = writtenDigits(text);
    if (digits != 3 && digits != 4) return;
    const std::optional<std::string> hhmmss = hhmmssOf(text);
    if (!hhmmss) return;
    const std::string fix = message(Msg::kWriteHhmmss, {*hhmmss});
    if (stopRow) {
      add(RemarkCode::kShortTime, {},
          message(Msg::kShortTimeStores, {std::to_string(stored), clock()}), fix);
    } else {
      add(RemarkCode::kShortSecondTrainTime, {},
          message(Msg::kStoresTime, {std::to_string(stored), clock()}), fix);
    }
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

void lintTrainNumber(const CardLines& lines, std::string_view text, const CardColumn& column,
                     int32_t line, bool second, std::vector<LintRemark>& out) {
  const TrainNumberCode code = decodeTrainNumber(text);
  if (const std::optional<int32_t> picture = letterAmongDigits(text, code)) {
    LintRemark r = makeRemark(line, column.column, RemarkCode::kLetterAmongDigits,
                              message(Msg::kDigitPlaceShows, {std::to_string(*picture)}),
                              message(Msg::kTrainNumberExpected));
    r.field = lines.shown(text);
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
  r.field = lines.shown(text);
  out.push_back(std::move(r));
}

bool hasHighByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// The first quoted field of a row, as one remark for the row; a quoted value that holds
// a comma leaves the rest of the row standing off, which that remark explains too.
void lintQuotes(CardLines& lines, int32_t line, std::span<const std::string_view> fields,
                std::vector<LintRemark>& causes) {
  std::size_t first = fields.size();
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (!hasQuoteMark(fields[k])) continue;
    lines.remarked.insert({line, static_cast<int32_t>(k)});
    first = std::min(first, k);
  }
  if (first == fields.size()) return;
  const std::size_t k = first;
  const std::optional<std::string> inner = unquotedField(fields[k]);
  const bool split = !inner && fields[k].find('"') == fields[k].find_first_not_of(" \t");
  if (split) lines.slipped.insert(line);
  const auto column = static_cast<int32_t>(k);
  const std::string fix = inner ? message(Msg::kWriteUnquoted, {lines.shown(*inner)})
                                : message(Msg::kSaveWithoutQuotes);
  causes.push_back(lines.remarkOn(line, column, RemarkCode::kQuotedField,
                                  message(split ? Msg::kQuotesSplit : Msg::kQuotesKept), fix));
}

// The rows that a table may take, before the parser says which it did.
struct TableCandidates {
  std::vector<int32_t> events;
  std::vector<int32_t> ranges;
};

// The checker's own walk of the lines, as the parse hands them over: what the parser
// says nothing of (a byte order mark, UTF-8 text, a lone CR, quoted fields), and where
// the rows stand that the module may take.
class LineWalk {
 public:
  LineWalk(std::string_view bytes, CardLines& lines, TableCandidates& tables,
           std::vector<LintRemark>& out, std::vector<LintRemark>& causes)
      : lines_(lines), tables_(tables), out_(out), causes_(causes) {
    const std::string_view text = bytes.substr(bytes.substr(0, 3) == kByteOrderMark ? 3 : 0);
    lines_.utf8 = hasHighByte(text) && isUtf8(text);
    // Every line and field is kept. Room for those of a usual card, whose lines run to a
    // few dozen bytes and whose fields to a few, spares regrowing the lists line by line.
    lines_.reserve(bytes.size() / 16 + 1, bytes.size() / 2 + 1);
  }

  void add(int32_t number, std::string_view line, std::span<const std::string_view> fields) {
    lines_.addLine(line, fields);
    if (number == 1 && line.substr(0, 3) == kByteOrderMark) {
      LintRemark r = makeRemark(1, kRowTypeColumn, RemarkCode::kByteOrderMark,
                                message(Msg::kFirstRowIgnored), message(Msg::kShiftJisNoMark));
      r.field = lines_.shown(fields[kRowTypeColumn].substr(kByteOrderMark.size()));
      out_.push_back(std::move(r));
    }
    const bool lineHasCr = line.find('\r') != std::string_view::npos;
    const bool untold = (lines_.utf8 && !utf8Told_) || (lineHasCr && !crTold_);
    for (std::size_t k = 0; untold && k < fields.size(); ++k) {
      std::string_view field = fields[k];
      if (number == 1 && k == kRowTypeColumn && field.substr(0, 3) == kByteOrderMark) {
        field.remove_prefix(3);
      }
      if (lines_.utf8 && !utf8Told_ && hasHighByte(field)) {
        utf8Told_ = true;
        LintRemark r = makeRemark(number, static_cast<int32_t>(k), RemarkCode::kTextInUtf8,
                                  message(Msg::kReadAsShiftJis), message(Msg::kSavedInShiftJis));
        r.field = std::string(field);
        out_.push_back(std::move(r));
      }
      if (lineHasCr && !crTold_ && field.find('\r') != std::string_view::npos) {
        crTold_ = true;
        out_.push_back(makeRemark(number, static_cast<int32_t>(k), RemarkCode::kLoneCr,
                                  message(Msg::kLinesRunTogether), message(Msg::kLineEnds)));
      }
    }
    int32_t type = -1;
    const RowFormat* format =
        !fields.empty() && convertInt(fields[kRowTypeColumn], type) ? rowFormat(type) : nullptr;
    // A quoted row type hides a row that is meant; other rows are no rows at all. Most
    // lines hold no quote mark anywhere.
    if (line.find('"') != std::string_view::npos &&
        (format != nullptr || (!fields.empty() && hasQuoteMark(fields[kRowTypeColumn])))) {
      lintQuotes(lines_, number, fields, causes_);
    }
    if (format == nullptr) return;
    const RowType row = format->type;
    if (row == RowType::kHeader) lines_.headerLine = number;
    if (row == RowType::kTrainNumber) lines_.trainLine = number;
    if (row == RowType::kSecondTrain) lines_.secondLine = number;
    if (row == RowType::kEvent) tables_.events.push_back(number);
    if (row == RowType::kRange) tables_.ranges.push_back(number);
    if (row == RowType::kStop && lines_.stopLines.size() < kStopLimit) {
      lines_.stopLines.push_back(number);
    }
  }

 private:
  static constexpr auto kStopLimit = static_cast<std::size_t>(rowFormat(RowType::kStop).limit);

  CardLines& lines_;
  TableCandidates& tables_;
  std::vector<LintRemark>& out_;
  std::vector<LintRemark>& causes_;
  bool utf8Told_ = false;
  bool crTold_ = false;
};

// Turns the parser's remarks into the checker's, noting the rows it did not take.
class ParserRemarks final : public CardDiagnostics {
 public:
  ParserRemarks(const RemarkContext& context, LineWalk& walk, std::vector<int32_t>& ignoredRows,
                std::vector<LintRemark>& out)
      : context_(context), walk_(walk), ignoredRows_(ignoredRows), out_(out) {}

  // Each line comes before the parser's remarks on it, as the walk's remarks did when it
  // split the lines itself ahead of the parse.
  void line(int32_t number, std::string_view text,
            std::span<const std::string_view> fields) override {
    walk_.add(number, text, fields);
  }

  void remark(const CardRemark& r) override {
    if (loosesRow(r)) ignoredRows_.push_back(r.line);
    if (std::optional<LintRemark> remark = remarkFor(r, context_)) {
      if (severityOf(remark->code) == Severity::kError) ++errorsOnLine[r.line];
      out_.push_back(std::move(*remark));
    }
  }

  std::map<int32_t, int32_t> errorsOnLine;  // the errors among them, by line

 private:
  const RemarkContext& context_;
  LineWalk& walk_;
  std::vector<int32_t>& ignoredRows_;
  std::vector<LintRemark>& out_;
};

// The rows of `candidates` that their table took: all but those the parser ignored, up
// to the table's limit.
std::vector<int32_t> takenRows(const std::vector<int32_t>& candidates,
                               const std::vector<int32_t>& ignored, RowType type) {
  std::vector<int32_t> taken;
  const auto limit = static_cast<std::size_t>(rowFormat(type).limit);
  for (int32_t line : candidates) {
    if (taken.size() < limit && std::find(ignored.begin(), ignored.end(), line) == ignored.end()) {
      taken.push_back(line);
    }
  }
  return taken;
}

// The time remarks of the stop rows and the second train, which the parser does not
// make: it takes any integer as a time.
void lintTimes(const CardLines& lines, std::vector<LintRemark>& out) {
  std::vector<std::pair<int32_t, RowType>> rows;
  for (int32_t line : lines.stopLines) rows.emplace_back(line, RowType::kStop);
  if (lines.secondLine != 0) rows.emplace_back(lines.secondLine, RowType::kSecondTrain);
  for (const auto& [line, type] : rows) {
    for (const CardColumn& c : rowFormat(type).columns) {
      if (c.kind == ColumnKind::kTime || c.kind == ColumnKind::kPlainTime) {
        lintTime(lines, line, c, out);
      }
    }
  }
}

// Stop rows whose later columns stand one off: one remark naming the slip replaces the
// remarks on the columns it spoils.
// `errorsOnLine` holds the errors that the parse of the whole card found on each line.
void lintSlips(CardLines& lines, const RemarkContext& context,
               const std::map<int32_t, int32_t>& errorsOnLine, std::vector<LintRemark>& causes) {
  const LineErrors errors = [&context](std::string_view line) {
    ErrorCount count(context);
    parseCardText(line, &count);
    return count.errors;
  };
  std::vector<std::string_view> fields;
  for (int32_t line : lines.stopLines) {
    if (lines.slipped.count(line) > 0) continue;
    const std::span<const std::string_view> read = lines.fieldsOf(line);
    fields.assign(read.begin(), read.end());
    // A stop row's remarks depend on its fields alone, so the whole card's parse counted
    // its errors already; but fields that end in an empty one read back one fewer once
    // joined again, and are counted as they read back.
    std::optional<int32_t> rowErrors;
    if (fields.empty() || !fields.back().empty()) {
      const auto counted = errorsOnLine.find(line);
      rowErrors = counted != errorsOnLine.end() ? counted->second : 0;
    }
    const std::optional<ColumnSlip> slip = columnSlip(fields, errors, rowErrors);
    if (!slip) continue;
    lines.slipped.insert(line);
    const CardColumn* column = columnOf(rowFormat(RowType::kStop), slip->column);
    const std::string hint = column != nullptr ? columnHint(column->field) : std::string();
    LintRemark r;
    if (slip->missing) {
      r = makeRemark(line, slip->column, RemarkCode::kColumnSeemsMissing,
                     message(Msg::kLaterColumnsShifted),
                     message(Msg::kWriteMissingColumn, {std::to_string(slip->column), hint}));
    } else {
      const std::optional<std::string> decimal =
          column != nullptr && column->kind == ColumnKind::kReal
              ? std::optional<std::string>(slip->text)
              : std::nullopt;
      std::string fix = message(Msg::kCommaOutOfText);
      if (decimal) {
        std::string point = *decimal;
        point[point.find(',')] = '.';
        fix = message(Msg::kWriteDecimalPoint, {point});
      }
      r = makeRemark(line, slip->column, RemarkCode::kFieldSplit,
                     message(Msg::kLaterColumnsShifted), fix);
      r.field = lines.shown(slip->text);
    }
    r.args = {std::to_string(slip->column)};
    causes.push_back(std::move(r));
  }
}

// Stop rows with fields past the last column whose slip no remark names: a comma typed
// inside a late text moves the columns after it, the last one included.
void lintLongStopRows(const CardLines& lines, std::vector<LintRemark>& causes) {
  const auto last = static_cast<std::size_t>(kLastStopColumn);
  for (int32_t line : lines.stopLines) {
    if (lines.slipped.count(line) > 0) continue;
    const std::span<const std::string_view> fields = lines.fieldsOf(line);
    if (fields.size() <= last + 1) continue;
    LintRemark r = lines.remarkOn(
        line, kLastStopColumn + 1, RemarkCode::kStopRowTooLong,
        message(Msg::kColumnsMoved, {std::to_string(last), lines.shown(fields[last])}),
        message(Msg::kCommaOutOfText));
    r.args = {std::to_string(last + 1)};
    causes.push_back(std::move(r));
  }
}

// A hidden first stop row: the card beacon makes it current all the same, and the run
// then selects it again at every stop.
void lintFirstStop(const CardLines& lines, const CardRecord& card, std::vector<LintRemark>& out) {
  const int32_t hidden = cardColumn(CardField::kStopFlag9).column;
  if (card.stopCount == 0 || !card.stopFlag9[0] || lines.stopLines.empty() ||
      lines.doubtful(lines.stopLines.front(), hidden)) {
    return;
  }
  out.push_back(lines.remarkOn(lines.stopLines.front(), hidden, RemarkCode::kFirstStopHidden,
                               message(Msg::kStaysAtFirstRow),
                               message(Msg::kZeroInFirstRow, {std::to_string(hidden)})));
}

// Remarks on the columns of rows that stand off say nothing the cause does not say.
void dropSymptoms(const CardLines& lines, std::vector<LintRemark>& out) {
  out.erase(std::remove_if(out.begin(), out.end(),
                           [&lines](const LintRemark& r) {
                             return lines.slipped.count(r.line) > 0 &&
                                    r.code != RemarkCode::kByteOrderMark &&
                                    r.code != RemarkCode::kTextInUtf8 &&
                                    r.code != RemarkCode::kLoneCr;
                           }),
            out.end());
}

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

}  // namespace

std::vector<LintRemark> lintCard(std::string_view bytes, std::string_view fileName,
                                 bool withNotes) {
  std::vector<LintRemark> out;
  // Built only for a remark: almost every card has stop rows.
  auto oneStopRowEach = [] {
    return message(Msg::kOneStopRowEach, {std::to_string(rowNumber(RowType::kStop))});
  };
  if (bytes.empty()) {
    out.push_back(
        makeRemark(0, 0, RemarkCode::kEmptyFile, message(Msg::kLeavesCardMode), oneStopRowEach()));
    return out;
  }
  TableCandidates tables;
  std::vector<LintRemark> causes;
  CardLines lines;
  LineWalk walk(bytes, lines, tables, out, causes);
  RemarkContext context;
  context.utf8 = lines.utf8;
  context.byteOrderMark = bytes.substr(0, 3) == kByteOrderMark;
  context.withNotes = withNotes;
  std::vector<int32_t> ignoredRows;
  ParserRemarks parserRemarks(context, walk, ignoredRows, out);
  // The display that runs the card later holds the parse itself: a card is too large
  // to copy for that. Every member of the display has an initialiser of its own, so
  // zeroing it all before them would be wasted.
  const auto display = std::make_unique_for_overwrite<CRuva>();
  display->card = parseCardText(bytes, &parserRemarks);
  const CardRecord& card = display->card;
  lines.eventLines = takenRows(tables.events, ignoredRows, RowType::kEvent);
  lines.rangeLines = takenRows(tables.ranges, ignoredRows, RowType::kRange);
  lintTimes(lines, out);
  for (const LintRemark& r : out) {
    if (severityOf(r.code) != Severity::kNote) lines.remarked.insert({r.line, r.column});
  }
  lintSlips(lines, context, parserRemarks.errorsOnLine, causes);
  lintLongStopRows(lines, causes);
  dropSymptoms(lines, out);
  out.insert(out.end(), causes.begin(), causes.end());

  if (card.stopCount == 0) {
    out.push_back(
        makeRemark(0, 0, RemarkCode::kNoStopRows, message(Msg::kLeavesCardMode), oneStopRowEach()));
  }
  lintCardRun(*display, lines, out);
  lintFirstStop(lines, card, out);
  const CardColumn& train = cardColumn(CardField::kTrainNumber);
  if (lines.trainLine == 0) {
    out.push_back(makeRemark(
        0, 0, RemarkCode::kNoTrainNumber, message(Msg::kShowsNull),
        message(Msg::kTrainRowExpected, {std::to_string(rowNumber(RowType::kTrainNumber))})));
  } else {
    lintTrainNumber(lines, card.trainNumber, train, lines.trainLine, false, out);
    const std::optional<int32_t> code = cardCodeForFileName(fileName, -1);
    const std::string named = code ? trainNumberOfCardCode(*code) : std::string();
    if (code && card.trainNumber != named) {
      LintRemark r = makeRemark(lines.trainLine, train.column, RemarkCode::kTrainNumberNotFileName,
                                message(Msg::kCardCodeLoads, {std::to_string(*code)}),
                                message(Msg::kAsFileNameSays, {shown(named)}));
      r.field = lines.shown(card.trainNumber);
      out.push_back(std::move(r));
    }
  }
  if (lines.secondLine != 0) {
    lintTrainNumber(lines, card.secondTrainNumber, cardColumn(CardField::kSecondTrainNumber),
                    lines.secondLine, true, out);
  }

  std::stable_sort(out.begin(), out.end(), [](const LintRemark& a, const LintRemark& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  placeInLines(lines, out);
  return out;
}
