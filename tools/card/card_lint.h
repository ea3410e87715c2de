// `ruvacard check`: everything in one card file that the module would read other than
// as written (errors) or that is legal but probably not meant (warnings).
//
// The facts come from the module's own code: its parser, with the remarks it makes
// while parsing, its line split and number conversions, its train-number decoder and
// its card-code split. The checker adds only the judgement of what looks meant.
#ifndef RUVA_TOOLS_CARD_CARD_LINT_H_
#define RUVA_TOOLS_CARD_CARD_LINT_H_

#include <string_view>
#include <vector>

#include "tools/card/lint_remark.h"

// The remarks on the card file whose bytes are `bytes`, in line order. `fileName`
// (code page 932 bytes, without a folder) is compared with the train number when a
// card code names it. Notes about recognised special forms come only `withNotes`.
std::vector<LintRemark> lintCard(std::string_view bytes, std::string_view fileName, bool withNotes);

#endif  // RUVA_TOOLS_CARD_CARD_LINT_H_
