#include "tools/card/remark_pages.h"

#include <string>
#include <vector>

#include "tools/common/messages.h"
#include "tools/common/text_layout.h"

namespace {

// `text` with every line after the first indented to `indent`.
std::string indented(std::string_view text, std::size_t indent) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\n') out += std::string(indent, ' ');
  }
  return out;
}

std::string titleWithNumbers(RemarkCode code) {
  const std::vector<std::string> parts(9, "N");
  return remarkTitle(code, parts);
}

}  // namespace

void explainRemark(RemarkCode code, std::ostream& out) {
  const RemarkText& t = remarkText(code);
  const Msg labels[] = {Msg::kExplainDoes, Msg::kExplainWhy, Msg::kExplainWrong,
                        Msg::kExplainRight, Msg::kExplainFix};
  std::size_t width = 0;
  for (Msg label : labels) width = std::max(width, terminalColumns(message(label)));
  width += 2;
  const std::string texts[] = {inLanguage(t.does), inLanguage(t.why), t.wrong, t.right,
                               inLanguage(t.fix)};
  out << t.id << ' ' << severityName(t.severity) << ": " << titleWithNumbers(code) << "\n";
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    out << "  " << padColumns(message(labels[i]), width) << indented(texts[i], width + 2) << "\n";
  }
}

void writeRemarkTable(Severity severity, std::ostream& out) {
  out << "| " << message(Msg::kTableCode) << " | " << message(Msg::kTableRemark) << " | "
      << message(Msg::kTableFix) << " |\n|---|---|---|\n";
  for (const RemarkText& t : remarkCatalogue()) {
    if (t.severity != severity) continue;
    out << "| `" << t.id << "` | `" << titleWithNumbers(t.code) << "` | " << inLanguage(t.fix)
        << " |\n";
  }
}

bool severityNamed(std::string_view name, Severity& severity) {
  for (Severity known : {Severity::kError, Severity::kWarning, Severity::kNote}) {
    if (name == severityName(known)) {
      severity = known;
      return true;
    }
  }
  return false;
}
