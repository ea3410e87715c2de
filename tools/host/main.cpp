// ruvahost: runs the built module inside a vehicle folder without the host simulator,
// driven by a scenario script. Exit status 0 when the script ran and every expectation
// held, 1 when an expectation failed, 2 for bad input or a command that cannot run.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "plugin/settings.h"
#include "tools/common/module_api.h"
#include "tools/common/terminal_lines.h"
#include "tools/common/text_file.h"
#include "tools/host/html_report.h"
#include "tools/host/scenario.h"
#include "tools/host/scenario_runner.h"
#include "tools/host/vehicle_mirror.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitExpectation = 1;
constexpr int kExitInput = 2;

constexpr const char* kUsage =
    "usage: ruvahost [options] VEHICLE_FOLDER SCENARIO\n"
    "Runs the module as if it sat in VEHICLE_FOLDER (which is left untouched) and plays\n"
    "the scenario script SCENARIO.\n"
    "  --module FILE   the built module (default: the one built with ruvahost)\n"
    "  --step MS       frame step in milliseconds (default 16)\n"
    "  --trace FILE    write every panel or sound change per frame as CSV\n"
    "  --html FILE     write the whole run as one page to scrub through, frame by frame\n"
    "  --out FOLDER    where snapshot pictures go (default: the current folder)\n"
    "  --keep-going    play the whole script past failed expectations and list them all\n"
    "                  (--html does this too)\n"
    "  --quiet         do not print what show prints, notes, and what card beacons load\n"
    "Exit status: 0 every expectation held, 1 an expectation failed, 2 bad input.\n";

int inputError(const std::string& message) {
  std::cerr << "ruvahost: " << message << '\n';
  return kExitInput;
}

fs::path defaultModule(const char* argv0) {
  const fs::path builtName = fs::path(RUVA_DEFAULT_MODULE).filename();
  const fs::path besideTool = fs::path(argv0).parent_path() / builtName;
  std::error_code ec;
  if (!besideTool.parent_path().empty() && fs::is_regular_file(besideTool, ec)) return besideTool;
  return RUVA_DEFAULT_MODULE;
}

struct Options {
  fs::path module;
  fs::path vehicle;
  fs::path scenario;
  fs::path trace;
  fs::path html;
  fs::path out = ".";
  int32_t stepMs = 16;
  bool quiet = false;
  bool keepGoing = false;
};

// False with a message when the command line is bad.
bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool takesValue =
        arg == "--module" || arg == "--step" || arg == "--trace" || arg == "--html" || arg == "--out";
    if (takesValue && i + 1 >= argc) {
      error = arg + " needs a value";
      return false;
    }
    if (arg == "--module") {
      options.module = argv[++i];
    } else if (arg == "--trace") {
      options.trace = argv[++i];
    } else if (arg == "--html") {
      options.html = argv[++i];
    } else if (arg == "--out") {
      options.out = argv[++i];
    } else if (arg == "--step") {
      const std::string value = argv[++i];
      Scenario probe;
      ScenarioError bad;
      if (!parseScenario("step " + value, probe, bad)) {
        error = "bad --step '" + value + "': expected milliseconds from 1 to 60000";
        return false;
      }
      options.stepMs = probe.commands[0].integer;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--keep-going") {
      options.keepGoing = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) {
    error = "expected a vehicle folder and a scenario file";
    return false;
  }
  options.vehicle = positional[0];
  options.scenario = positional[1];
  if (options.module.empty()) options.module = defaultModule(argv[0]);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << kUsage;
      return 0;
    }
  }
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) {
    std::cerr << kUsage;
    return inputError(error);
  }

  std::string scriptText;
  if (!readWholeFile(options.scenario, scriptText)) {
    return inputError("scenario not found: " + options.scenario.string());
  }
  Scenario scenario;
  scenario.name = options.scenario.string();
  ScenarioError parseError;
  if (!parseScenario(scriptText, scenario, parseError)) {
    return inputError(scenario.name + ":" + std::to_string(parseError.line) + ": " +
                      parseError.message);
  }

  VehicleMirror mirror;
  if (!mirror.create(options.vehicle, options.module, error)) return inputError(error);
  platform::SharedLibrary library;
  if (!library.open(mirror.module().string(), error)) {
    return inputError("cannot load the module " + options.module.string() + ": " + error);
  }
  ModuleApi api{};
  std::string missing;
  if (!resolveModuleApi(library, api, missing)) {
    return inputError(options.module.string() + " does not export " + missing);
  }

  std::unique_ptr<std::ofstream> traceFile;
  std::unique_ptr<TraceWriter> trace;
  if (!options.trace.empty()) {
    traceFile = std::make_unique<std::ofstream>(options.trace, std::ios::binary | std::ios::trunc);
    if (!*traceFile) return inputError("cannot write the trace " + options.trace.string());
    trace = std::make_unique<TraceWriter>(*traceFile);
  }

  std::unique_ptr<std::ofstream> htmlFile;
  if (!options.html.empty()) {
    htmlFile = std::make_unique<std::ofstream>(options.html, std::ios::binary | std::ios::trunc);
    if (!*htmlFile) return inputError("cannot write the page " + options.html.string());
  }
  StopNames stopNames(mirror.module().string());
  ReportRecorder recorder(&stopNames);

  RunSettings settings;
  settings.stepMs = options.stepMs;
  settings.snapshotFolder = options.out;
  const std::string specFile = (mirror.folder() / "RUVA_Spec.ini").string();
  settings.readLayout = [specFile] { return readDisplaySettings(specFile.c_str()); };
  // What the run prints is UTF-8 (stop names, train-number prefixes, file names).
  TerminalLines terminalLines(std::cout);
  std::ostream terminal(&terminalLines);
  settings.out = options.quiet ? nullptr : &terminal;
  settings.trace = trace.get();
  settings.stopNames = &stopNames;
  settings.keepGoing = options.keepGoing;
  if (htmlFile) {
    // The page shows every failed expectation, so the run goes on past them.
    settings.observer = &recorder;
    settings.keepGoing = true;
  }

  ScenarioRunner runner(api, settings);
  runner.start();
  RunFailure failure;
  const bool passed = runner.run(scenario, failure);
  terminal.flush();
  if (traceFile) {
    traceFile->flush();
    if (!*traceFile) return inputError("cannot write the trace " + options.trace.string());
  }
  if (htmlFile) {
    recorder.writeHtml(*htmlFile, options.scenario.filename().string() + " in " +
                                      options.vehicle.filename().string() + ": ruvahost replay");
    htmlFile->flush();
    if (!*htmlFile) return inputError("cannot write the page " + options.html.string());
  }
  if (passed) return 0;
  auto report = [&](const RunFailure& failed) {
    std::cerr << "ruvahost: " << scenario.name << ":" << failed.line << ": " << failed.message
              << '\n';
  };
  const std::vector<RunFailure>& expectations = runner.failedExpectations();
  for (const RunFailure& failed : expectations) report(failed);
  if (!failure.expectation) report(failure);
  if (settings.keepGoing && !expectations.empty()) {
    std::cerr << "ruvahost: " << expectations.size() << " of " << runner.expectationsChecked()
              << " expectations failed\n";
  }
  return failure.expectation ? kExitExpectation : kExitInput;
}
