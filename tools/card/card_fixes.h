// The corrections that the checker's remarks on a card file carry, where a remark has
// one meaning: what bytes stand in the file instead, found from the remark's line and
// column in the same line split the module reads with.
#ifndef RUVA_TOOLS_CARD_CARD_FIXES_H_
#define RUVA_TOOLS_CARD_CARD_FIXES_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/lint_remark.h"

// Gives each remark on the card file `bytes` that has one correction its fix: safe for
// the byte order mark, lone CRs, UTF-8 text, quotes around whole fields, full-width
// digits in number columns and blanks after a train number; a suggestion for a time written as HHMM or 7:04 and for the
// pass mark written レ. A remark that has a fix keeps it.
void attachCardFixes(std::string_view bytes, std::vector<LintRemark>& remarks);

// The name a card file at `path` should have, when its name is UTF-8 and a card code
// builds the code page 932 one: that name; none when the name stands as it should.
std::optional<std::string> shiftJisFileName(std::string_view path);

#endif  // RUVA_TOOLS_CARD_CARD_FIXES_H_
