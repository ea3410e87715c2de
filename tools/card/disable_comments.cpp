#include "tools/card/disable_comments.h"

#include <algorithm>

#include "card/line_split.h"
#include "platform/profile_text.h"
#include "tools/common/messages.h"

namespace {

constexpr std::string_view kTool = "ruvacard:";
constexpr std::string_view kNextLine = "disable=";
constexpr std::string_view kWholeFile = "disable-file=";

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::size_t skipBlanks(std::string_view line, std::size_t at) {
  while (at < line.size() && isBlank(line[at])) ++at;
  return at;
}

// The codes of a disable comment and where each stands; false for any other line.
struct Directive {
  bool wholeFile = false;
  std::vector<std::pair<std::size_t, std::string_view>> codes;  // byte offset, code
};

bool directiveOf(std::string_view line, char comment, Directive& directive) {
  std::size_t at = skipBlanks(line, 0);
  if (at >= line.size() || line[at] != comment) return false;
  at = skipBlanks(line, at + 1);
  if (line.substr(at, kTool.size()) != kTool) return false;
  at = skipBlanks(line, at + kTool.size());
  if (line.substr(at, kWholeFile.size()) == kWholeFile) {
    directive.wholeFile = true;
    at += kWholeFile.size();
  } else if (line.substr(at, kNextLine.size()) == kNextLine) {
    at += kNextLine.size();
  } else {
    return false;
  }
  while (at < line.size()) {
    const std::size_t start = skipBlanks(line, at);
    std::size_t end = line.find(',', start);
    if (end == std::string_view::npos) end = line.size();
    std::size_t last = end;
    while (last > start && isBlank(line[last - 1])) --last;
    if (last > start) directive.codes.emplace_back(start, line.substr(start, last - start));
    at = end + 1;
  }
  return true;
}

}  // namespace

std::vector<DisableComment> disableComments(std::string_view text, CommentStyle style) {
  const char comment = style == CommentStyle::kCard ? '#' : ';';
  std::vector<DisableComment> comments;
  std::vector<std::size_t> waiting;  // comments for the next line that is no comment
  // One line, `number`, whose first byte stands in column `column`.
  const auto take = [&](int32_t number, std::string_view line, int32_t column) {
    Directive directive;
    if (!directiveOf(line, comment, directive)) {
      for (std::size_t i : waiting) comments[i].target = number;
      waiting.clear();
      return;
    }
    for (const auto& [offset, code] : directive.codes) {
      DisableComment c;
      c.line = number;
      c.column = style == CommentStyle::kCard
                     ? static_cast<int32_t>(std::count(
                           line.begin(), line.begin() + static_cast<std::ptrdiff_t>(offset), ','))
                     : static_cast<int32_t>(offset) + column;
      c.code = std::string(code);
      c.known = remarkCodeOf(code);
      if (!directive.wholeFile) {
        c.target = -1;  // until a line follows
        waiting.push_back(comments.size());
      }
      comments.push_back(std::move(c));
    }
  };
  if (style == CommentStyle::kSettings) {
    // The settings reader's own lines, numbered as the remarks on them are.
    platform::walkProfileLines(text, [&take](const platform::ProfileLine& line) {
      take(line.line, platform::profileBytes(line.text), line.column);
      return true;
    });
    return comments;
  }
  std::string_view rest = text;
  std::string_view line;
  int32_t number = 0;
  while (takeLine(rest, line)) {
    ++number;
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    take(number, line, 1);
  }
  return comments;
}

void applyDisableComments(std::string_view text, CommentStyle style,
                          std::vector<LintRemark>& remarks) {
  const std::vector<DisableComment> comments = disableComments(text, style);
  if (comments.empty()) return;
  std::vector<bool> used(comments.size(), false);
  std::erase_if(remarks, [&](const LintRemark& r) {
    bool silenced = false;
    for (std::size_t i = 0; i < comments.size(); ++i) {
      const DisableComment& c = comments[i];
      if (c.known != r.code || (c.target != 0 && c.target != r.line)) continue;
      used[i] = true;
      silenced = true;
    }
    return silenced;
  });
  for (std::size_t i = 0; i < comments.size(); ++i) {
    if (used[i]) continue;
    const DisableComment& c = comments[i];
    LintRemark r =
        c.known ? makeRemark(c.line, c.column, RemarkCode::kUnusedDisable,
                             message(Msg::kDisableHasNoEffect), message(Msg::kDisableExpected))
                : makeRemark(c.line, c.column, RemarkCode::kUnknownDisableCode,
                             message(Msg::kDisableHasNoEffect), message(Msg::kUnknownCodeExpected));
    r.field = c.code;
    remarks.push_back(std::move(r));
  }
  std::stable_sort(remarks.begin(), remarks.end(), [](const LintRemark& a, const LintRemark& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
}
