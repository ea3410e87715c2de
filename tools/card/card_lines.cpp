#include "tools/card/card_lines.h"

#include "card/line_split.h"
#include "tools/platform/host_text.h"

namespace {

std::vector<std::string_view> fieldsOf(const CardLines& lines, int32_t line) {
  std::vector<std::string_view> fields;
  if (line >= 1 && static_cast<std::size_t>(line) <= lines.texts.size()) {
    splitFields(lines.texts[static_cast<std::size_t>(line) - 1], fields);
  }
  return fields;
}

// True when `index` is a place in a list of `size`.
bool within(int32_t index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

std::string_view CardLines::field(int32_t line, int32_t column) const {
  const std::vector<std::string_view> fields = fieldsOf(*this, line);
  return within(column, fields.size()) ? fields[static_cast<std::size_t>(column)]
                                       : std::string_view();
}

bool CardLines::hasField(int32_t line, int32_t column) const {
  return within(column, fieldsOf(*this, line).size());
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
