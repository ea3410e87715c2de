// Comments that silence remarks where the author means what the checker remarks on:
//   # ruvacard: disable=C405,C309       the next line (a card file)
//   # ruvacard: disable-file=C202       the whole file
//   ; ruvacard: disable=S104            the same in the two settings files
// The module reads none of them: a card row whose column 0 does not begin with an
// integer is ignored, and the settings reader knows no key of such a name.
#ifndef RUVA_TOOLS_CARD_DISABLE_COMMENTS_H_
#define RUVA_TOOLS_CARD_DISABLE_COMMENTS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/lint_remark.h"

enum class CommentStyle : uint8_t {
  kCard,      // "#" lines; a remark's column is the field
  kSettings,  // ";" lines; a remark's column is the character
};

// One code of one disable comment.
struct DisableComment {
  int32_t line = 0;    // of the comment
  int32_t target = 0;  // the line it silences; 0 for the whole file
  int32_t column = 0;  // where the code stands, in the file's columns
  std::string code;    // as written
  std::optional<RemarkCode> known;
};

// The disable comments of `text`. A comment for the next line silences the first line
// after it that is no disable comment itself, so that several may stand one above the
// other.
std::vector<DisableComment> disableComments(std::string_view text, CommentStyle style);

// Takes from `remarks` those that the disable comments of `text` silence, and adds a
// warning for each code of a comment that names no remark, or that silenced none.
void applyDisableComments(std::string_view text, CommentStyle style,
                          std::vector<LintRemark>& remarks);

#endif  // RUVA_TOOLS_CARD_DISABLE_COMMENTS_H_
