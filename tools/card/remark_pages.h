// The catalogue of remarks for people: `ruvacard explain CODE` prints the page of one
// code, and `ruvacard explain --table error|warning|note` the table of a severity that
// the authors' documentation holds (a test keeps the two the same).
#ifndef RUVA_TOOLS_CARD_REMARK_PAGES_H_
#define RUVA_TOOLS_CARD_REMARK_PAGES_H_

#include <ostream>
#include <string>
#include <string_view>

#include "tools/common/remark_codes.h"

// A text of the page of `code` in the current language, with the facts of the module
// it names filled in.
std::string remarkPageText(RemarkCode code, const Words& words);

// The page of `code` in the current language: its title, what the module does, why it
// matters, a wrong and a right line, and the fix.
void explainRemark(RemarkCode code, std::ostream& out);

// A Markdown table of every code of `severity`: code, the remark as printed ("N" for
// its numbers), what the module does, the fix.
void writeRemarkTable(Severity severity, std::ostream& out);

// The severity named `name` ("error", "warning", "note"); false for another name.
bool severityNamed(std::string_view name, Severity& severity);

#endif  // RUVA_TOOLS_CARD_REMARK_PAGES_H_
