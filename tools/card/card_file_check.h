// One card file as a card beacon reads it, then checked: what `check` does for each file
// it is given and `vehicle` for each file in a card folder.
#ifndef RUVA_TOOLS_CARD_CARD_FILE_CHECK_H_
#define RUVA_TOOLS_CARD_CARD_FILE_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

#include "tools/card/lint_remark.h"

// Reads the card file at `path` as a card beacon does, into `bytes`, and gives the remarks
// of lintCard on it (`fileName` and `withNotes` as there). False, with the one remark
// that says why, when no card loads from it at all: a folder, a file that does not open
// or cannot be read, or one larger than the module reads.
bool checkCardFile(const std::string& path, std::string_view fileName, bool withNotes,
                   std::string& bytes, std::vector<LintRemark>& remarks);

#endif  // RUVA_TOOLS_CARD_CARD_FILE_CHECK_H_
