// CCsvread's shared mechanics: splitting lines, resolving card paths and reading a card
// file into the parser.
#include "card/csv_reader.h"

#include "card/line_split.h"
#include "card/parser.h"
#include "platform/platform.h"

namespace {

// The card-list entry of nothing; as a path it stands for a folder that normally does
// not exist.
constexpr std::string_view kNullPath = "NULL";

}  // namespace

std::vector<std::string> CCsvread::splitLine(const std::string& line) {
  std::vector<std::string_view> views;
  splitFields(line, views);
  return std::vector<std::string>(views.begin(), views.end());
}

bool CCsvread::resolveCardPath(std::string_view path, std::string& absolute) const {
  if (platform::isAbsolutePath(path)) {
    absolute.assign(path);
    return true;
  }
  // The folder of the card list file. Before a Load that found it no folder is known,
  // and the host's current folder, whose files are not the vehicle's, may not stand in.
  if (cardListPath[0] == '\0') return false;
  const std::string folder = std::string(moduleDrive) + moduleDir;
  return platform::makeAbsolute(platform::appendPath(folder, path), absolute);
}

platform::FileRead CCsvread::readCardBytes(const std::string& path, std::string& bytes) {
  // One open both tests the file and reads it: a file that an editor replaces in
  // between cannot pass the test and then fail the read, which would lose the card.
  return platform::readFileUpTo(path, kCardFileLimit, bytes);
}

CardRecord CCsvread::parseCardFile(const std::string& path) {
  return parseCardFile(path, nullptr);
}

CardRecord CCsvread::parseCardFile(const std::string& path, CardDiagnostics* diagnostics) {
  if (path == kNullPath) return preparedCardRecord();
  std::string resolved;
  std::string bytes;
  if (!resolveCardPath(path, resolved) ||
      readCardBytes(resolved, bytes) != platform::FileRead::kRead) {
    return preparedCardRecord();
  }
  return parseCardText(bytes, diagnostics);
}
