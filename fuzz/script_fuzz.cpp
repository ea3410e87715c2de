// Hostile scenario scripts for ruvahost: the input is a script's text. A script that
// parses is played against the module in this process, in a vehicle folder with cards of
// every kind (tests/support/session_vehicle.h), the way ruvahost plays it with --html and
// --keep-going: stop names looked up, every frame recorded for the replay page, the trace
// and the show text written, snapshots into a scratch folder.
//
// Frame counts past every integer type, speeds past the float range, host times at
// their limit and names that climb out of the snapshot folder all reach the runner
// this way; the sanitizers catch an overflow or an out-of-range conversion on the way.
// After each input:
//   - nothing was written beside the snapshot folder;
//   - every picture in it is valid UTF-8 with no control character but its line ends;
//   - the page is written whole.
// A frame budget per input ends long runs early, as a stop request does.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "plugin/exports.h"
#include "plugin/settings.h"
#include "tests/support/session_vehicle.h"
#include "tools/common/module_api.h"
#include "tools/common/text_layout.h"
#include "tools/host/html_report.h"
#include "tools/host/scenario.h"
#include "tools/host/scenario_runner.h"
#include "tools/host/stop_names.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kFrameBudget = 4000;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "script check failed: %s\n", what.c_str());
  std::abort();
}

// The module's entry points of this process, as ruvahost finds them in a loaded copy.
ModuleApi inProcessApi() {
  ModuleApi api{};
#define RUVA_IN_PROCESS(name) api.name = &::name;
  RUVA_EXPORT_NAMES(RUVA_IN_PROCESS)
#undef RUVA_IN_PROCESS
  return api;
}

// A folder of its own with the snapshot folder "out" in it, and nothing else.
class Scratch {
 public:
  Scratch() {
    std::random_device seed;
    root_ = fs::temp_directory_path() / ("ruva-script-" + std::to_string(seed()));
    fs::create_directories(out());
  }
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  fs::path out() const { return root_ / "out"; }

  // Checks what the run wrote, then empties the snapshot folder for the next input.
  void checkAndEmpty() const {
    for (const auto& entry : fs::directory_iterator(root_)) {
      if (entry.path() != out())
        fail("written outside the snapshot folder: " + entry.path().string());
    }
    for (const auto& entry : fs::recursive_directory_iterator(out())) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::string line;
      while (std::getline(in, line)) {
        if (visibleText(line) != line) fail("a picture that is not valid XML text: " + line);
      }
    }
    for (const auto& entry : fs::directory_iterator(out())) fs::remove_all(entry.path());
  }

 private:
  fs::path root_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const SessionVehicle vehicle;
  static const Scratch scratch;
  Scenario scenario;
  ScenarioError error;
  if (!parseScenario(std::string_view(reinterpret_cast<const char*>(data), size), scenario, error))
    return 0;
  restartModuleInProcess(vehicle.moduleFile());
  StopNames names(vehicle.moduleFile());
  ReportRecorder recorder(&names);
  std::ostringstream shown;
  std::ostringstream traced;
  TraceWriter trace(traced);
  const std::string spec =
      (fs::path(vehicle.moduleFile()).parent_path() / "RUVA_Spec.ini").string();
  RunSettings settings;
  settings.snapshotFolder = scratch.out();
  settings.readLayout = [&spec] { return readDisplaySettings(spec.c_str()); };
  settings.out = &shown;
  settings.trace = &trace;
  settings.stopNames = &names;
  settings.observer = &recorder;
  settings.keepGoing = true;
  const ScenarioRunner* running = nullptr;
  settings.stopRequested = [&running] { return running->frames() >= kFrameBudget; };
  ScenarioRunner runner(inProcessApi(), settings);
  running = &runner;
  runner.start();
  RunFailure failure;
  runner.run(scenario, failure);
  std::ostringstream page;
  recorder.writeHtml(page, "script");
  if (page.str().rfind("</html>") == std::string::npos) fail("the page ends early");
  scratch.checkAndEmpty();
  return 0;
}
