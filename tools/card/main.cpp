// ruvacard: checks card files and whole vehicle folders the way the module reads them,
// previews cards, explains card codes and writes the drive of a card as a scenario;
// `vehicle --drive` also drives every card of a vehicle through the module; `fix`
// applies the fixes of remarks, `export` and `import` turn a card into a table and back.
// Exit status 0 when all went well; 1 when `check` or `vehicle` found an error (or,
// with --strict, a warning), `code` found no file or `scenario` a card it cannot
// drive; 2 for bad usage.
#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "card/parser.h"
#include "platform/platform.h"
#include "plugin/settings.h"
#include "tools/card/card_file_check.h"
#include "tools/card/card_names.h"
#include "tools/card/card_terms.h"
#include "tools/card/card_views.h"
#include "tools/card/file_commands.h"
#include "tools/card/remark_pages.h"
#include "tools/card/remark_report.h"
#include "tools/card/vehicle_check.h"
#include "tools/common/messages.h"
#include "tools/common/terminal_lines.h"
#include "tools/common/text_file.h"
#include "tools/drive/card_drive.h"
#include "tools/drive/drive_check.h"
#include "tools/platform/host_files.h"
#include "tools/platform/host_text.h"

namespace {

constexpr int kExitFound = 1;
constexpr int kExitInput = 2;

// Everything the commands print is UTF-8 until it reaches the terminal.
void print(const std::string& text) {
  platform::writeTerminal(text, false);
}

void print(const std::ostringstream& text) {
  print(text.str());
}

int inputError(const std::string& text) {
  platform::writeTerminal("ruvacard: " + text + '\n', true);
  return kExitInput;
}

bool parseInt(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && stop == end;
}

struct LintOptions {
  bool strict = false;
  bool notes = false;
  bool summary = false;  // vehicle only
  bool drive = false;    // vehicle only
  bool statistics = false;
  ReportFormat format = ReportFormat::kText;
  std::vector<std::string> operands;
};

// False, with the message written, for an unknown option or a bad format.
bool lintOptions(const std::vector<std::string>& args, LintOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--strict") {
      options.strict = true;
    } else if (arg == "--notes") {
      options.notes = true;
    } else if (arg == "--summary") {
      options.summary = true;
    } else if (arg == "--drive") {
      options.drive = true;
    } else if (arg == "--statistics") {
      options.statistics = true;
    } else if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
      const bool joined = arg != "--format";
      if (!joined && i + 1 >= args.size()) {
        inputError(message(Msg::kFormatTakes));
        return false;
      }
      const std::string name = joined ? arg.substr(9) : args[++i];
      if (!reportFormatNamed(name, options.format)) {
        inputError(message(Msg::kFormatTakes));
        return false;
      }
    } else if (!arg.empty() && arg[0] == '-') {
      inputError(message(Msg::kUnknownOption, {arg}));
      return false;
    } else {
      options.operands.push_back(arg);
    }
  }
  if (options.statistics &&
      (options.format == ReportFormat::kJson || options.format == ReportFormat::kSarif)) {
    inputError(message(Msg::kStatisticsNotIn));
    return false;
  }
  return true;
}

int lintStatus(const LintCounts& counts, bool strict) {
  return counts.errors > 0 || (strict && counts.warnings > 0) ? kExitFound : 0;
}

int runCheck(const std::vector<std::string>& args) {
  LintOptions options;
  if (!lintOptions(args, options)) return kExitInput;
  if (options.summary) return inputError(message(Msg::kSummaryOnlyForVehicle));
  if (options.drive) return inputError(message(Msg::kDriveCheckOption));
  if (options.operands.empty()) return inputError(message(Msg::kCheckNeedsFiles));
  std::ostringstream out;
  RemarkReport report(options.format, out);
  for (const std::string& file : options.operands) {
    std::string bytes;
    std::vector<LintRemark> remarks;
    checkCardFile(file, cardFileNameOf(file), options.notes, bytes, remarks);
    report.add(terminalText(file), std::move(remarks), bytes, CommentStyle::kCard);
    // Text goes out file by file, so that a long run shows its progress.
    if (options.format == ReportFormat::kText || options.format == ReportFormat::kGithub) {
      print(out);
      out.str("");
    }
  }
  report.finish(options.statistics);
  print(out);
  return lintStatus(report.counts(), options.strict);
}

int runVehicle(const std::vector<std::string>& args) {
  LintOptions options;
  if (!lintOptions(args, options)) return kExitInput;
  if (options.operands.size() != 1) return inputError(message(Msg::kVehicleTakesOneFolder));
  std::string folder = options.operands[0];
  if (!platform::isFolder(folder))
    return inputError(message(Msg::kVehicleFolderNotFound, {folder}));
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  // Line by line as the cards are checked: a vehicle of many cards (driven, even) shows
  // its progress and holds no more of the report than one line.
  TerminalLines lines;
  std::ostream out(&lines);
  RemarkReport report(options.format, out);
  checkVehicle(folder, terminalText(folder), options.notes, options.summary, report,
               options.drive ? MoreCardRemarks(driveCheckRemarks) : MoreCardRemarks());
  report.finish(options.statistics);
  out.flush();
  return lintStatus(report.counts(), options.strict);
}

int runShowOrPreview(const std::string& command, const std::vector<std::string>& args) {
  std::string file;
  int32_t rows = 5;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (command == "preview" && args[i] == "--rows") {
      if (i + 1 >= args.size() || !parseInt(args[i + 1], rows) || stopListRows(rows) != rows) {
        return inputError(message(Msg::kRowsTakes3Or5));
      }
      ++i;
    } else if (!args[i].empty() && args[i][0] == '-') {
      return inputError(message(Msg::kUnknownOption, {args[i]}));
    } else if (file.empty()) {
      file = args[i];
    } else {
      return inputError(message(Msg::kTakesOneCardFile, {command}));
    }
  }
  if (file.empty()) return inputError(message(Msg::kNeedsACardFile, {command}));
  std::string bytes;
  if (!readWholeFile(file, bytes)) return inputError(message(Msg::kCannotRead, {file}));
  const CardRecord card = parseCardText(bytes);
  std::ostringstream out;
  if (command == "show") {
    showCard(card, out);
  } else {
    previewCard(card, rows, out);
  }
  print(out);
  return 0;
}

int runExplain(const std::vector<std::string>& args) {
  if (args.size() == 2 && args[0] == "--table") {
    Severity severity = Severity::kError;
    if (!severityNamed(args[1], severity)) return inputError(message(Msg::kExplainUsage));
    std::ostringstream out;
    writeRemarkTable(severity, out);
    print(out);
    return 0;
  }
  if (args.size() != 1) return inputError(message(Msg::kExplainUsage));
  const std::optional<RemarkCode> code = remarkCodeOf(args[0]);
  if (!code) return inputError(message(Msg::kUnknownRemarkCode, {args[0]}));
  std::ostringstream out;
  explainRemark(*code, out);
  print(out);
  return 0;
}

int runCode(const std::vector<std::string>& args) {
  std::string vehicle;
  std::string codeText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--vehicle") {
      if (i + 1 >= args.size()) return inputError(message(Msg::kVehicleNeedsFolder));
      vehicle = args[++i];
    } else if (codeText.empty()) {
      codeText = args[i];
    } else {
      return inputError(message(Msg::kCodeTakesOneCode));
    }
  }
  int32_t code = 0;
  if (!parseInt(codeText, code)) return inputError(message(Msg::kBadCardCode, {codeText}));
  std::ostringstream out;
  const bool found = explainCardCode(code, vehicle, out);
  print(out);
  return found ? 0 : kExitFound;
}

int runScenario(const std::vector<std::string>& args) {
  std::string card;
  std::string vehicle;
  std::string output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--vehicle") {
      if (i + 1 >= args.size()) return inputError(message(Msg::kVehicleNeedsFolder));
      vehicle = args[++i];
    } else if (args[i] == "-o") {
      if (i + 1 >= args.size()) return inputError(message(Msg::kNeedsValue, {args[i]}));
      output = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return inputError(message(Msg::kUnknownOption, {args[i]}));
    } else if (card.empty()) {
      card = args[i];
    } else {
      return inputError(message(Msg::kTakesOneCardFile, {"scenario"}));
    }
  }
  if (card.empty()) return inputError(message(Msg::kNeedsACardFile, {"scenario"}));
  const CardDrive drive = driveCard(card, vehicle);
  if (drive.outcome != CardDrive::Outcome::kReady) {
    inputError(drive.error);
    return drive.outcome == CardDrive::Outcome::kNotDrivable ? kExitFound : kExitInput;
  }
  if (output.empty()) {
    print(drive.script);
  } else if (!platform::writeWholeFile(output, drive.script)) {
    return inputError(message(Msg::kCannotWriteFile, {terminalText(output)}));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  if (!setLanguageFromCommandLine(args, error)) return inputError(error);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    print(message(Msg::kCardUsage));
    return args.empty() ? kExitInput : 0;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "check") return runCheck(args);
  if (command == "vehicle") return runVehicle(args);
  if (command == "show" || command == "preview") return runShowOrPreview(command, args);
  if (command == "code") return runCode(args);
  if (command == "scenario") return runScenario(args);
  if (command == "explain") return runExplain(args);
  if (command == "fix") return runFix(args);
  if (command == "export") return runExport(args);
  if (command == "import") return runImport(args);
  if (command == "format") {
    if (!args.empty()) return inputError(message(Msg::kUnknownOption, {args[0]}));
    std::ostringstream out;
    writeCardFormat(out);
    print(out);
    return 0;
  }
  platform::writeTerminal(message(Msg::kCardUsage), true);
  return inputError(message(Msg::kUnknownCommand, {command}));
}
