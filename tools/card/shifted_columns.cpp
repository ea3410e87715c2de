#include "tools/card/shifted_columns.h"

#include <algorithm>
#include <cstddef>

#include "card/card_format.h"
#include "card/card_record.h"
#include "card/number_conversion.h"
#include "tools/card/card_times.h"
#include "tools/card/written_forms.h"

namespace {

constexpr int32_t kFewestSymptoms = 2;

// How well the fields look like what their columns hold: a time in a time column (the
// surest sign, counted twice), a name in a name column. Where an empty field in several
// places mends a row, the place that leaves the fields looking most right is the one
// the author left out.
int32_t fittingFields(const std::vector<std::string_view>& fields) {
  int32_t fitting = 0;
  for (const CardColumn& c : rowFormat(RowType::kStop).columns) {
    if (static_cast<std::size_t>(c.column) >= fields.size()) break;
    const std::string_view text = fields[static_cast<std::size_t>(c.column)];
    int32_t value = 0;
    const bool integer = convertInt(text, value);
    if (c.kind == ColumnKind::kTime) {
      // HHMMSS has five or six digits; fewer could be any small number.
      fitting += integer && writtenDigits(text) >= 5 && cardClockMs(storedStopTime(value)) ? 2 : 0;
    } else if (c.kind == ColumnKind::kText) {
      // The stop's number is shown as a number; the other texts are names.
      fitting += integer == (c.field == CardField::kStopText5) ? 1 : 0;
    }
  }
  return fitting;
}

std::string joined(const std::vector<std::string_view>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line += ',';
    line.append(fields[k]);
  }
  return line;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// True when fields `k` and `k + 1` read as one value of column `k` split at a comma: digits
// on both sides of a decimal comma, or words on both sides of a comma in a text. With
// `anyText`, a text column takes any two halves (`1,2番線`), never a number column.
bool isOneValue(const std::vector<std::string_view>& fields, std::size_t k, bool anyText) {
  const CardColumn* c = columnOf(rowFormat(RowType::kStop), static_cast<int32_t>(k));
  if (c == nullptr || k + 1 >= fields.size()) return false;
  int32_t value = 0;
  if (c->kind == ColumnKind::kReal) return allDigits(fields[k]) && allDigits(fields[k + 1]);
  return c->kind == ColumnKind::kText &&
         (anyText || (!convertInt(fields[k], value) && !convertInt(fields[k + 1], value)));
}

}  // namespace

std::optional<ColumnSlip> columnSlip(const std::vector<std::string_view>& fields,
                                     const LineErrors& errors, std::optional<int32_t> rowErrors) {
  if (fields.size() < 2 || (rowErrors ? *rowErrors : errors(joined(fields))) < kFewestSymptoms) {
    return std::nullopt;
  }
  // Column 0, the row type, is never part of a slip.
  std::vector<std::size_t> splits;
  int32_t bestSplit = -1;
  for (std::size_t k = 1; k < fields.size(); ++k) {
    std::vector<std::string_view> mended = fields;
    mended.erase(mended.begin() + static_cast<std::ptrdiff_t>(k));
    if (errors(joined(mended)) != 0) continue;
    const int32_t fit = fittingFields(mended);
    if (fit > bestSplit) splits.clear();
    if (fit >= bestSplit) {
      bestSplit = fit;
      splits.push_back(k);
    }
  }
  std::optional<std::size_t> missing;
  int32_t bestFit = -1;
  for (std::size_t k = 1; k <= fields.size(); ++k) {
    std::vector<std::string_view> mended = fields;
    mended.insert(mended.begin() + static_cast<std::ptrdiff_t>(k), std::string_view());
    if (errors(joined(mended)) != 0) continue;
    const int32_t fit = fittingFields(mended);
    if (fit > bestFit) {
      bestFit = fit;
      missing = k;
    }
  }
  // Both would be a coincidence that names no cause.
  if (splits.empty() == !missing) return std::nullopt;
  ColumnSlip slip;
  if (missing) {
    slip.missing = true;
    slip.column = static_cast<int32_t>(*missing);
    return slip;
  }
  // Either half of a split value can go with the same result. The two halves that make
  // one value of the column where they begin are the ones split; failing a clear pair, a
  // text is likelier to hold a stray comma than a number is.
  std::size_t first = splits.front();
  bool paired = false;
  for (const bool anyText : {false, true}) {
    for (std::size_t i = 0; i + 1 < splits.size() && !paired; ++i) {
      if (splits[i + 1] == splits[i] + 1 && isOneValue(fields, splits[i], anyText)) {
        first = splits[i];
        paired = true;
      }
    }
  }
  // One half alone: it began a field earlier, where a name absorbed the other.
  if (!paired && !(splits.size() > 1 && splits[1] == first + 1) && first > 1) --first;
  if (first + 1 >= fields.size()) return std::nullopt;
  slip.column = static_cast<int32_t>(first);
  slip.text = std::string(fields[first]) + ',' + std::string(fields[first + 1]);
  return slip;
}
