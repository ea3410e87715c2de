#include "tools/card/card_row_lines.h"

#include <set>

#include "card/card_diagnostics.h"
#include "card/card_format.h"
#include "card/line_split.h"
#include "card/number_conversion.h"
#include "card/parser.h"

namespace {

// The lines of the rows that the parser leaves out of their tables: a full table, or a
// number that does not convert in a column whose failure drops the whole row.
class RowsLeftOut : public CardDiagnostics {
 public:
  void remark(const CardRemark& r) override {
    const bool failed = r.finding == CardFinding::kNotInteger ||
                        r.finding == CardFinding::kIntegerOutOfRange ||
                        r.finding == CardFinding::kNotNumber ||
                        r.finding == CardFinding::kNumberOutOfRange ||
                        r.finding == CardFinding::kColumnMissing;
    if (r.finding == CardFinding::kTableFull ||
        (failed && r.format != nullptr && r.format->onBad == OnBadValue::kRowIgnored)) {
      lines.insert(r.line);
    }
  }

  std::set<int32_t> lines;
};

}  // namespace

CardRowLines cardRowLines(std::string_view bytes) {
  RowsLeftOut leftOut;
  parseCardText(bytes, &leftOut);
  CardRowLines rows;
  std::vector<std::string_view> fields;
  std::string_view rest = bytes;
  std::string_view line;
  int32_t number = 0;
  while (takeLine(rest, line)) {
    ++number;
    splitFields(line, fields);
    int32_t type = 0;
    if (fields.empty() || !convertInt(fields[kRowTypeColumn], type) || leftOut.lines.count(number))
      continue;
    const RowFormat* format = rowFormat(type);
    if (format == nullptr) continue;
    if (format->type == RowType::kStop) rows.stops.push_back(number);
    if (format->type == RowType::kEvent) rows.events.push_back(number);
    if (format->type == RowType::kRange) rows.ranges.push_back(number);
  }
  return rows;
}
