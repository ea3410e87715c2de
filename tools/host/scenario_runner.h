// Plays a scenario against a loaded module: calls the entry points in the host's
// order, steps frames at a fixed interval while it moves the train as the script
// says, and checks the script's expectations against the panel and sound arrays.
#ifndef RUVA_TOOLS_HOST_SCENARIO_RUNNER_H_
#define RUVA_TOOLS_HOST_SCENARIO_RUNNER_H_

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/host_records.h"
#include "tools/common/module_api.h"
#include "tools/host/panel_view.h"
#include "tools/host/scenario.h"
#include "tools/host/screen.h"
#include "tools/host/stop_names.h"
#include "tools/host/trace_writer.h"

class ScenarioRunner;
struct RunFailure;

// Watches a run from outside, e.g. to record it for the replay page.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // After each frame, with the arrays as the module left them.
  virtual void frameDone(const ScenarioRunner& runner) = 0;
  // A beacon passed after frame `frame`; it acts on the next one. `note` says what a card
  // beacon loaded; empty for other beacons.
  virtual void beaconPassed(uint64_t frame, int32_t type, int32_t data,
                            const std::string& note) = 0;
  // An `expect` line did not hold.
  virtual void expectationFailed(uint64_t frame, const RunFailure& failure) = 0;
};

constexpr int64_t kFramesBetweenStopChecks = 64;

struct RunSettings {
  int32_t stepMs = 16;
  std::filesystem::path snapshotFolder = ".";  // where `snapshot` files go
  std::function<Layout()> readLayout;          // asked after every Initialize
  // `show` text and the notes (the script's and the card beacons'); none when null.
  std::ostream* out = nullptr;
  TraceWriter* trace = nullptr;    // gets the notes too
  StopNames* stopNames = nullptr;  // names the stops on the display; told of every beacon
  RunObserver* observer = nullptr;
  // Play on after a failed `expect` (the run still fails, with the first of them).
  bool keepGoing = false;
  // Asked before every command and every kFramesBetweenStopChecks frames of one; true ends
  // the run there (Ctrl-C, a budget).
  std::function<bool()> stopRequested;
};

struct RunFailure {
  int line = 0;
  bool expectation = false;  // an `expect` line failed (else the command could not run)
  std::string message;
};

class ScenarioRunner {
 public:
  ScenarioRunner(const ModuleApi& api, RunSettings settings);

  // The host's start: Load, SetVehicleSpec (all zeros), Initialize.
  void start();
  // Runs every command in order; stops at the first failure and describes it (with
  // `keepGoing`, a failed expectation stops nothing and the first one is described).
  bool run(const Scenario& scenario, RunFailure& failure);

  // The failed expectations of run(), in the order they failed: all of them with
  // `keepGoing`, else at most the one that stopped the run.
  const std::vector<RunFailure>& failedExpectations() const { return failedExpectations_; }
  // How many `expect` lines run() has checked.
  int expectationsChecked() const { return expectationsChecked_; }

  // What the display shows now, in the layout in force.
  PanelView view() const;

  // The card stops beside the rows of view(), when the settings name stops.
  NamedLists names() const;

  const std::array<int32_t, kPanelSize>& panel() const { return panel_; }
  const std::array<int32_t, kSoundSize>& sound() const { return sound_; }
  uint64_t frames() const { return frames_; }
  int64_t hostTimeMs() const { return timeMs_; }
  double speedKmh() const { return speedKmh_; }
  double odometerM() const { return odometerM_; }

 private:
  bool execute(const Command& command, RunFailure& failure);
  // Frames at `speedOf(i)` km/h for i = 0 .. count - 1; `count` is whole, and fails as
  // too many frames however large (or not a number) it is.
  template <typename SpeedOf>
  bool runFrames(double count, const SpeedOf& speedOf, int line, RunFailure& failure);
  // False, with `failure` set, when the run is to stop before going on at `line`.
  bool goOn(int line, RunFailure& failure) const;
  void frame(double speedKmh);
  bool expect(const Command& command, RunFailure& failure) const;
  // Prints `text` as a note and writes it to the trace, for script line `line`.
  void note(int line, const std::string& text, const std::string& traced);
  void initialize();
  ScreenContext context() const;

  ModuleApi api_;
  RunSettings settings_;
  Layout layout_;
  std::array<int32_t, kPanelSize> panel_{};
  std::array<int32_t, kSoundSize> sound_{};
  int32_t stepMs_;
  int64_t timeMs_ = 0;
  int32_t frameTimeMs_ = 0;  // host time of the last frame run
  bool timeSet_ = false;     // `time` fixed the next frame's time
  double speedKmh_ = 0.0;
  VehicleStateRecord state_{};  // the next frame's, traction as the script last set it
  double odometerM_ = 0.0;
  uint64_t frames_ = 0;
  std::vector<SoundStart> soundsStarted_;  // since the frame after the last show or snapshot
  bool shown_ = false;                     // a show or snapshot has seen soundsStarted_
  bool soundStartedLastFrame_ = false;     // some slot held 1 after the last frame
  std::vector<RunFailure> failedExpectations_;
  int expectationsChecked_ = 0;
};

#endif  // RUVA_TOOLS_HOST_SCENARIO_RUNNER_H_
