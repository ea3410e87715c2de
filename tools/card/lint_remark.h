// One remark of the authors' checker and the line it prints: where, which remark (its
// code, and with it how bad it is), the text as read, what the module does instead and
// what was expected.
#ifndef RUVA_TOOLS_CARD_LINT_REMARK_H_
#define RUVA_TOOLS_CARD_LINT_REMARK_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/remark_fix.h"
#include "tools/common/remark_codes.h"

struct LintRemark {
  int32_t line = 0;    // from 1; 0 for the file as a whole
  int32_t column = 0;  // card files: the column, 0 being the row type; settings files:
                       // the character, from 1
  RemarkCode code = RemarkCode::kNotInteger;
  std::vector<std::string> args;     // the parts of the code's title
  std::optional<std::string> field;  // the text as read, for the terminal
  std::string instead;               // what the module uses or does instead
  std::string expected;              // what the author should write
  // The characters of the line that the remark is about, from 1, the end excluded;
  // 0 where they are not known.
  int32_t startColumn = 0;
  int32_t endColumn = 0;
  // The correction, where it has one meaning.
  std::optional<RemarkFix> fix;
};

// A remark without arguments, field or place in a line.
LintRemark makeRemark(int32_t line, int32_t column, RemarkCode code, std::string instead,
                      std::string expected);

struct LintCounts {
  int errors = 0;
  int warnings = 0;
};

// What the remark says, after the place and severity: WHAT: "FIELD" (INSTEAD; EXPECTED)
std::string remarkMessage(const LintRemark& remark);

// The whole line: FILE:LINE:COL: error|warning|note: WHAT: "FIELD" (INSTEAD; EXPECTED) [CODE]
std::string remarkLine(std::string_view file, const LintRemark& remark);

// True when `bytes` is valid UTF-8 (pure ASCII included).
bool isUtf8(std::string_view bytes);

// A byte string for the terminal: UTF-8 stays as it is, anything else is taken as
// code page 932, the code page of card files and vehicle folders.
std::string terminalText(std::string_view bytes);

#endif  // RUVA_TOOLS_CARD_LINT_REMARK_H_
