// One remark of the authors' checker and the line it prints: where, how bad, what is
// wrong, the text as read, what the module does instead and what was expected.
#ifndef RUVA_TOOLS_CARD_LINT_REMARK_H_
#define RUVA_TOOLS_CARD_LINT_REMARK_H_

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

enum class Severity : uint8_t {
  kNote,     // a special form, recognised as intended (only with --notes)
  kWarning,  // legal, but probably not meant
  kError,    // the module reads something other than what the author wrote
};

struct LintRemark {
  int32_t line = 0;    // from 1; 0 for the file as a whole
  int32_t column = 0;  // card files: the column, 0 being the row type; settings files:
                       // the character, from 1
  Severity severity = Severity::kError;
  std::string what;                  // what is wrong
  std::optional<std::string> field;  // the text as read, for the terminal
  std::string instead;               // what the module uses or does instead
  std::string expected;              // what the author should write
};

struct LintCounts {
  int errors = 0;
  int warnings = 0;
};

// Writes `remarks`, one line each:
//   FILE:LINE:COL: error|warning|note: WHAT: "FIELD" (INSTEAD; EXPECTED)
// and adds them to `counts`.
void writeRemarks(std::string_view file, const std::vector<LintRemark>& remarks, LintCounts& counts,
                  std::ostream& out);

// True when `bytes` is valid UTF-8 (pure ASCII included).
bool isUtf8(std::string_view bytes);

// A byte string for the terminal: UTF-8 stays as it is, anything else is taken as
// code page 932, the code page of card files and vehicle folders.
std::string terminalText(std::string_view bytes);

#endif  // RUVA_TOOLS_CARD_LINT_REMARK_H_
