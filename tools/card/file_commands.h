// The ruvacard commands that write card files: `fix`, `export` and `import`. Each
// writes a file through a new file in its folder that is renamed into place, so that a
// stop request, a full disk or a failure leaves the file as it was and no other file
// behind.
#ifndef RUVA_TOOLS_CARD_FILE_COMMANDS_H_
#define RUVA_TOOLS_CARD_FILE_COMMANDS_H_

#include <string>
#include <vector>

// ruvacard fix [--diff] [--unsafe-fixes] [--no-backup] FILE|FOLDER...
// 0 when every file was fixed or needed nothing; 1 when a file could not be read or
// written, or was left as it was; 2 for bad usage.
int runFix(const std::vector<std::string>& args);

// ruvacard export CARD [-o FILE]: 0, or 1 when the card cannot go into a table, 2 for
// bad usage or a file that cannot be read or written.
int runExport(const std::vector<std::string>& args);

// ruvacard import TABLE [-o CARD]: the card's check as `check` gives it (0, or 1 for an
// error), 1 when no card is written, 2 for bad usage or a file that cannot be read or
// written.
int runImport(const std::vector<std::string>& args);

#endif  // RUVA_TOOLS_CARD_FILE_COMMANDS_H_
