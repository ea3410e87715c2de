#include "tools/drive/drive_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "base/blank_values.h"
#include "card/card_format.h"
#include "display/frame_rules.h"
#include "platform/platform.h"
#include "plugin/beacon_intake.h"
#include "plugin/panel_layout.h"
#include "plugin/settings.h"
#include "route/clock_time.h"
#include "tools/card/card_row_lines.h"
#include "tools/common/messages.h"
#include "tools/drive/card_drive.h"
#include "tools/drive/linked_module.h"
#include "tools/host/display_codes.h"
#include "tools/host/panel_view.h"
#include "tools/host/scenario.h"
#include "tools/host/scenario_runner.h"

namespace {

using Rows = std::vector<int32_t>;  // card stop rows, ascending

// The sound value of a cue that starts in this frame.
constexpr int32_t kCueStarted = 1;
// One frame at standstill that lets every row of the lists come up after a change of stop.
constexpr int32_t kSettleMs = kRevealComplete + kRevealRowInterval;
// The km post shows hundreds of metres; a km range counts as reached that near its ends.
constexpr double kKmShownStep = 0.1;

// What the display shows of the stops: the lists, the last stop and the next, dest and
// info records, as the layout in force carries them.
struct StopContent {
  std::vector<ListRow> rows;
  ListRow lastStop;
  std::optional<StopRecord> next;
  std::optional<StopRecord> dest;
  std::optional<StopRecord> info;
  std::optional<int32_t> infoIndex;
  bool operator==(const StopContent&) const = default;
};

StopContent stopContent(const PanelView& v) {
  return {v.rows, v.lastStop, v.next, v.dest, v.info, v.infoIndex};
}

// The display right after card row `row` was made the current stop.
struct Signature {
  int32_t row;
  StopContent content;
  int32_t progressCode;
};

// A time cell as a key: hour (INT_MIN where the layout shows none), minute, second, and
// whether the second is in fives.
using CellKey = std::array<int32_t, 4>;

CellKey cellKey(const TimeCell& c) {
  return {c.hour.value_or(INT_MIN), c.minute.value_or(INT_MIN), c.second.value_or(INT_MIN),
          c.secondsInFives ? 1 : 0};
}

TimeCell cellOf(const CellKey& k) {
  auto part = [](int32_t v) { return v == INT_MIN ? std::nullopt : std::optional<int32_t>(v); };
  return {part(k[0]), part(k[1]), part(k[2]), k[3] != 0};
}

// The sound index that carries cue slot `slot`; -1 for none.
int soundIndexOf(int32_t slot) {
  const int32_t cue = soundOutOfCueSlot(slot);
  for (const panel::SoundSlot& s : panel::kSoundSlots) {
    if (s.cue == cue) return s.index;
  }
  return -1;
}

bool contains(const Rows& rows, int32_t row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

std::string column(CardField field) {
  return std::to_string(cardColumn(field).column);
}

std::string kmText(double km) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, km);
  return std::string(text, end.ptr);
}

// The module made to show each listed row of the card as the current stop in turn, from
// its first to its last, as a drive makes them: the card beacon selects the first, the
// stop-select beacon the others, each followed by one frame at standstill.
std::vector<Signature> signatures(const ModuleApi& api, const std::string& moduleFile,
                                  const DrivePlan& plan, const Layout& layout) {
  restartLinkedModule(moduleFile);
  api.Load();
  api.SetVehicleSpec(VehicleSpecRecord{});
  api.Initialize(0);
  std::array<int32_t, kPanelSize> panel{};
  std::array<int32_t, kSoundSize> sound{};
  VehicleStateRecord state{};
  std::vector<Signature> out;
  auto select = [&](int32_t type, int32_t data, int32_t row) {
    BeaconRecord beacon{};
    beacon.type = type;
    beacon.data = data;
    api.SetBeaconData(beacon);
    state.time += kSettleMs;
    api.Elapse(state, panel.data(), sound.data());
    const PanelView view = decodePanel(layout, panel, sound);
    out.push_back({row, stopContent(view), view.progressCode});
  };
  select(kCardBeaconType, plan.code, 0);
  for (std::size_t r = 1; r < plan.rows.size(); ++r) {
    if (plan.rows[r].pass == RowPass::kHidden) continue;
    select(kSelectStopBeaconType, static_cast<int32_t>(r), static_cast<int32_t>(r));
  }
  return out;
}

// Follows the drive frame by frame: where the display is (the rows whose signature it
// shows), every cue that starts, and every time cell it shows.
class DriveWatch final : public RunObserver {
 public:
  // From frame `from` on, the display is at `rows`.
  struct Segment {
    uint64_t from;
    Rows rows;
  };
  struct Cue {
    uint64_t frame;
    int index;                // sound index
    std::optional<double> km;  // the km post shown, for the km range cue
  };

  explicit DriveWatch(const std::vector<Signature>& signatures)
      : signatures_(signatures), kmCue_(soundIndexOf(kKmRangeCueSlot)) {}

  void frameDone(const ScenarioRunner& runner) override {
    const uint64_t frame = runner.frames();
    std::optional<PanelView> view;
    if (!seen_ || runner.panel() != panel_) {
      seen_ = true;
      panel_ = runner.panel();
      view = runner.view();
      place(*view, frame);
    }
    if (matching_) lastMatch_ = frame;
    for (const panel::SoundSlot& slot : panel::kSoundSlots) {
      if (runner.sound()[static_cast<std::size_t>(slot.index)] != kCueStarted) continue;
      Cue cue{frame, slot.index, std::nullopt};
      if (slot.index == kmCue_) {
        if (!view) view = runner.view();
        if (view->kmHigh != kNoKmWhole && view->kmLow != kNoKmTenths) {
          cue.km = view->kmHigh + view->kmLow * kKmShownStep;
        }
      }
      cues_.push_back(cue);
    }
  }
  void beaconPassed(uint64_t, int32_t, int32_t, const std::string&) override {}
  void expectationFailed(uint64_t, const RunFailure&) override {}

  const Rows& now() const { return current_; }
  const std::vector<Segment>& segments() const { return segments_; }
  const std::vector<Cue>& cues() const { return cues_; }
  const std::set<CellKey>& cells() const { return cells_; }

  // Where the display is at frame `frame`.
  Rows at(uint64_t frame) const {
    Rows rows;
    for (const Segment& s : segments_) {
      if (s.from > frame) break;
      rows = s.rows;
    }
    return rows;
  }

  // Every row the display is at somewhere from frame `first` to frame `last`.
  Rows during(uint64_t first, uint64_t last) const {
    std::set<int32_t> rows;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      const uint64_t end = i + 1 < segments_.size() ? segments_[i + 1].from : UINT64_MAX;
      if (segments_[i].from <= last && end > first)
        rows.insert(segments_[i].rows.begin(), segments_[i].rows.end());
    }
    return Rows(rows.begin(), rows.end());
  }

 private:
  void place(const PanelView& view, uint64_t frame) {
    const StopContent content = stopContent(view);
    for (const ListRow& row : content.rows) {
      cells_.insert(cellKey(row.time1));
      cells_.insert(cellKey(row.time2));
    }
    cells_.insert(cellKey(content.lastStop.time1));
    cells_.insert(cellKey(content.lastStop.time2));
    for (const std::optional<StopRecord>& record : {content.next, content.dest, content.info}) {
      if (record) cells_.insert(cellKey(record->time));
    }
    Rows found;
    Rows exact;
    for (const Signature& s : signatures_) {
      if (!(s.content == content)) continue;
      found.push_back(s.row);
      if (s.progressCode == view.progressCode) exact.push_back(s.row);
    }
    const bool wasMatching = matching_;
    matching_ = !found.empty();
    if (!matching_) return;
    // Rows that only the progress indication tells apart (the end of a seven-row list,
    // which stays as it is) are told apart while it shows the value of one of them.
    if (exact.size() == 1) {
      found = exact;
    } else if (!current_.empty() &&
               std::includes(found.begin(), found.end(), current_.begin(), current_.end())) {
      found = current_;
    }
    if (found == current_) return;
    // The change of stop began where the display stopped showing the rows before it.
    segments_.push_back({wasMatching ? frame : lastMatch_ + 1, found});
    current_ = found;
  }

  const std::vector<Signature>& signatures_;
  const int kmCue_;
  std::array<int32_t, kPanelSize> panel_{};
  bool seen_ = false;
  bool matching_ = false;
  uint64_t lastMatch_ = 0;
  Rows current_;
  std::vector<Segment> segments_;
  std::vector<Cue> cues_;
  std::set<CellKey> cells_;
};

// Where the display is when the drive notes a card row: the train stands there with
// the lists come up, or has just run through it.
struct RowNote {
  uint64_t frame = 0;
  Rows at;
};

class Judge {
 public:
  Judge(const CardDrive& drive, const CardRowLines& lines, const DriveWatch& watch,
        const std::map<int32_t, RowNote>& notes)
      : card_(drive.card), plan_(drive.plan), lines_(lines), watch_(watch), notes_(notes) {}

  std::vector<LintRemark> remarks() {
    stops();
    times();
    events();
    ranges();
    std::stable_sort(out_.begin(), out_.end(),
                     [](const LintRemark& a, const LintRemark& b) { return a.line < b.line; });
    return std::move(out_);
  }

 private:
  int32_t count() const { return static_cast<int32_t>(plan_.rows.size()); }
  RowPass pass(int32_t r) const { return plan_.rows[static_cast<std::size_t>(r)].pass; }

  std::string rowName(int32_t r) const {
    return message(Msg::kDriveRow,
                   {std::to_string(r), terminalText(card_.stopName[static_cast<std::size_t>(r)])});
  }

  std::string rowsText(const Rows& rows) const {
    std::string text;
    for (int32_t r : rows) text += (text.empty() ? "" : ", ") + rowName(r);
    return text;
  }

  std::string runHint() const {
    return message(Msg::kDriveCheckRunHint,
                   {column(CardField::kStopFlag9), column(CardField::kStopDistanceKm)});
  }

  void add(int32_t line, int32_t col, RemarkCode code, std::string instead, std::string expected,
           std::optional<std::string> field = std::nullopt, std::vector<std::string> args = {}) {
    if (line <= 0) return;
    LintRemark r = makeRemark(line, col, code, std::move(instead), std::move(expected));
    r.field = std::move(field);
    r.args = std::move(args);
    out_.push_back(std::move(r));
  }

  int32_t stopLine(int32_t r) const {
    return static_cast<std::size_t>(r) < lines_.stops.size() ? lines_.stops[static_cast<std::size_t>(r)]
                                                             : 0;
  }

  void stopRemark(int32_t r, RemarkCode code, std::string instead) {
    add(stopLine(r), kRowTypeColumn, code, std::move(instead), runHint(),
        terminalText(card_.stopName[static_cast<std::size_t>(r)]));
  }

  // Each stop the train stands at must come next on the display after the stand before
  // it; at each stand the display must move on; at the last it must have arrived.
  void stops() {
    const int32_t last = count() - 1;
    int32_t before = 0;
    bool behindBefore = false;  // at the stand before: the display had not moved on
    for (int32_t r = 1; r <= last; ++r) {
      if (pass(r) != RowPass::kStand) continue;
      const int32_t p = before;
      before = r;
      const auto note = notes_.find(r);
      const auto from = notes_.find(p);
      if (note == notes_.end() || from == notes_.end()) return;
      bool comesNext = false;
      for (const DriveWatch::Segment& s : watch_.segments()) {
        for (int32_t q : s.rows) comesNext = comesNext || (q >= p && q < r);
      }
      // Behind at the stand before, the display cannot give this stop next: that stand's
      // remark says why.
      if (!comesNext && !behindBefore) {
        const Rows meanwhile = watch_.during(from->second.frame, note->second.frame);
        stopRemark(r, RemarkCode::kNeverNextStop,
                   meanwhile.empty()
                       ? message(Msg::kDriveCheckNoStop)
                       : message(Msg::kDriveCheckMeanwhile, {rowName(p), rowsText(meanwhile)}));
      }
      const Rows& at = note->second.at;
      if (r == last) {
        if (!contains(at, last)) {
          stopRemark(r, RemarkCode::kRunEndsEarly,
                     at.empty() ? message(Msg::kDriveCheckNoStop)
                                : message(Msg::kDriveCheckStays, {rowsText(at)}));
        }
        continue;
      }
      const bool behind = !at.empty() && at.back() < r;
      if (behind && !behindBefore) {
        stopRemark(r, RemarkCode::kDisplayStalls, message(Msg::kDriveCheckBehind, {rowsText(at)}));
      }
      behindBefore = behind;
    }
  }

  // Every clock time of a listed row must be shown somewhere, and with its hour.
  void times() {
    const CardField fields[] = {CardField::kStopTime1, CardField::kStopTime2};
    for (int32_t r = 0; r < count(); ++r) {
      if (pass(r) == RowPass::kHidden) continue;
      const auto i = static_cast<std::size_t>(r);
      for (CardField field : fields) {
        const int32_t stored = field == CardField::kStopTime1 ? card_.stopTime1[i] : card_.stopTime2[i];
        if (!cardClockMs(stored)) continue;
        const ClockTime t = splitTimeClamped(stored);
        std::optional<CellKey> shown;
        for (const CellKey& k : watch_.cells()) {
          const int32_t second = k[3] != 0 ? t.second / 5 : t.second;
          if (k[1] == t.minute && k[2] == second &&
              (k[0] == INT_MIN || k[0] == t.hour || k[0] == kNoHour)) {
            shown = k;
            break;
          }
        }
        char asStored[16];
        std::snprintf(asStored, sizeof asStored, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        if (!shown) {
          add(stopLine(r), cardColumn(field).column, RemarkCode::kTimeNotShown,
              message(Msg::kDriveCheckNeverShown), message(Msg::kDriveCheckListedHint), asStored);
        } else if (t.hour == kNoHour) {
          add(stopLine(r), cardColumn(field).column, RemarkCode::kTimeNotShown,
              message(Msg::kDriveCheckShowsBlank, {timeText(cellOf(*shown))}),
              message(Msg::kDriveCheckTimeHint), asStored);
        }
      }
    }
  }

  // How often the cue at sound index `index` starts while the display is at one of `rows`.
  int cuesAt(int index, const Rows& rows) const {
    int n = 0;
    for (const DriveWatch::Cue& cue : watch_.cues()) {
      if (cue.index != index) continue;
      const Rows at = watch_.at(cue.frame);
      n += std::any_of(rows.begin(), rows.end(), [&](int32_t r) { return contains(at, r); }) ? 1 : 0;
    }
    return n;
  }

  void events() {
    const std::string hint =
        message(Msg::kDriveCheckEventHint,
                {column(CardField::kEventStopIndex), column(CardField::kEventStartKm),
                 column(CardField::kEventEndKm), column(CardField::kEventType)});
    // Per stop and cue slot: the start km and entry of every event that starts that cue.
    std::map<std::pair<int32_t, int32_t>, std::vector<std::pair<double, int32_t>>> groups;
    for (std::size_t i = 0; i < lines_.events.size(); ++i) {
      const int32_t stop = card_.eventStopIndex[i];
      const int32_t eventType = card_.eventType[i];
      // Types without a window and stops the card lacks are the card check's remarks.
      if (eventType < 0 || eventType >= kEventTypes || stop < 0 || stop >= count()) continue;
      const auto entry = std::make_pair(card_.eventStartKm[i], static_cast<int32_t>(i));
      groups[{stop, kEventCueSlots[eventType]}].push_back(entry);
      if (kEventHasNearPoint[eventType]) groups[{stop, kNearPointCueSlot}].push_back(entry);
    }
    std::set<int32_t> silent;
    for (const bool nearPoints : {false, true}) {
      for (auto& [key, entries] : groups) {
        if ((key.second == kNearPointCueSlot) != nearPoints) continue;
        const int index = soundIndexOf(key.second);
        const int sounded = cuesAt(index, {key.first});
        // Fewer cues than events: the events furthest along the run are the ones not heard.
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t k = static_cast<std::size_t>(sounded); k < entries.size(); ++k) {
          const int32_t entry = entries[k].second;
          // A window that never opens has no near point either: one remark says it.
          if (!silent.insert(entry).second) continue;
          add(lines_.events[static_cast<std::size_t>(entry)], kRowTypeColumn,
              RemarkCode::kEventCueSilent,
              sounded == 0 ? message(Msg::kDriveCheckCueNever, {rowName(key.first)})
                           : message(Msg::kDriveCheckCueFewer,
                                     {std::to_string(sounded), std::to_string(entries.size()),
                                      rowName(key.first)}),
              hint, std::nullopt, {soundLabel(index)});
        }
      }
    }
  }

  void ranges() {
    const std::string hint =
        message(Msg::kDriveCheckRangeHint,
                {column(CardField::kRangeStopIndex), column(CardField::kRangeStartKm),
                 column(CardField::kRangeEndKm), column(CardField::kRangeDistanceKm)});
    const int stopCue = soundIndexOf(kRangeStopCueSlot);
    const int kmCue = soundIndexOf(kKmRangeCueSlot);
    std::map<int32_t, std::vector<int32_t>> groups;  // the entries of each stop
    for (std::size_t i = 0; i < lines_.ranges.size(); ++i) {
      const int32_t line = lines_.ranges[i];
      const int32_t stop = card_.rangeStopIndex[i];
      if (stop >= 0 && stop < count()) groups[stop].push_back(static_cast<int32_t>(i));
      const double start = card_.rangeStartKm[i];
      const double end = card_.rangeEndKm[i];
      // Equal ends write no kilometre range.
      if (start == end) continue;
      const double low = std::min(start, end);
      const double high = std::max(start, end);
      const bool reached = std::any_of(watch_.cues().begin(), watch_.cues().end(), [&](const auto& c) {
        return c.index == kmCue && c.km && *c.km >= low - kKmShownStep && *c.km <= high + kKmShownStep;
      });
      if (!reached) {
        add(line, kRowTypeColumn, RemarkCode::kRangeCueSilent,
            message(Msg::kDriveCheckKmNever, {kmText(low), kmText(high)}), hint, std::nullopt,
            {soundLabel(kmCue)});
      }
    }
    // A range's stop window covers its stop and the run towards it from the listed stop
    // before it.
    for (const auto& [stop, entries] : groups) {
      Rows rows = {stop};
      for (int32_t q = stop - 1; q >= 0; --q) {
        if (pass(q) == RowPass::kHidden) continue;
        rows.insert(rows.begin(), q);
        break;
      }
      // The rows of one stop share its window: one cue serves them all.
      if (cuesAt(stopCue, rows) > 0) continue;
      for (int32_t entry : entries) {
        add(lines_.ranges[static_cast<std::size_t>(entry)], kRowTypeColumn,
            RemarkCode::kRangeCueSilent, message(Msg::kDriveCheckCueNever, {rowName(stop)}), hint,
            std::nullopt, {soundLabel(stopCue)});
      }
    }
  }

  const CardRecord& card_;
  const DrivePlan& plan_;
  const CardRowLines& lines_;
  const DriveWatch& watch_;
  const std::map<int32_t, RowNote>& notes_;
  std::vector<LintRemark> out_;
};

}  // namespace

std::vector<LintRemark> driveCheckRemarks(const std::string& cardFile, const std::string& vehicle) {
  const CardDrive drive = driveCard(cardFile, vehicle);
  if (drive.outcome != CardDrive::Outcome::kReady) return {};
  Scenario script;
  ScenarioError error;
  if (!parseScenario(drive.script, script, error)) return {};
  std::string bytes;
  if (!platform::readFile(cardFile, bytes)) return {};
  const CardRowLines lines = cardRowLines(bytes);

  const std::string moduleFile = platform::appendPath(vehicle, "ruva");
  const std::string settingsFile = platform::appendPath(vehicle, kDisplaySettingsFile);
  const ModuleApi api = linkedModuleApi();
  const std::vector<Signature> shown =
      signatures(api, moduleFile, drive.plan, readDisplaySettings(settingsFile.c_str()));

  restartLinkedModule(moduleFile);
  DriveWatch watch(shown);
  RunSettings settings;
  settings.readLayout = [settingsFile] { return readDisplaySettings(settingsFile.c_str()); };
  settings.observer = &watch;
  ScenarioRunner runner(api, settings);
  runner.start();

  // The script notes each card row it reaches, in the order of the plan's rows reached.
  Rows reached;
  for (const DriveStep& step : drive.plan.steps) {
    if (step.kind == DriveStep::Kind::kAtRow) reached.push_back(step.index);
  }
  std::map<int32_t, RowNote> notes;
  Scenario part;
  std::size_t noted = 0;
  for (const Command& command : script.commands) {
    // Nothing is written: the pictures of the drive are ruvahost's business.
    if (command.kind == CommandKind::kSnapshot || command.kind == CommandKind::kShow) continue;
    part.commands.push_back(command);
    if (command.kind != CommandKind::kNote) continue;
    RunFailure failure;
    if (!runner.run(part, failure)) return {};
    part.commands.clear();
    if (noted < reached.size()) notes[reached[noted++]] = {runner.frames(), watch.now()};
  }
  return Judge(drive, lines, watch, notes).remarks();
}
