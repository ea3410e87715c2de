// `ruvacard fix` on one card file, without touching the disk: the fixes that its remarks
// carry, applied pass by pass (one fix can bring the next to light: a card in UTF-8 with
// full-width digits), and the file checked again after.
#ifndef RUVA_TOOLS_CARD_CARD_FIX_H_
#define RUVA_TOOLS_CARD_CARD_FIX_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/lint_remark.h"

// One fix as it was applied.
struct AppliedFix {
  int32_t line = 0;  // of the file as it stood before this fix's pass
  int32_t column = 0;
  RemarkCode code = RemarkCode::kNotInteger;
  std::vector<std::string> args;
  FixSafety safety = FixSafety::kSafe;
  bool oneEdit = false;  // one text replaced by another: `before` and `after` hold them
  std::string before;
  std::string after;
};

struct FixedCard {
  std::string bytes;  // the card after its fixes; the card itself when none applied
  std::vector<AppliedFix> applied;
  int32_t remarksBefore = 0;  // errors and warnings, disable comments heeded
  int32_t remarksAfter = 0;
  int32_t suggestionsLeft = 0;  // suggestions that were not asked for
  bool wouldAddRemarks = false;  // the fixes were dropped: they gave more remarks
};

// The card file `bytes` with its safe fixes applied, and with `suggestions` the
// suggested ones too. `fileName` is the name it is checked under (code page 932 bytes,
// no folder): the name it will have once fixed. Never more remarks than before: where
// the fixes would give more, the card stays as it is.
FixedCard fixCardText(std::string_view bytes, std::string_view fileName, bool suggestions);

#endif  // RUVA_TOOLS_CARD_CARD_FIX_H_
