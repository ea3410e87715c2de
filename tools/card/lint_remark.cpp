#include "tools/card/lint_remark.h"

#include "tools/common/messages.h"
#include "tools/platform/host_text.h"

LintRemark makeRemark(int32_t line, int32_t column, RemarkCode code, std::string instead,
                      std::string expected) {
  LintRemark r;
  r.line = line;
  r.column = column;
  r.code = code;
  r.instead = std::move(instead);
  r.expected = std::move(expected);
  return r;
}

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

std::string terminalText(std::string_view bytes) {
  return isUtf8(bytes) ? std::string(bytes) : platform::utf8FromCodePage932(bytes);
}

std::string remarkMessage(const LintRemark& r) {
  std::string text = remarkTitle(r.code, r.args);
  if (r.field) text += ": \"" + *r.field + '"';
  return text + message(Msg::kRemarkTail, {r.instead, r.expected});
}

std::string remarkLine(std::string_view file, const LintRemark& r) {
  return std::string(file) + ':' + std::to_string(r.line) + ':' + std::to_string(r.column) + ": " +
         severityName(severityOf(r.code)) + ": " + remarkMessage(r) + " [" +
         std::string(remarkId(r.code)) + ']';
}
