// What `ruvacard fix --diff` prints: the change of a file as a unified diff.
#ifndef RUVA_TOOLS_CARD_UNIFIED_DIFF_H_
#define RUVA_TOOLS_CARD_UNIFIED_DIFF_H_

#include <string>
#include <string_view>

// A unified diff from `before` (named `oldName`) to `after` (named `newName`), line by
// line with three lines of context, in UTF-8: each line as the terminal shows it (a
// card in code page 932 converted). Empty when the two are the same.
std::string unifiedDiff(std::string_view before, std::string_view after, std::string_view oldName,
                        std::string_view newName);

#endif  // RUVA_TOOLS_CARD_UNIFIED_DIFF_H_
