// ruvahost: runs the built module inside a vehicle folder without the host simulator,
// driven by a scenario script, or by the drive of a card that ruvacard scenario would
// write for it. Exit status 0 when the script ran and every expectation
// held, 1 when an expectation failed, 2 for bad input or a command that cannot run.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>

#include "plugin/settings.h"
#include "tools/common/messages.h"
#include "tools/common/module_api.h"
#include "tools/common/terminal_lines.h"
#include "tools/common/text_file.h"
#include "tools/drive/card_drive.h"
#include "tools/host/html_report.h"
#include "tools/host/scenario.h"
#include "tools/host/scenario_runner.h"
#include "tools/host/trace_compare.h"
#include "tools/host/vehicle_mirror.h"
#include "tools/platform/host_interrupt.h"
#include "tools/platform/host_text.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitExpectation = 1;
constexpr int kExitInput = 2;

// Writes "ruvahost: TEXT" as a line of standard error.
void printError(const std::string& text) {
  platform::writeTerminal("ruvahost: " + text + '\n', true);
}

int inputError(const std::string& text) {
  printError(text);
  return kExitInput;
}

fs::path defaultModule(const std::string& argv0) {
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
  std::string card;  // play the drive of this card file instead of a script
  fs::path trace;
  fs::path html;
  fs::path compare;  // a trace to put beside the run on the page
  fs::path out = ".";
  int32_t stepMs = 16;
  bool quiet = false;
  bool keepGoing = false;
};

// False with a message when the command line is bad.
bool parseOptions(const std::string& program, const std::vector<std::string>& args,
                  Options& options, std::string& error) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--module" || arg == "--step" || arg == "--trace" ||
                            arg == "--html" || arg == "--out" || arg == "--card" ||
                            arg == "--compare";
    if (takesValue && i + 1 >= args.size()) {
      error = message(Msg::kNeedsValue, {arg});
      return false;
    }
    if (arg == "--module") {
      options.module = args[++i];
    } else if (arg == "--card") {
      options.card = args[++i];
    } else if (arg == "--trace") {
      options.trace = args[++i];
    } else if (arg == "--html") {
      options.html = args[++i];
    } else if (arg == "--compare") {
      options.compare = args[++i];
    } else if (arg == "--out") {
      options.out = args[++i];
    } else if (arg == "--step") {
      const std::string& value = args[++i];
      Scenario probe;
      ScenarioError bad;
      if (!parseScenario("step " + value, probe, bad)) {
        error = message(Msg::kBadStep, {value});
        return false;
      }
      options.stepMs = probe.commands[0].integer;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--keep-going") {
      options.keepGoing = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = message(Msg::kUnknownOption, {arg});
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (!options.card.empty() && positional.size() != 1) {
    error = message(Msg::kExpectedVehicleForCard);
    return false;
  }
  if (options.card.empty() && positional.size() != 2) {
    error = message(Msg::kExpectedVehicleAndScenario);
    return false;
  }
  if (!options.compare.empty() && options.html.empty()) {
    error = message(Msg::kCompareNeedsHtml);
    return false;
  }
  options.vehicle = positional[0];
  if (options.card.empty()) options.scenario = positional[1];
  if (options.module.empty()) options.module = defaultModule(program);
  return true;
}

}  // namespace

// The whole run; a stop request ends it early, with everything it made removed.
static int play(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  if (!setLanguageFromCommandLine(args, error)) return inputError(error);
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      platform::writeTerminal(message(Msg::kHostUsage), false);
      return 0;
    }
  }
  if (std::find(args.begin(), args.end(), "--diff") != args.end()) {
    if (args.size() != 3 || args[0] != "--diff") return inputError(message(Msg::kDiffTakesTwo));
    TerminalLines terminalLines;
    std::ostream terminal(&terminalLines);
    const int status = diffTraces(args[1], args[2], terminal, error);
    terminal.flush();
    if (status == kExitInput) printError(error);
    return status;
  }
  Options options;
  if (!parseOptions(argv[0], args, options, error)) {
    platform::writeTerminal(message(Msg::kHostUsage), true);
    return inputError(error);
  }

  std::string scriptText;
  Scenario scenario;
  std::string scriptName = options.scenario.filename().string();
  if (!options.card.empty()) {
    // Its messages name the lines of the script that ruvacard scenario writes.
    const CardDrive drive = driveCard(options.card, options.vehicle.string());
    if (drive.outcome != CardDrive::Outcome::kReady) return inputError(drive.error);
    scriptText = drive.script;
    scriptName = drive.scriptName;
    scenario.name = drive.scriptName;
  } else if (!readWholeFile(options.scenario, scriptText)) {
    return inputError(message(Msg::kScenarioNotFound, {options.scenario.string()}));
  } else {
    scenario.name = options.scenario.string();
  }
  ScenarioError parseError;
  if (!parseScenario(scriptText, scenario, parseError)) {
    return inputError(scenario.name + ":" + std::to_string(parseError.line) + ": " +
                      parseError.message);
  }

  // A trace to compare is read through once before the run, so that a bad one stops
  // everything before any file is written.
  if (!options.compare.empty()) {
    std::ifstream file(options.compare, std::ios::binary);
    if (!file) return inputError(message(Msg::kCannotReadTrace, {options.compare.string()}));
    TraceReplay whole(file, options.compare.string());
    if (!whole.advanceTo(TraceReplay::kEnd)) return inputError(whole.error());
  }

  VehicleMirror mirror;
  if (!mirror.create(options.vehicle, options.module, error)) return inputError(error);
  if (platform::stopRequested()) return kExitInput;
  platform::SharedLibrary library;
  if (!library.open(mirror.module().string(), error)) {
    return inputError(message(Msg::kCannotLoadModule, {options.module.string(), error}));
  }
  ModuleApi api{};
  std::string missing;
  if (!resolveModuleApi(library, api, missing)) {
    return inputError(message(Msg::kDoesNotExport, {options.module.string(), missing}));
  }

  std::unique_ptr<std::ofstream> traceFile;
  std::unique_ptr<TraceWriter> trace;
  if (!options.trace.empty()) {
    traceFile = std::make_unique<std::ofstream>(options.trace, std::ios::binary | std::ios::trunc);
    if (!*traceFile) return inputError(message(Msg::kCannotWriteTrace, {options.trace.string()}));
    trace = std::make_unique<TraceWriter>(*traceFile);
  }

  std::unique_ptr<std::ofstream> htmlFile;
  if (!options.html.empty()) {
    htmlFile = std::make_unique<std::ofstream>(options.html, std::ios::binary | std::ios::trunc);
    if (!*htmlFile) return inputError(message(Msg::kCannotWritePage, {options.html.string()}));
  }
  StopNames stopNames(mirror.module().string());
  ReportRecorder recorder(&stopNames);
  std::ifstream compareFile;
  std::unique_ptr<TraceReplay> compared;
  if (!options.compare.empty()) {
    compareFile.open(options.compare, std::ios::binary);
    compared = std::make_unique<TraceReplay>(compareFile, options.compare.string());
    recorder.compareWith(compared.get(), options.compare.filename().string());
  }

  RunSettings settings;
  settings.stepMs = options.stepMs;
  settings.snapshotFolder = options.out;
  const std::string specFile = (mirror.folder() / kDisplaySettingsFile).string();
  settings.readLayout = [specFile] { return readDisplaySettings(specFile.c_str()); };
  // What the run prints is UTF-8 (stop names, train-number prefixes, file names).
  TerminalLines terminalLines;
  std::ostream terminal(&terminalLines);
  settings.out = options.quiet ? nullptr : &terminal;
  settings.trace = trace.get();
  settings.stopNames = &stopNames;
  settings.keepGoing = options.keepGoing;
  settings.stopRequested = platform::stopRequested;
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
    if (!*traceFile) return inputError(message(Msg::kCannotWriteTrace, {options.trace.string()}));
  }
  if (compared && compared->failed()) return inputError(compared->error());
  if (htmlFile && !platform::stopRequested()) {
    recorder.writeHtml(*htmlFile,
                       message(Msg::kReplayTitle, {scriptName, options.vehicle.filename().string()}));
    htmlFile->flush();
    if (!*htmlFile) return inputError(message(Msg::kCannotWritePage, {options.html.string()}));
  }
  if (passed) return 0;
  auto report = [&](const RunFailure& failed) {
    printError(scenario.name + ":" + std::to_string(failed.line) + ": " + failed.message);
  };
  const std::vector<RunFailure>& expectations = runner.failedExpectations();
  for (const RunFailure& failed : expectations) report(failed);
  if (!failure.expectation) report(failure);
  if (settings.keepGoing && !expectations.empty()) {
    printError(message(Msg::kExpectationsFailed, {std::to_string(expectations.size()),
                                                  std::to_string(runner.expectationsChecked())}));
  }
  return failure.expectation ? kExitExpectation : kExitInput;
}

int main(int argc, char** argv) {
  platform::catchStopRequests();
  int status = kExitInput;
  // Caught, so that unwinding removes the mirror of the vehicle folder.
  try {
    status = play(argc, argv);
  } catch (const std::exception& failure) {
    status = inputError(message(Msg::kUnexpectedFailure, {failure.what()}));
  }
  if (platform::stopRequested()) platform::endAsRequested();
  return status;
}
