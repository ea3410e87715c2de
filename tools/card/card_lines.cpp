#include "tools/card/card_lines.h"

#include "tools/platform/host_text.h"

void CardLines::reserve(std::size_t lineCount, std::size_t fieldCount) {
  texts.reserve(lineCount);
  lineFields.reserve(fieldCount);
  fieldStarts.reserve(lineCount + 1);
}

void CardLines::addLine(std::string_view text, std::span<const std::string_view> fields) {
  texts.push_back(text);
  lineFields.insert(lineFields.end(), fields.begin(), fields.end());
  fieldStarts.push_back(static_cast<uint32_t>(lineFields.size()));
}

bool CardLines::doubtful(int32_t line, int32_t column) const {
  return slipped.count(line) > 0 || remarked.count({line, column}) > 0;
}

std::string shownField(std::string_view bytes, bool utf8) {
  return utf8 ? std::string(bytes) : platform::utf8FromCodePage932(bytes);
}

LintRemark CardLines::remarkOn(int32_t line, int32_t column, RemarkCode code, std::string instead,
                               std::string expected) const {
  LintRemark r = makeRemark(line, column, code, std::move(instead), std::move(expected));
  r.field = shown(field(line, column));
  return r;
}
