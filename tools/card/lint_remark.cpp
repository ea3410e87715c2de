#include "tools/card/lint_remark.h"

#include "platform/host_text.h"
#include "tools/common/messages.h"

bool isUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

namespace {

const char* severityName(Severity severity) {
  switch (severity) {
    case Severity::kNote:
      return "note";
    case Severity::kWarning:
      return "warning";
    case Severity::kError:
      break;
  }
  return "error";
}

}  // namespace

std::string terminalText(std::string_view bytes) {
  return isUtf8(bytes) ? std::string(bytes) : platform::utf8FromCodePage932(bytes);
}

void writeRemarks(std::string_view file, const std::vector<LintRemark>& remarks, LintCounts& counts,
                  std::ostream& out) {
  for (const LintRemark& r : remarks) {
    if (r.severity == Severity::kError) ++counts.errors;
    if (r.severity == Severity::kWarning) ++counts.warnings;
    out << file << ':' << r.line << ':' << r.column << ": " << severityName(r.severity) << ": "
        << r.what;
    if (r.field) out << ": \"" << *r.field << '"';
    out << message(Msg::kRemarkTail, {r.instead, r.expected}) << '\n';
  }
}
