#include "tools/host/scenario_runner.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>

#include "tools/host/display_codes.h"

namespace {

// A longer command is almost certainly a slip (a speed of 0.001 km/h, a wait in days).
constexpr int64_t kMaxFramesPerCommand = 20'000'000;
constexpr int32_t kDayMs = 24 * 3600000;

// A frame count for a message: whole up to a size a person still reads, a power of ten
// beyond.
std::string framesText(double count) {
  if (count < 1e15) return std::to_string(static_cast<int64_t>(count));
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", count);
  return text;
}

std::string valuesText(const std::vector<int32_t>& values) {
  std::string text;
  for (int32_t value : values) text += (text.empty() ? "" : " ") + std::to_string(value);
  return text;
}

}  // namespace

ScenarioRunner::ScenarioRunner(const ModuleApi& api, RunSettings settings)
    : api_(api), settings_(std::move(settings)), stepMs_(settings_.stepMs) {}

void ScenarioRunner::start() {
  api_.Load();
  api_.SetVehicleSpec(VehicleSpecRecord{});
  initialize();
}

void ScenarioRunner::initialize() {
  api_.Initialize(0);
  if (settings_.readLayout) layout_ = settings_.readLayout();
}

PanelView ScenarioRunner::view() const {
  return decodePanel(layout_, panel_, sound_);
}

NamedLists ScenarioRunner::names() const {
  return settings_.stopNames != nullptr ? settings_.stopNames->find(view()) : NamedLists{};
}

ScreenContext ScenarioRunner::context() const {
  ScreenContext context;
  context.stops = names();
  context.frame = frames_;
  context.hostTimeMs = static_cast<int32_t>(timeMs_);
  context.speedKmh = speedKmh_;
  context.odometerM = odometerM_;
  context.soundsStarted = soundsStarted_;
  return context;
}

void ScenarioRunner::frame(double speedKmh) {
  timeMs_ = timeSet_ ? timeMs_ : timeMs_ + stepMs_;
  timeSet_ = false;
  state_.speed = static_cast<float>(speedKmh);
  state_.time = static_cast<int32_t>(timeMs_);
  frameTimeMs_ = state_.time;
  api_.Elapse(state_, panel_.data(), sound_.data());
  ++frames_;
  if (shown_) soundsStarted_.clear();
  shown_ = false;
  // The distance the module counts for a frame of the fixed step.
  odometerM_ += state_.speed / 3.6 * stepMs_ / 1000.0;
  const bool changed =
      settings_.trace == nullptr || settings_.trace->frame(frames_, state_.time, panel_, sound_);
  // Where no value changed since the last frame, a sound starts again only if one did then.
  if (changed || soundStartedLastFrame_) {
    soundStartedLastFrame_ = false;
    // Unrolled, the slots' indices become constants: a compare each.
#pragma GCC unroll 16
    for (const panel::SoundSlot& slot : panel::kSoundSlots) {
      if (sound_[slot.index] != 1) continue;
      soundsStarted_.push_back({slot.index, frames_});
      soundStartedLastFrame_ = true;
    }
  }
  if (settings_.observer != nullptr) settings_.observer->frameDone(*this);
}

bool ScenarioRunner::goOn(int line, RunFailure& failure) const {
  if (!settings_.stopRequested || !settings_.stopRequested()) return true;
  failure = {line, false, message(Msg::kInterrupted)};
  return false;
}

template <typename SpeedOf>
bool ScenarioRunner::runFrames(double count, const SpeedOf& speedOf, int line,
                               RunFailure& failure) {
  // Compared as a double: a count past any integer type must not be converted first.
  if (!(count <= static_cast<double>(kMaxFramesPerCommand))) {
    failure = {line, false,
               message(Msg::kFramesOverLimit,
                       {framesText(count), std::to_string(kMaxFramesPerCommand)})};
    return false;
  }
  const auto frames = static_cast<int64_t>(count);
  for (int64_t i = 0; i < frames; ++i) {
    // Often enough to stop within a millisecond, rarely enough to cost a frame nothing.
    if (i % kFramesBetweenStopChecks == 0 && !goOn(line, failure)) return false;
    if (timeMs_ + stepMs_ > std::numeric_limits<int32_t>::max()) {
      failure = {line, false, message(Msg::kHostTimePastLimit)};
      return false;
    }
    frame(speedOf(i));
  }
  return true;
}

bool ScenarioRunner::expect(const Command& command, RunFailure& failure) const {
  const bool isPanel = command.array == HostArray::kPanel;
  const int32_t* values = isPanel ? panel_.data() : sound_.data();
  std::vector<int32_t> got;
  bool same = true;
  for (std::size_t i = 0; i < command.values.size(); ++i) {
    got.push_back(values[command.integer + static_cast<int32_t>(i)]);
    same = same && got.back() == command.values[i];
  }
  if (same) return true;
  const int32_t last = command.integer + static_cast<int32_t>(command.values.size()) - 1;
  std::string where = std::to_string(command.integer);
  if (last != command.integer) where += "-" + std::to_string(last);
  failure = {command.line, true,
             message(Msg::kExpectedGot,
                     {message(isPanel ? Msg::kPanelWord : Msg::kSoundWord), where,
                      valuesText(command.values), valuesText(got), std::to_string(frames_)})};
  return false;
}

void ScenarioRunner::note(int line, const std::string& text, const std::string& traced) {
  if (settings_.out != nullptr) *settings_.out << "-- " << text << '\n';
  if (settings_.trace != nullptr) settings_.trace->note(frames_, frameTimeMs_, line, traced);
}

bool ScenarioRunner::execute(const Command& c, RunFailure& failure) {
  const double stepMs = stepMs_;
  switch (c.kind) {
    case CommandKind::kStep:
      stepMs_ = c.integer;
      return true;
    case CommandKind::kTime:
      timeMs_ = c.integer;
      timeSet_ = true;
      return true;
    case CommandKind::kSpeed:
      speedKmh_ = c.number;
      return true;
    case CommandKind::kRamp: {
      const double from = speedKmh_;
      const double to = c.number;
      double durationMs = c.amount;
      if (c.byDistance) {
        // Even acceleration: the mean speed covers the distance.
        const double meanMs = (from + to) / 2.0 / 3.6;
        if (meanMs <= 0.0) {
          failure = {c.line, false, message(Msg::kStandstillDistance)};
          return false;
        }
        durationMs = c.amount / meanMs * 1000.0;
      }
      const double count = std::max(1.0, std::round(durationMs / stepMs));
      // Each frame runs at the speed of its middle, so the frames add up to the distance.
      const bool done = runFrames(
          count,
          [&](int64_t i) { return from + (to - from) * (static_cast<double>(i) + 0.5) / count; },
          c.line, failure);
      speedKmh_ = to;
      return done;
    }
    case CommandKind::kDrive: {
      const double perFrame = speedKmh_ / 3.6 * stepMs / 1000.0;
      if (perFrame <= 0.0) {
        failure = {c.line, false, message(Msg::kZeroSpeedDistance)};
        return false;
      }
      const double frames = std::ceil(c.amount / perFrame - 1e-9);
      return runFrames(frames, [&](int64_t) { return speedKmh_; }, c.line, failure);
    }
    case CommandKind::kWait: {
      const double frames = c.byFrames ? c.integer : std::ceil(c.amount / stepMs - 1e-9);
      return runFrames(frames, [&](int64_t) { return speedKmh_; }, c.line, failure);
    }
    case CommandKind::kWaitUntil: {
      // The host time now: the last frame's, or where a pending `time` puts the next one.
      // A time behind it would run no frame, and the train would leave early.
      if (c.integer < timeMs_) {
        std::string text = message(Msg::kWaitUntilPast, {hostTimeText(c.integer),
                                                         hostTimeText(static_cast<int32_t>(timeMs_))});
        // A time early in the day, when the day is late, was probably meant for the next one.
        if (c.integer < kDayMs && c.integer + kDayMs - timeMs_ <= kDayMs / 2) {
          text += message(Msg::kWaitUntilNextDay,
                          {hostTimeText(c.integer), hostTimeText(c.integer + kDayMs)});
        }
        failure = {c.line, false, text};
        return false;
      }
      // A pending `time` is where the next frame lands; otherwise frames go on from now.
      const int64_t from = timeSet_ ? timeMs_ - stepMs_ : timeMs_;
      const int64_t frames = c.integer > from ? (c.integer - from + stepMs_ - 1) / stepMs_ : 0;
      return runFrames(
          static_cast<double>(frames), [&](int64_t) { return speedKmh_; }, c.line, failure);
    }
    case CommandKind::kDoorOpen:
      api_.DoorOpen();
      return true;
    case CommandKind::kDoorClose:
      api_.DoorClose();
      return true;
    case CommandKind::kBeacon: {
      BeaconRecord beacon{};
      beacon.type = c.integer;
      beacon.data = c.value;
      api_.SetBeaconData(beacon);
      std::string loaded;
      if (settings_.stopNames != nullptr) {
        if (const std::optional<CardLoad> load = settings_.stopNames->beacon(c.integer, c.value)) {
          loaded = cardLoadText(*load, language());
          note(c.line, loaded, cardLoadText(*load, Language::kEnglish));
        }
      }
      if (settings_.observer != nullptr)
        settings_.observer->beaconPassed(frames_, c.integer, c.value, loaded);
      return true;
    }
    case CommandKind::kHandle:
      if (c.handle == Handle::kPower) api_.SetPower(c.value);
      if (c.handle == Handle::kBrake) api_.SetBrake(c.value);
      if (c.handle == Handle::kReverser) api_.SetReverser(c.value);
      return true;
    case CommandKind::kTraction:
      state_.traction = static_cast<float>(c.number);
      return true;
    case CommandKind::kRestart:
      initialize();
      return true;
    case CommandKind::kInput:
      panel_[c.integer] = c.value;
      return true;
    case CommandKind::kShow:
      if (settings_.out != nullptr) *settings_.out << renderText(view(), context()) << '\n';
      shown_ = true;
      return true;
    case CommandKind::kSnapshot: {
      std::error_code ec;
      const std::filesystem::path file = settings_.snapshotFolder / c.text;
      std::filesystem::create_directories(file.parent_path(), ec);
      std::ofstream svg(file, std::ios::binary | std::ios::trunc);
      svg << renderSvg(view(), context());
      shown_ = true;
      if (!svg) {
        failure = {c.line, false, message(Msg::kCannotWrite, {file.string()})};
        return false;
      }
      return true;
    }
    case CommandKind::kExpect:
      ++expectationsChecked_;
      return expect(c, failure);
    case CommandKind::kNote:
      note(c.line, c.text, c.text);
      return true;
  }
  return true;
}

bool ScenarioRunner::run(const Scenario& scenario, RunFailure& failure) {
  bool failed = false;
  for (const Command& command : scenario.commands) {
    RunFailure now;
    if (goOn(command.line, now) && execute(command, now)) continue;
    if (now.expectation) failedExpectations_.push_back(now);
    if (now.expectation && settings_.observer != nullptr)
      settings_.observer->expectationFailed(frames_, now);
    // A command that cannot run ends the run whatever failed before it.
    if (!now.expectation || !settings_.keepGoing) {
      failure = now;
      return false;
    }
    if (!failed) failure = now;
    failed = true;
  }
  return !failed;
}
