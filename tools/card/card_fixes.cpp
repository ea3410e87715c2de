#include "tools/card/card_fixes.h"

#include <algorithm>

#include "card/card_format.h"
#include "card/line_split.h"
#include "card/number_conversion.h"
#include "tools/card/card_names.h"
#include "tools/card/written_forms.h"
#include "tools/platform/host_text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Timetables print レ (a katakana letter) for a train that passes: the module's pass
// mark is ↓.
constexpr std::string_view kPassLetter932 = "\x83\x8C";
constexpr std::string_view kPassLetterUtf8 = "\xE3\x83\xAC";

bool isHigh(char c) {
  return (static_cast<unsigned char>(c) & 0x80) != 0;
}

std::string_view trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find_last_not_of(" \t");
  return text.substr(start, end - start + 1);
}

// The card as the fixes see it: its lines as views into the bytes.
struct CardText {
  std::string_view bytes;
  std::vector<std::string_view> lines;
  bool utf8 = false;

  explicit CardText(std::string_view all) : bytes(all) {
    std::string_view rest = all;
    std::string_view line;
    while (takeLine(rest, line)) lines.push_back(line);
    const std::string_view text = all.substr(all.substr(0, 3) == kByteOrderMark ? 3 : 0);
    utf8 = std::any_of(text.begin(), text.end(), isHigh) && isUtf8(text);
  }

  std::size_t offsetOf(std::string_view part) const {
    return static_cast<std::size_t>(part.data() - bytes.data());
  }

  // The fields of line `number` (from 1); none past the last line.
  std::vector<std::string_view> fields(int32_t number) const {
    std::vector<std::string_view> out;
    if (number >= 1 && static_cast<std::size_t>(number) <= lines.size()) {
      splitFields(lines[static_cast<std::size_t>(number) - 1], out);
    }
    return out;
  }

  // The kind of column `column` in line `number`, if the line is a row that has it.
  std::optional<ColumnKind> kindOf(int32_t number, int32_t column) const {
    const std::vector<std::string_view> row = fields(number);
    int32_t type = 0;
    if (row.empty() || !convertInt(row[kRowTypeColumn], type)) return std::nullopt;
    const RowFormat* format = rowFormat(type);
    const CardColumn* c = format != nullptr ? columnOf(*format, column) : nullptr;
    if (c == nullptr) return std::nullopt;
    return c->kind;
  }
};

RemarkFix fieldFix(const CardText& card, std::string_view field, std::string replacement,
                   FixSafety safety) {
  RemarkFix fix;
  fix.safety = safety;
  fix.edits.push_back({card.offsetOf(field), field.size(), std::move(replacement)});
  return fix;
}

// Every run of bytes above ASCII, written anew in code page 932; none when one of them
// is no UTF-8 text that the code page holds.
std::optional<RemarkFix> reencodedText(const CardText& card) {
  RemarkFix fix;
  const std::string_view bytes = card.bytes;
  std::size_t i = bytes.substr(0, 3) == kByteOrderMark ? 3 : 0;
  while (i < bytes.size()) {
    if (!isHigh(bytes[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < bytes.size() && isHigh(bytes[end])) ++end;
    std::string converted = platform::toCodePage932(bytes.substr(i, end - i));
    if (converted.empty()) return std::nullopt;
    fix.edits.push_back({i, end - i, std::move(converted)});
    i = end;
  }
  return fix;
}

// A line feed after every CR that no line feed follows.
RemarkFix lineFeeds(const CardText& card) {
  RemarkFix fix;
  const std::string_view bytes = card.bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
      fix.edits.push_back({i + 1, 0, "\n"});
    }
  }
  return fix;
}

// The quote marks around every whole field of the row that holds no comma.
std::optional<RemarkFix> unquotedRow(const CardText& card, int32_t line) {
  RemarkFix fix;
  for (std::string_view field : card.fields(line)) {
    const std::optional<std::string> inner = unquotedField(field);
    if (!inner || inner->find(',') != std::string::npos) continue;
    fix.edits.push_back({card.offsetOf(field), field.size(), *inner});
  }
  if (fix.edits.empty()) return std::nullopt;
  return fix;
}

// The time that a time column's text most likely means, in the form the module reads.
std::optional<std::string> meantTime(const CardText& card, std::string_view text) {
  if (const std::optional<std::string> time = hhmmssOf(text)) return time;
  const std::string_view letter = card.utf8 ? kPassLetterUtf8 : kPassLetter932;
  if (trimmed(text) != letter) return std::nullopt;
  for (const TimeMark& mark : kTimeMarks) {
    if (mark.value != kPassMarkTime) continue;
    return card.utf8 ? platform::utf8FromCodePage932(mark.text) : std::string(mark.text);
  }
  return std::nullopt;
}

std::optional<RemarkFix> fixOf(const CardText& card, const LintRemark& r) {
  const std::vector<std::string_view> row = card.fields(r.line);
  const bool hasField = r.column >= kRowTypeColumn && static_cast<std::size_t>(r.column) < row.size();
  const std::string_view field = hasField ? row[static_cast<std::size_t>(r.column)] : "";
  switch (r.code) {
    case RemarkCode::kByteOrderMark: {
      RemarkFix fix;
      fix.edits.push_back({0, kByteOrderMark.size(), ""});
      return fix;
    }
    case RemarkCode::kTextInUtf8:
      return reencodedText(card);
    case RemarkCode::kLoneCr:
      return lineFeeds(card);
    case RemarkCode::kQuotedField:
      return unquotedRow(card, r.line);
    case RemarkCode::kTrainNumberNotShown:
    case RemarkCode::kLetterAmongDigits: {
      // Blanks after a train number mean nothing, but the module keeps them, and the
      // last of them takes the place of the suffix.
      const std::string_view kept = field.substr(0, field.find_last_not_of(" \t") + 1);
      if (!hasField || kept.empty() || kept.size() == field.size()) break;
      return fieldFix(card, field, std::string(kept), FixSafety::kSafe);
    }
    case RemarkCode::kFullWidthDigits: {
      std::optional<std::string> narrow = halfWidthDigits(field, card.utf8);
      if (!hasField || !narrow) return std::nullopt;
      return fieldFix(card, field, std::move(*narrow), FixSafety::kSafe);
    }
    case RemarkCode::kShortTime:
    case RemarkCode::kShortSecondTrainTime:
    case RemarkCode::kTextAfterNumber:
    case RemarkCode::kNotInteger: {
      const std::optional<ColumnKind> kind = card.kindOf(r.line, r.column);
      if (!hasField || (kind != ColumnKind::kTime && kind != ColumnKind::kPlainTime)) break;
      std::optional<std::string> time = meantTime(card, field);
      if (!time) break;
      return fieldFix(card, field, std::move(*time), FixSafety::kSuggestion);
    }
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

const char* safetyName(FixSafety safety) {
  return safety == FixSafety::kSafe ? "safe" : "suggestion";
}

void attachCardFixes(std::string_view bytes, std::vector<LintRemark>& remarks) {
  const CardText card(bytes);
  for (LintRemark& r : remarks) {
    if (!r.fix) r.fix = fixOf(card, r);
  }
}

std::optional<std::string> shiftJisFileName(std::string_view path) {
  const std::string_view name = path.substr(fileNameStart(path));
  const std::string converted = cardFileNameOf(path);
  if (converted == name || !cardCodeForFileName(converted, -1)) return std::nullopt;
  return converted;
}
