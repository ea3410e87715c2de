// A stop row whose later fields stand one column off: one column left out, or one value
// split in two by a comma (a decimal comma, a comma in a name). Such a row spoils every
// column after the slip; finding the one slip names the cause once.
#ifndef RUVA_TOOLS_CARD_SHIFTED_COLUMNS_H_
#define RUVA_TOOLS_CARD_SHIFTED_COLUMNS_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ColumnSlip {
  bool missing = false;  // a column left out; else a value split by a comma
  int32_t column = 0;    // the column left out, or the column split
  std::string text;      // a split value as written, comma included
};

// The number of errors the checker finds in the card line `line`.
using LineErrors = std::function<int32_t(std::string_view line)>;

// The slip that makes the row of `fields` (a stop row, without the appended "end") read
// without any error when it is undone, where the row has at least two errors; none when
// no single slip explains them. Where an empty field mends the row in several places,
// the column left out is the place that leaves the most fields looking like their
// columns (times in the time columns, names in the name columns), the first of them
// on a tie. `rowErrors`, when known, is the number of errors of the row as it stands,
// which then needs no count of its own.
std::optional<ColumnSlip> columnSlip(const std::vector<std::string_view>& fields,
                                     const LineErrors& errors,
                                     std::optional<int32_t> rowErrors = std::nullopt);

#endif  // RUVA_TOOLS_CARD_SHIFTED_COLUMNS_H_
