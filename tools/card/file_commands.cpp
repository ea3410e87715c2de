#include "tools/card/file_commands.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string_view>

#include "platform/platform.h"
#include "tools/card/card_fix.h"
#include "tools/card/card_fixes.h"
#include "tools/card/card_lint.h"
#include "tools/card/card_names.h"
#include "tools/card/card_table.h"
#include "tools/card/remark_report.h"
#include "tools/card/unified_diff.h"
#include "tools/card/vehicle_reader.h"
#include "tools/common/messages.h"
#include "tools/platform/host_files.h"
#include "tools/platform/host_interrupt.h"
#include "tools/platform/host_text.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitInput = 2;
constexpr std::string_view kBackupSuffix = ".bak";

void say(const std::string& text) {
  platform::writeTerminal(text + '\n', false);
}

void complain(const std::string& text) {
  platform::writeTerminal(text + '\n', true);
}

int usageError(const std::string& text) {
  complain("ruvacard: " + text);
  return kExitInput;
}

// Ends the program as a stop request asks, once the file in hand is done with: the
// writes have removed their new files already.
void stopIfRequested() {
  if (platform::stopRequested()) platform::endAsRequested();
}

bool isCardFileName(std::string_view name) {
  if (name.size() < 4) return false;
  std::string extension(name.substr(name.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return extension == ".csv";
}

// The *.csv files of `folder` into `files`; false when it holds none. A folder that cannot
// be listed goes in as a file, so that it is told as one that cannot be read.
bool addCardFiles(const std::string& folder, std::vector<std::string>& files) {
  const std::optional<std::vector<std::string>> names = platform::folderFiles(folder);
  if (!names) {
    files.push_back(folder);
    return true;
  }
  bool found = false;
  for (const std::string& name : *names) {
    if (!isCardFileName(name)) continue;
    files.push_back(platform::appendPath(folder, name));
    found = true;
  }
  return found;
}

// The card folders that the card list of the vehicle folder `folder` names, as the module
// reads the list there, each once; none where `folder` holds no card list.
std::vector<std::string> listedCardFolders(const std::string& folder) {
  std::vector<std::string> folders;
  std::string vehicle;
  if (!platform::makeAbsolute(folder, vehicle)) vehicle = folder;
  const std::unique_ptr<CCsvread> reader = readerInVehicle(vehicle);
  if (!reader || !platform::pathExists(reader->cardListPath)) return folders;
  for (const std::string& entry : reader->cardList) {
    const std::string path = platform::appendPath(folder, entry);
    if (entry == kNullEntry || !platform::isFolder(path)) continue;
    if (std::find(folders.begin(), folders.end(), path) == folders.end()) folders.push_back(path);
  }
  return folders;
}

// The card files that the operands name: files as given, folders by their *.csv files,
// and a vehicle folder by those of the card folders its card list names.
std::vector<std::string> cardFilesOf(const std::vector<std::string>& operands) {
  std::vector<std::string> files;
  for (const std::string& operand : operands) {
    if (!platform::isFolder(operand)) {
      files.push_back(operand);
      continue;
    }
    std::string folder = operand;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    bool found = addCardFiles(folder, files);
    if (!found) {
      for (const std::string& cards : listedCardFolders(folder)) found |= addCardFiles(cards, files);
    }
    if (!found) complain(message(Msg::kFixNoCardFiles, {terminalText(operand)}));
  }
  return files;
}

std::string quotedForTerminal(std::string_view bytes) {
  return "\"" + terminalText(bytes) + "\"";
}

std::string appliedLine(std::string_view file, const AppliedFix& fix) {
  std::string line = terminalText(file) + ':' + std::to_string(fix.line) + ':' +
                     std::to_string(fix.column) + ": " +
                     message(fix.safety == FixSafety::kSafe ? Msg::kFixedSafe : Msg::kFixedSuggested) +
                     ": " + remarkTitle(fix.code, fix.args);
  if (fix.oneEdit) line += ": " + quotedForTerminal(fix.before) + " → " + quotedForTerminal(fix.after);
  return line + " [" + std::string(remarkId(fix.code)) + ']';
}

struct FixOptions {
  bool diff = false;
  bool suggestions = false;
  bool backup = true;
};

// Writes the fixed card: beside its backup, or under its new name. False, with the
// reason said, when the file stays as it was.
bool writeFixed(const std::string& file, const std::string& newPath, std::string_view original,
                std::string_view fixed, const FixOptions& options) {
  std::string error;
  const std::string backup = file + std::string(kBackupSuffix);
  if (newPath != file) {
    if (platform::pathExists(newPath)) {
      complain(message(Msg::kFixNameTaken, {terminalText(file), terminalText(newPath)}));
      return false;
    }
    if (!platform::writeFileAtomically(newPath, fixed, false, error)) {
      complain(message(Msg::kWriteFailed, {terminalText(newPath), error}));
      return false;
    }
    const bool moved = options.backup ? platform::renameFile(file, backup, error)
                                      : platform::removeFile(file);
    if (!moved) complain(message(Msg::kWriteFailed, {terminalText(file), error}));
    return moved;
  }
  if (options.backup && !platform::writeFileAtomically(backup, original, true, error)) {
    complain(message(Msg::kWriteFailed, {terminalText(backup), error}));
    return false;
  }
  if (!platform::writeFileAtomically(file, fixed, true, error)) {
    complain(message(Msg::kWriteFailed, {terminalText(file), error}));
    return false;
  }
  return true;
}

// False when the file could not be fixed.
bool fixFile(const std::string& file, const FixOptions& options) {
  std::string bytes;
  if (platform::isFolder(file) || !platform::readFile(file, bytes)) {
    complain(message(Msg::kReadFailed, {terminalText(file)}));
    return false;
  }
  const std::optional<std::string> newName = shiftJisFileName(file);
  const std::string newPath =
      newName ? file.substr(0, fileNameStart(file)) + *newName : file;
  const FixedCard fixed = fixCardText(bytes, cardFileNameOf(file), options.suggestions);
  const std::string shown = terminalText(file);
  if (fixed.wouldAddRemarks) {
    complain(message(Msg::kFixWouldAddRemarks, {shown, std::to_string(fixed.remarksAfter),
                                                std::to_string(fixed.remarksBefore)}));
    return false;
  }
  const bool changed = fixed.bytes != bytes || newPath != file;
  if (changed && options.diff) {
    const std::string diff = unifiedDiff(bytes, fixed.bytes, file, newPath);
    say(diff.empty() ? "--- " + shown + "\n+++ " + terminalText(newPath) : diff.substr(0, diff.size() - 1));
  } else if (changed) {
    if (!writeFixed(file, newPath, bytes, fixed.bytes, options)) return false;
    for (const AppliedFix& fix : fixed.applied) say(appliedLine(file, fix));
    if (newPath != file) say(message(Msg::kFixRenamed, {shown, terminalText(newPath)}));
    if (options.backup) {
      say(message(Msg::kFixKeptAs, {terminalText(newPath), terminalText(file + std::string(kBackupSuffix))}));
    }
  }
  if (fixed.suggestionsLeft > 0) {
    say(message(Msg::kFixSuggestionsLeft, {shown, std::to_string(fixed.suggestionsLeft)}));
  }
  return true;
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return a == b || std::filesystem::equivalent(platform::fileSystemPath(a), platform::fileSystemPath(b), ec);
}

// The one operand of export and import, read into `bytes`, and the -o value; false, with
// `usage` said, for none or two operands, and with the message of any other mistake: an
// operand that cannot be read, an output that is the operand itself.
bool fileAndOutput(std::string_view command, const std::vector<std::string>& args,
                   std::string& file, std::string& output, std::string& bytes, int& status,
                   Msg usage) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (i + 1 >= args.size()) {
        status = usageError(message(Msg::kNeedsValue, {args[i]}));
        return false;
      }
      output = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      status = usageError(message(Msg::kUnknownOption, {args[i]}));
      return false;
    } else if (file.empty()) {
      file = args[i];
    } else {
      status = usageError(message(usage, {command}));
      return false;
    }
  }
  if (file.empty()) {
    status = usageError(message(usage, {command}));
    return false;
  }
  if (platform::isFolder(file) || !platform::readFile(file, bytes)) {
    status = usageError(message(Msg::kCannotRead, {terminalText(file)}));
    return false;
  }
  if (!output.empty() && sameFile(file, output)) {
    status = usageError(message(Msg::kWouldOverwriteInput, {std::string(command), terminalText(file)}));
    return false;
  }
  return true;
}

// Writes `bytes` to `output`, or to standard output when it is empty.
bool writeOutput(const std::string& output, std::string_view bytes) {
  if (output.empty()) return platform::writeStandardOutput(bytes);
  std::string error;
  if (platform::writeFileAtomically(output, bytes, true, error)) return true;
  complain(message(Msg::kWriteFailed, {terminalText(output), error}));
  return false;
}

}  // namespace

int runFix(const std::vector<std::string>& args) {
  FixOptions options;
  std::vector<std::string> operands;
  for (const std::string& arg : args) {
    if (arg == "--diff") {
      options.diff = true;
    } else if (arg == "--unsafe-fixes") {
      options.suggestions = true;
    } else if (arg == "--no-backup") {
      options.backup = false;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError(message(Msg::kUnknownOption, {arg}));
    } else {
      operands.push_back(arg);
    }
  }
  if (operands.empty()) return usageError(message(Msg::kFixNeedsFiles));
  platform::catchStopRequests();
  int status = 0;
  for (const std::string& file : cardFilesOf(operands)) {
    if (!fixFile(file, options)) status = kExitFailed;
    stopIfRequested();
  }
  return status;
}

int runExport(const std::vector<std::string>& args) {
  std::string card;
  std::string output;
  int status = 0;
  std::string bytes;
  if (!fileAndOutput("export", args, card, output, bytes, status, Msg::kTakesOneCardFile)) return status;
  std::string table;
  std::string error;
  if (!cardAsTable(bytes, card, table, error)) {
    complain(error);
    return kExitFailed;
  }
  platform::catchStopRequests();
  const bool written = writeOutput(output, table);
  stopIfRequested();
  return written ? 0 : kExitInput;
}

int runImport(const std::vector<std::string>& args) {
  std::string table;
  std::string output;
  int status = 0;
  std::string bytes;
  if (!fileAndOutput("import", args, table, output, bytes, status, Msg::kImportNeedsTable)) return status;
  const ImportedCard card = cardFromTable(bytes, table);
  for (const std::string& warning : card.warnings) complain(warning);
  if (!card.written) {
    complain(card.error);
    return kExitFailed;
  }
  platform::catchStopRequests();
  if (!writeOutput(output, card.bytes)) return kExitInput;
  stopIfRequested();
  // The card as `check` sees it; beside a card on standard output, on standard error.
  std::ostringstream out;
  RemarkReport report(ReportFormat::kText, out);
  const std::string shown = output.empty() ? "-" : output;
  report.add(terminalText(shown), lintCard(card.bytes, cardFileNameOf(shown), false), card.bytes,
             CommentStyle::kCard);
  report.finish(false);
  platform::writeTerminal(out.str(), output.empty());
  return report.counts().errors > 0 ? kExitFailed : 0;
}
