// The card format table: every member has one column, the columns of a row stand in
// order, and only the row types of the format name a row.
#include "card/card_format.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CardFormat, EveryFieldHasItsOneColumn) {
  std::set<int> seen;
  for (const RowFormat& format : kRowFormats) {
    int32_t previous = kRowTypeColumn;
    for (const CardColumn& c : format.columns) {
      SCOPED_TRACE(c.member);
      EXPECT_GT(c.column, previous);
      previous = c.column;
      EXPECT_TRUE(seen.insert(static_cast<int>(c.field)).second);
      EXPECT_EQ(&cardColumn(c.field), &c);
      EXPECT_EQ(rowOf(c.field), format.type);
      EXPECT_EQ(columnOf(format, c.column), &c);
    }
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(CardField::kSecondTime2) + 1);
  // A stop row has every column from 1 on, the last one included.
  EXPECT_EQ(rowFormat(RowType::kStop).columns.size(), static_cast<std::size_t>(kLastStopColumn));
}

TEST(CardFormat, OnlyTheFormatsRowTypesNameARow) {
  for (int32_t type : {2, 9, 10, 13, -1, 70}) EXPECT_EQ(rowFormat(type), nullptr) << type;
  for (const RowFormat& format : kRowFormats) {
    EXPECT_EQ(rowFormat(rowNumber(format.type)), &format);
  }
  EXPECT_EQ(rowFormat(RowType::kStop).limit, CardRecord::kStopSlots - 1);
}

}  // namespace
