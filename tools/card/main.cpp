// ruvacard: checks and previews card files the way the module reads them, and
// explains card codes. Exit status 0 when all went well, 1 when `check --strict` found
// something or `code` found no file, 2 for bad input.
#include <charconv>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "card/parser.h"
#include "tools/card/card_check.h"
#include "tools/card/card_views.h"
#include "tools/common/text_file.h"

namespace {

constexpr int kExitFound = 1;
constexpr int kExitInput = 2;

constexpr const char* kUsage =
    "usage: ruvacard check [--strict] [--notes] FILE...\n"
    "       ruvacard show FILE\n"
    "       ruvacard preview FILE [--rows 3|5]\n"
    "       ruvacard code CODE [--vehicle FOLDER]\n"
    "  check    every ignored row and fallback value, with line and column\n"
    "           (--notes also lists recognised marks; --strict: exit 1 when any)\n"
    "  show     the card as read: header values, stops, event and range tables\n"
    "  preview  what the lists show with each stop as the current one\n"
    "  code     the card folder, file name and path that a card code selects\n";

int inputError(const std::string& message) {
  std::cerr << "ruvacard: " << message << '\n';
  return kExitInput;
}

bool parseInt(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && stop == end;
}

int runCheck(const std::vector<std::string>& args) {
  bool strict = false;
  bool notes = false;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (arg == "--strict") {
      strict = true;
    } else if (arg == "--notes") {
      notes = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return inputError("unknown option " + arg);
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) return inputError("check needs at least one card file");
  int reported = 0;
  for (const std::string& file : files) {
    std::string bytes;
    if (!readWholeFile(file, bytes)) return inputError("cannot read " + file);
    const CheckCounts counts = checkCard(file, bytes, notes, std::cout);
    const CardRecord card = parseCardText(bytes);
    std::cout << file << ": " << static_cast<int>(card.stopCount) << " stops; " << counts.ignored
              << " ignored, " << counts.fallbacks << " fallbacks, " << counts.marks << " marks\n";
    reported += counts.ignored + counts.fallbacks;
  }
  return strict && reported > 0 ? kExitFound : 0;
}

int runShowOrPreview(const std::string& command, const std::vector<std::string>& args) {
  std::string file;
  int32_t rows = 5;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (command == "preview" && args[i] == "--rows") {
      if (i + 1 >= args.size() || !parseInt(args[i + 1], rows) || (rows != 3 && rows != 5)) {
        return inputError("--rows takes 3 or 5");
      }
      ++i;
    } else if (!args[i].empty() && args[i][0] == '-') {
      return inputError("unknown option " + args[i]);
    } else if (file.empty()) {
      file = args[i];
    } else {
      return inputError(command + " takes one card file");
    }
  }
  if (file.empty()) return inputError(command + " needs a card file");
  std::string bytes;
  if (!readWholeFile(file, bytes)) return inputError("cannot read " + file);
  const CardRecord card = parseCardText(bytes);
  if (command == "show") {
    showCard(card, std::cout);
  } else {
    previewCard(card, rows, std::cout);
  }
  return 0;
}

int runCode(const std::vector<std::string>& args) {
  std::string vehicle;
  std::string codeText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--vehicle") {
      if (i + 1 >= args.size()) return inputError("--vehicle needs a folder");
      vehicle = args[++i];
    } else if (codeText.empty()) {
      codeText = args[i];
    } else {
      return inputError("code takes one card code");
    }
  }
  int32_t code = 0;
  if (!parseInt(codeText, code)) return inputError("bad card code '" + codeText + "'");
  return explainCardCode(code, vehicle, std::cout) ? 0 : kExitFound;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::cout << kUsage;
    return argc < 2 ? kExitInput : 0;
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "check") return runCheck(args);
  if (command == "show" || command == "preview") return runShowOrPreview(command, args);
  if (command == "code") return runCode(args);
  std::cerr << kUsage;
  return inputError("unknown command " + command);
}
