#include "tools/card/card_run_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "card/card_format.h"
#include "card/csv_reader.h"
#include "card/number_conversion.h"
#include "display/frame_rules.h"
#include "display/ruva.h"
#include "display/stop_values.h"
#include "tools/card/card_times.h"
#include "tools/card/written_forms.h"
#include "tools/common/messages.h"

namespace {

constexpr double kMetresPerKm = 1000.0;
constexpr double kEndless = std::numeric_limits<double>::infinity();
// Every window of an event lies within this many metres of its start; the search for a
// run in which it opens tries each metre of that stretch.
constexpr int32_t kSearchAroundStart = 2000;
// A standing train and a fast one: between them they open every window of an event.
constexpr double kSpeedsKmh[] = {0.0, 100.0};

constexpr std::size_t kFieldCount = [] {
  std::size_t count = 0;
  for (const RowFormat& format : kRowFormats) {
    for (const CardColumn& c : format.columns) {
      count = std::max(count, static_cast<std::size_t>(c.field) + 1);
    }
  }
  return count;
}();

// The column of every card field, found in the card format once: the checks ask for
// columns per stop row, and a search of the format each time costs more than they do.
constexpr std::array<int32_t, kFieldCount> kFieldColumns = [] {
  std::array<int32_t, kFieldCount> columns{};
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    columns[f] = cardColumn(static_cast<CardField>(f)).column;
  }
  return columns;
}();

int32_t fieldColumn(CardField field) {
  return kFieldColumns[static_cast<std::size_t>(field)];
}

std::string number(int64_t value) {
  return std::to_string(value);
}

// One stop row as the run from the first stop meets it.
struct StopRun {
  bool current = false;  // it becomes the current stop
  double metres = 0.0;   // the run from it to the next stop change; endless after the last
  int32_t ahead = -1;    // the stop that the change makes current
};

// The run from the first stop row as the display's stop selection makes it: each stop
// change selects the stop ahead of the current one. The row count of the list does not
// matter to that, so the display's default is taken.
std::vector<StopRun> runFromFirstStop(CRuva& display) {
  const int32_t count = display.card.stopCount;
  std::vector<StopRun> runs(static_cast<std::size_t>(count));
  int32_t k = 0;
  while (k >= 0 && k < count && !runs[static_cast<std::size_t>(k)].current) {
    display.selectStop(k);
    const int32_t ahead = display.stopAhead();
    StopRun& run = runs[static_cast<std::size_t>(k)];
    run.current = true;
    run.metres = ahead < 0 ? kEndless : std::max(0.0, display.stopRemain);
    run.ahead = ahead;
    k = ahead;
  }
  return runs;
}

// True when the event window of `type` from `start` to `end` (metres past its stop)
// opens at some run from 0 to `length` metres.
bool eventOpens(int32_t type, double start, double end, double length) {
  auto opensAt = [&](double run) {
    if (run < 0.0 || run > length) return false;
    return std::any_of(std::begin(kSpeedsKmh), std::end(kSpeedsKmh), [&](double speed) {
      return eventWindowHolds(type, start, end, run, speed);
    });
  };
  if (opensAt(0.0) || opensAt((start + end) / 2.0) || opensAt(end) ||
      (std::isfinite(length) && opensAt(length))) {
    return true;
  }
  // Outwards from the start, where windows mostly open; the same metres either way.
  for (int32_t d = 0; d <= kSearchAroundStart; ++d) {
    if (opensAt(start + d) || (d > 0 && opensAt(start - d))) return true;
  }
  return false;
}

// The km posts (metres) that the km post passes in one section.
struct KmSpan {
  double low;
  double high;
};

// Each section runs from its row's km post by its length, up or down; the last row is a
// point of its own.
std::vector<KmSpan> kmSpans(const CardRecord& card) {
  std::vector<KmSpan> spans;
  const int32_t count = card.stopCount;
  for (int32_t k = 0; k < count; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const double post = card.stopKmPost[i] * kMetresPerKm;
    const double length =
        k + 1 < count ? std::max(0.0, card.stopDistanceKm[i] * kMetresPerKm) : 0.0;
    if (card.stopKmCountDown[i]) {
      spans.push_back({std::max(0.0, post - length), post});
    } else {
      spans.push_back({post, post + length});
    }
  }
  return spans;
}

bool kmRangeOpens(double start, double end, const std::vector<KmSpan>& spans) {
  return std::any_of(spans.begin(), spans.end(), [&](const KmSpan& span) {
    const double low = std::max(std::min(start, end), span.low);
    const double high = std::min(std::max(start, end), span.high);
    return low <= high && kmRangeHolds(start, end, (low + high) / 2.0);
  });
}

class RunChecks {
 public:
  RunChecks(CRuva& display, const CardLines& lines, std::vector<LintRemark>& out)
      : card_(display.card),
        lines_(lines),
        out_(out),
        count_(std::min<int32_t>(card_.stopCount, static_cast<int32_t>(lines.stopLines.size()))),
        runs_(runFromFirstStop(display)) {
    for (int32_t k = 0; k < count_; ++k) {
      flagsKnown_ = flagsKnown_ && lines_.slipped.count(stopLine(k)) == 0 &&
                    !lines_.doubtful(stopLine(k), fieldColumn(CardField::kStopFlag9));
    }
  }

  void all() {
    sections();
    kmPosts();
    times();
    stopValues();
    events();
    ranges();
  }

 private:
  int32_t stopLine(int32_t k) const { return lines_.stopLines[static_cast<std::size_t>(k)]; }

  // True when the stop row holds `field` as the author wrote it.
  bool written(int32_t k, CardField field) const {
    const int32_t column = fieldColumn(field);
    return lines_.hasField(stopLine(k), column) && !lines_.doubtful(stopLine(k), column);
  }

  void add(int32_t line, CardField field, RemarkCode code, std::string instead,
           std::string expected, std::vector<std::string> args = {}) {
    LintRemark r =
        lines_.remarkOn(line, fieldColumn(field), code, std::move(instead), std::move(expected));
    r.args = std::move(args);
    out_.push_back(std::move(r));
  }

  void sections() {
    for (int32_t k = 0; k + 1 < count_; ++k) {
      if (!written(k, CardField::kStopDistanceKm)) continue;
      const double length = card_.stopDistanceKm[static_cast<std::size_t>(k)];
      if (length == 0.0) {
        add(stopLine(k), CardField::kStopDistanceKm, RemarkCode::kZeroSection,
            message(Msg::kReachedAtOnce), message(Msg::kSectionToNext));
      } else if (length < 0.0) {
        add(stopLine(k), CardField::kStopDistanceKm, RemarkCode::kNegativeSection,
            message(Msg::kSelectedAtStand), message(Msg::kSectionToNext));
      }
    }
  }

  void kmPosts() {
    const int32_t direction = fieldColumn(CardField::kStopKmCountDown);
    for (int32_t k = 0; k + 1 < count_; ++k) {
      const auto i = static_cast<std::size_t>(k);
      const double length = card_.stopDistanceKm[i];
      if (!written(k, CardField::kStopKmPost) || !written(k + 1, CardField::kStopKmPost) ||
          !written(k, CardField::kStopDistanceKm) || !written(k, CardField::kStopKmCountDown) ||
          length <= 0.0) {
        continue;
      }
      const double from = card_.stopKmPost[i];
      const double to = card_.stopKmPost[i + 1];
      const bool down = card_.stopKmCountDown[i];
      if (down ? to > from : to < from) {
        add(stopLine(k), CardField::kStopKmCountDown, RemarkCode::kKmPostsAgainstDirection,
            message(down ? Msg::kKmPostCountsDown : Msg::kKmPostCountsUp,
                    {kilometres(from), kilometres(to)}),
            message(Msg::kWriteKmDirection, {down ? "1" : "0", number(direction)}));
      } else if (std::fabs(std::fabs(to - from) - length) > kKmPostTolerance + 1e-9) {
        add(stopLine(k), CardField::kStopDistanceKm, RemarkCode::kSectionDisagreesWithKmPosts,
            message(Msg::kKmPostsApart,
                    {kilometres(from), kilometres(to), kilometres(std::fabs(to - from))}),
            message(Msg::kWriteSectionOf, {kilometres(std::fabs(to - from))}),
            {kilometres(kKmPostTolerance)});
      }
    }
  }

  // Each stop's arrival before its departure, and each row not before the row above;
  // a time more than half a day earlier is one of the next day.
  void times() {
    std::optional<int64_t> before;
    for (int32_t k = 0; k < count_; ++k) {
      const auto i = static_cast<std::size_t>(k);
      auto clock = [&](CardField field, int32_t time) {
        return written(k, field) ? cardClockMs(time) : std::nullopt;
      };
      std::optional<int64_t> arrival = clock(CardField::kStopTime1, card_.stopTime1[i]);
      std::optional<int64_t> departure = clock(CardField::kStopTime2, card_.stopTime2[i]);
      const CardField first = arrival ? CardField::kStopTime1 : CardField::kStopTime2;
      std::optional<int64_t>& earliest = arrival ? arrival : departure;
      if (earliest && before) {
        earliest = onRunningDay(*earliest, *before);
        if (*earliest < *before) {
          add(stopLine(k), first, RemarkCode::kEarlierThanRowBefore, message(Msg::kListedAfter),
              message(Msg::kRowsInOrder));
        }
      }
      if (arrival && departure) {
        departure = onRunningDay(*departure, *arrival);
        if (*departure < *arrival) {
          add(stopLine(k), CardField::kStopTime2, RemarkCode::kDepartureBeforeArrival,
              message(Msg::kLeavesBeforeArriving), message(Msg::kArrivalFirst));
        }
      }
      if (departure) {
        before = departure;
      } else if (arrival) {
        before = arrival;
      }
    }
  }

  // The cue of each stop, and the values that the lists show otherwise than written.
  void stopValues() {
    for (int32_t k = 0; k < count_; ++k) {
      const auto i = static_cast<std::size_t>(k);
      const int32_t line = stopLine(k);
      const int32_t cue = card_.stopCol11[i];
      if (written(k, CardField::kStopCol11) && cue != 0 && cue != kFirstArrivalCue &&
          cue != kSecondArrivalCue) {
        add(line, CardField::kStopCol11, RemarkCode::kCueWithoutSound, message(Msg::kNoSound),
            message(Msg::kWriteCue, {number(kFirstArrivalCue), number(kSecondArrivalCue)}),
            {number(cue)});
      }
      const int32_t attr = card_.stopAttr[i];
      if (written(k, CardField::kStopAttr) && shownAttribute(attr) != attr) {
        add(line, CardField::kStopAttr, RemarkCode::kShownOtherwise,
            message(Msg::kListsShow, {number(shownAttribute(attr))}),
            message(Msg::kWriteZeroOrMore));
      }
      const int32_t gap = card_.stopGapSec[i];
      const int32_t minutes = shownGapMinutes(gap);
      const int32_t seconds = shownGapSeconds(gap);
      if (written(k, CardField::kStopGapSec) && minutes * 60 + seconds != gap) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%d:%02d", minutes, seconds);
        add(line, CardField::kStopGapSec, RemarkCode::kShownOtherwise,
            message(Msg::kRunningTimeShows, {shown}), message(Msg::kWriteZeroOrMore));
      }
      if (written(k, CardField::kStopText5)) {
        numberText(line, CardField::kStopText5, card_.stopText5[i]);
      }
    }
    const int32_t header = fieldColumn(CardField::kHeaderText);
    if (lines_.headerLine != 0 && lines_.hasField(lines_.headerLine, header) &&
        !lines_.doubtful(lines_.headerLine, header)) {
      numberText(lines_.headerLine, CardField::kHeaderText, card_.headerText);
    }
  }

  // A text that the display shows only as the number at its front.
  void numberText(int32_t line, CardField field, const std::string& text) {
    if (isBlankField(text) || text == kNullEntry) return;
    int32_t written = 0;
    const bool number = convertInt(text, written);
    int32_t shownNumber = 0;
    if (field == CardField::kStopText5) {
      stopTextNumber(text, shownNumber);
    } else {
      shownNumber = leadingInt(text);
    }
    if (number && shownNumber == written) return;
    if (const std::optional<std::string> narrow = halfWidthDigits(text, lines_.utf8)) {
      add(line, field, RemarkCode::kFullWidthDigits, message(Msg::kDisplayShows, {"0"}),
          message(Msg::kWriteHalfWidth, {lines_.shown(*narrow)}));
      return;
    }
    add(line, field, RemarkCode::kShownOtherwise,
        message(Msg::kDisplayShows, {std::to_string(shownNumber)}),
        message(number ? Msg::kWriteZeroOrMore : Msg::kBeginWithNumber));
  }

  // The current stop nearest before row `k`, for a hint; the first one when none is.
  int32_t currentStopNear(int32_t k) const {
    for (int32_t j = std::min(k, count_ - 1); j >= 0; --j) {
      if (runs_[static_cast<std::size_t>(j)].current) return j;
    }
    return 0;
  }

  // False, with a remark, when the stop row that an entry names is never current; false
  // without one when the rows' flags are not known as written.
  bool namesCurrentStop(int32_t line, CardField field, int32_t k, Msg instead) {
    if (!flagsKnown_) return false;
    if (runs_[static_cast<std::size_t>(k)].current) return true;
    const std::string hint = message(Msg::kNameCurrentRow, {number(currentStopNear(k))});
    if (card_.stopFlag9[static_cast<std::size_t>(k)]) {
      add(line, field, RemarkCode::kEntryOnHiddenRow, message(instead), hint);
    } else {
      add(line, field, RemarkCode::kEntryOnRowNeverCurrent, message(instead), hint, {number(k)});
    }
    return false;
  }

  bool namesStopRow(int32_t line, CardField field, int32_t k) {
    if (k >= 0 && k < count_) return true;
    add(line, field, RemarkCode::kNamesMissingStopRow, message(Msg::kNeverApplies),
        message(Msg::kStopRowNumbers, {number(count_ - 1)}));
    return false;
  }

  // True when the sections run from stop `k` to the next stop change are written and
  // longer than 0; a section of 0 or less has a remark of its own.
  bool sectionsWritten(int32_t k) const {
    const int32_t ahead = runs_[static_cast<std::size_t>(k)].ahead;
    for (int32_t j = k; j < (ahead < 0 ? count_ - 1 : ahead); ++j) {
      if (!written(j, CardField::kStopDistanceKm) ||
          card_.stopDistanceKm[static_cast<std::size_t>(j)] <= 0.0) {
        return false;
      }
    }
    return true;
  }

  // True when none of the columns of the row's format is doubtful.
  bool rowWritten(int32_t line, RowType type) const {
    for (const CardColumn& c : rowFormat(type).columns) {
      if (lines_.doubtful(line, c.column)) return false;
    }
    return true;
  }

  void events() {
    for (std::size_t i = 0; i < lines_.eventLines.size(); ++i) {
      const int32_t line = lines_.eventLines[i];
      const int32_t k = card_.eventStopIndex[i];
      const int32_t kind = card_.eventType[i];
      if (!namesStopRow(line, CardField::kEventStopIndex, k)) continue;
      if (kind < 0 || kind >= kEventTypes) {
        add(line, CardField::kEventType, RemarkCode::kEventTypeWithoutWindow,
            message(Msg::kNeverOpens), message(Msg::kEventTypeRange, {number(kEventTypes - 1)}),
            {number(kind), number(kEventTypes - 1)});
        continue;
      }
      if (!rowWritten(line, RowType::kEvent) ||
          !namesCurrentStop(line, CardField::kEventStopIndex, k, Msg::kWindowNeverOpens)) {
        continue;
      }
      const double start = card_.eventStartKm[i] * kMetresPerKm;
      const double end = card_.eventEndKm[i] * kMetresPerKm;
      const double run = runs_[static_cast<std::size_t>(k)].metres;
      if (!eventOpens(kind, start, end, kEndless)) {
        add(line, CardField::kEventStartKm, RemarkCode::kEmptyWindow,
            message(Msg::kWindowNeverOpens),
            message(Msg::kStartBeforeEnd,
                    {kilometres(card_.eventEndKm[i]), kilometres(card_.eventStartKm[i])}));
      } else if (sectionsWritten(k) && !eventOpens(kind, start, end, run)) {
        const std::string runKm = kilometres(run / kMetresPerKm);
        add(line, CardField::kEventStartKm, RemarkCode::kWindowOutsideRun,
            message(Msg::kTrainRunsKm, {runKm}), message(Msg::kCountFromStopRow, {runKm}),
            {number(k)});
      }
    }
  }

  void ranges() {
    const std::vector<KmSpan> spans = kmSpans(card_);
    double low = kEndless;
    double high = -kEndless;
    bool known = count_ > 0;
    for (int32_t k = 0; k < count_; ++k) {
      known = known && written(k, CardField::kStopKmPost) &&
              written(k, CardField::kStopKmCountDown) &&
              (k + 1 == count_ || written(k, CardField::kStopDistanceKm));
    }
    for (const KmSpan& span : spans) {
      low = std::min(low, span.low / kMetresPerKm);
      high = std::max(high, span.high / kMetresPerKm);
    }
    for (std::size_t i = 0; i < lines_.rangeLines.size(); ++i) {
      const int32_t line = lines_.rangeLines[i];
      const int32_t k = card_.rangeStopIndex[i];
      if (namesStopRow(line, CardField::kRangeStopIndex, k)) {
        namesCurrentStop(line, CardField::kRangeStopIndex, k, Msg::kStopWindowNeverOpens);
      }
      if (!rowWritten(line, RowType::kRange)) continue;
      const double start = card_.rangeStartKm[i] * kMetresPerKm;
      const double end = card_.rangeEndKm[i] * kMetresPerKm;
      if (start == end) {
        add(line, CardField::kRangeStartKm, RemarkCode::kEmptyWindow,
            message(Msg::kRangeNeverOpens), message(Msg::kDifferentEnds));
      } else if (known && !kmRangeOpens(start, end, spans)) {
        add(line, CardField::kRangeStartKm, RemarkCode::kKmRangeOutsideRun,
            message(Msg::kKmPostsReach, {kilometres(low), kilometres(high)}),
            message(Msg::kRangeInKmPosts, {kilometres(low), kilometres(high)}));
      }
    }
  }

  const CardRecord& card_;
  const CardLines& lines_;
  std::vector<LintRemark>& out_;
  int32_t count_;
  std::vector<StopRun> runs_;
  bool flagsKnown_ = true;  // every stop row's hidden flag as written
};

}  // namespace

std::string kilometres(double km) {
  char text[48];
  std::snprintf(text, sizeof text, "%.3f", km);
  std::string shown(text);
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  return shown == "-0" ? "0" : shown;
}

void lintCardRun(CRuva& display, const CardLines& lines, std::vector<LintRemark>& out) {
  RunChecks(display, lines, out).all();
}
