#include "card/parser.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/card/card_dump.h"

namespace {

// A stop row with every column holding a valid value; tests replace one column.
std::vector<std::string> fullStopRow() {
  return {"7",  "30", "Name", "83000", "83030", "T5", "100", "50", "12.5", "1",     "2.5",
          "11", "12", "13",   "14",    "T15",   "16", "0",   "18", "skip", "A12-3", "1"};
}

std::string join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += fields[i];
  }
  return line;
}

// The number that a stop-row column leaves in element `i` of its member.
double stopValue(const CardRecord& c, int column, std::size_t i = 0) {
  switch (column) {
    case 1:
      return c.stopGapSec[i];
    case 3:
      return c.stopTime1[i];
    case 4:
      return c.stopTime2[i];
    case 6:
      return c.stopCol6[i];
    case 7:
      return c.stopCol7[i];
    case 8:
      return c.stopKmPost[i];
    case 9:
      return c.stopFlag9[i];
    case 10:
      return c.stopDistanceKm[i];
    case 11:
      return c.stopCol11[i];
    case 12:
      return c.stopCol12[i];
    case 13:
      return c.stopCol13[i];
    case 14:
      return c.stopCol14[i];
    case 16:
      return c.stopCol16[i];
    case 17:
      return c.stopKmCountDown[i];
    case 18:
      return c.stopAttr[i];
    case 20:
      return c.stopCodeNumber[i];
    case 21:
      return c.stopCol21[i];
  }
  ADD_FAILURE() << "no numeric member for column " << column;
  return 0;
}

struct Remark {
  int32_t line;
  int32_t column;
  CardFinding finding;
  std::string text;
  CardValue::Kind storedKind;
  double stored;  // the integer, flag or real stored
  int32_t limit;
  bool formatted;  // the remark names the column's format
};

// A line as a listener hears of it, with the count of remarks heard before it.
struct HeardLine {
  int32_t number;
  std::string text;
  std::vector<std::string_view> fields;
  std::size_t remarksBefore;
  bool operator==(const HeardLine&) const = default;
};

class RemarkList : public CardDiagnostics {
 public:
  void line(int32_t number, std::string_view text,
            std::span<const std::string_view> fields) override {
    lines.push_back({number, std::string(text), {fields.begin(), fields.end()}, remarks.size()});
  }
  void remark(const CardRemark& r) override {
    const double stored =
        r.stored.kind == CardValue::Kind::kReal ? r.stored.real : r.stored.integer;
    remarks.push_back({r.line, r.column, r.finding, std::string(r.text), r.stored.kind, stored,
                       r.limit, r.format != nullptr && r.format->column == r.column});
  }
  std::vector<Remark> remarks;
  std::vector<HeardLine> lines;
};

TEST(Parser, FullStopRowFillsEveryColumn) {
  const CardRecord c = parseCardText(join(fullStopRow()));
  EXPECT_EQ(c.stopCount, 1);
  EXPECT_EQ(c.stopName[0], "Name");
  EXPECT_EQ(c.stopText5[0], "T5");
  EXPECT_EQ(c.stopText15[0], "T15");
  EXPECT_EQ(c.stopCode[0], "A12-3");
  const struct {
    int column;
    double value;
  } expected[] = {{1, 30},  {3, 83000}, {4, 83030}, {6, 20},   {7, 10},  {8, 12.5},
                  {9, 1},   {10, 2.5},  {11, 11},   {12, 12},  {13, 13}, {14, 14},
                  {16, 16}, {17, 1},    {18, 18},   {20, 123}, {21, 1}};
  for (const auto& e : expected) EXPECT_EQ(stopValue(c, e.column), e.value) << e.column;
}

TEST(Parser, StopColumnsConvertOrFallBack) {
  const struct {
    int column;
    const char* text;
    double value;
  } cases[] = {
      {1, "x", -1},
      {1, " 12 ", 12},
      {1, "12abc", 12},
      {1, "2147483648", -1},
      {1, "", -1},
      {3, "\x92\xE2", 256060},
      {3, "\x81\xAB", 266060},
      {3, "\x81\xA8", 266060},
      {3, "\x81\xA9", 266060},
      {3, "\x81\xAC", 276060},
      {3, "\x81\xAB ", 246060},  // a mark counts only as the whole field
      {3, "pass", 246060},
      {3, "1500", 241500},
      {3, "0", 240000},
      {3, "9999", 249999},
      {3, "10000", 10000},
      {3, "-5", 239995},
      {4, "\x81\xAC", 276060},
      {4, "30", 240030},
      {6, "/30", 46},
      {6, "word", 300},
      {6, "/x", 0},
      {6, "/", 0},
      {6, "", 300},
      {6, " /30", 300},
      {6, "-7", -1},
      {6, "/-7", 39},
      {6, "2147483647", 429496729},
      {7, "/30", 46},
      {7, "x", 300},
      {8, "x", -1},
      {8, " 12.5 ", 12.5},
      {8, "12.5km", 12.5},
      {8, "1e999", -1},
      {10, "x", -1},
      {10, "0.75", 0.75},
      {9, "0", 0},
      {9, "-3", 1},
      {9, "x", 0},
      {11, "300", 44},
      {11, "-1", 255},
      {11, "x", 0},
      {14, "256", 0},
      {16, "x", -1},
      {17, "5", 0},
      {17, "x", 0},
      {18, "x", 255},
      {20, "NULL", 0},
      {20, "99999999999", 0},
      {20, "0000000000000000000042", 42},
      {20, "2147483647", 2147483647},
      {20, "2147483648", 0},
      {20,
       "\x81\x40"
       "7-0",
       70},
      {21, "x", 0},
      {21, "2", 2},
      {21, "5", 0},
      {21, "0", 0},
      {21, "-4", -4},
  };
  for (const auto& c : cases) {
    std::vector<std::string> row = fullStopRow();
    row[static_cast<std::size_t>(c.column)] = c.text;
    const CardRecord card = parseCardText(join(row));
    EXPECT_EQ(stopValue(card, c.column), c.value)
        << "column " << c.column << " \"" << c.text << '"';
  }
}

TEST(Parser, ColumnTwentyOneFollowsTheFirstTime) {
  const struct {
    const char* time1;
    const char* mark;
    int32_t value;
  } cases[] = {
      // The arrow marks (266060) lie in hour 26, the bar mark (276060) does not.
      {"261000", "5", 1},   {"120000", "5", 0},   {"261000", "2", 2},
      {"269999", "x", 1},   {"260000", "3", 1},   {"270000", "3", 0},
      {"\x81\xAB", "9", 1}, {"\x81\xAC", "9", 0}, {"261000", "-1", -1},
  };
  for (const auto& c : cases) {
    std::vector<std::string> row = fullStopRow();
    row[3] = c.time1;
    row[21] = c.mark;
    EXPECT_EQ(parseCardText(join(row)).stopCol21[0], c.value) << c.time1 << ' ' << c.mark;
  }
  // With 21 columns, column 21 reads "end", fails and counts as a value above 2; a
  // trailing comma changes nothing.
  std::vector<std::string> row = fullStopRow();
  row[3] = "261000";
  row.resize(21);
  EXPECT_EQ(parseCardText(join(row)).stopCol21[0], 1);
  EXPECT_EQ(parseCardText(join(row) + ",").stopCol21[0], 1);
  // With 20 columns, column 20 reads "end" and column 21 is not read: the 0 stays.
  row.resize(20);
  const CardRecord shorter = parseCardText(join(row));
  EXPECT_EQ(shorter.stopCol21[0], 0);
  EXPECT_EQ(shorter.stopCode[0], "end");
  EXPECT_EQ(shorter.stopCodeNumber[0], 0);
}

TEST(Parser, ShortStopRowsReadEndAndKeepDefaults) {
  // Stop 0 is full; stop 1 holds only the row type, stop 2 the row type and a number.
  const CardRecord c = parseCardText(join(fullStopRow()) + "\n7\n7,3\n7,3,NameA,83000,83030\n");
  ASSERT_EQ(c.stopCount, 4);
  EXPECT_EQ(c.stopGapSec[1], -1);
  EXPECT_EQ(c.stopName[1], "");
  EXPECT_EQ(c.stopTime1[1], 240000);
  EXPECT_EQ(c.stopTime2[1], 240000);
  EXPECT_EQ(c.stopCol6[1], 0);
  EXPECT_EQ(c.stopAttr[1], 0);
  EXPECT_EQ(c.stopCode[1], "NULL");
  EXPECT_EQ(c.stopGapSec[2], 3);
  EXPECT_EQ(c.stopName[2], "end");
  EXPECT_EQ(c.stopTime1[2], 240000);
  EXPECT_EQ(c.stopText5[3], "end");
  EXPECT_EQ(c.stopTime1[3], 83000);
  EXPECT_EQ(c.stopTime2[3], 83030);
  EXPECT_EQ(c.stopCol6[3], 0);

  // Element 0 keeps its own defaults where the row does not reach.
  const CardRecord first = parseCardText("7\n");
  EXPECT_EQ(first.stopCount, 1);
  EXPECT_EQ(first.stopGapSec[0], -1);
  EXPECT_EQ(first.stopName[0], "NULL");
  EXPECT_EQ(first.stopTime1[0], 246060);
  EXPECT_EQ(first.stopCol6[0], 200);
  EXPECT_EQ(first.stopDistanceKm[0], 100.0);

  const CardRecord worked = parseCardText("7,3,NameA,83000,83030");
  EXPECT_EQ(worked.stopGapSec[0], 3);
  EXPECT_EQ(worked.stopName[0], "NameA");
  EXPECT_EQ(worked.stopText5[0], "end");
  EXPECT_EQ(worked.stopCol6[0], 200);
  EXPECT_EQ(worked.stopText15[0], "NULL");
}

TEST(Parser, EmptyTextGivesThePreparedRecord) {
  const CardRecord c = parseCardText("");
  EXPECT_EQ(c.stopCount, 0);
  EXPECT_EQ(c.stopCode, std::vector<std::string>(64, "NULL"));
  EXPECT_EQ(c.stopCodeNumber, std::vector<int32_t>(64, 0));
  EXPECT_EQ(dumpCard(c), dumpCard(preparedCardRecord()));
  EXPECT_EQ(dumpCard(parseCardText("\n\n\r\n")), dumpCard(c));
}

TEST(Parser, TablesStopAtTheirLimits) {
  std::string text;
  for (int i = 0; i < 70; ++i) text += "7," + std::to_string(i) + ",S" + std::to_string(i) + "\n";
  // Invalid rows first: they must not use up places.
  text += "5,2,12.5,13.0\n5,x,1,2,3\n5,1,1,2\n6,1,0.5,1.5,2.0\n";
  for (int i = 0; i < 40; ++i)
    text += "5," + std::to_string(i) + ",0.5,1.5," + std::to_string(i) + "\n";
  for (int i = 0; i < 20; ++i) text += "6," + std::to_string(i) + ",0.5,1.5,2.0,4\n";
  const CardRecord c = parseCardText(text);
  EXPECT_EQ(c.stopCount, 63);
  EXPECT_EQ(c.stopName[62], "S62");
  EXPECT_EQ(c.stopGapSec[62], 62);
  EXPECT_EQ(c.stopName[63], "");
  EXPECT_EQ(c.stopGapSec[63], 0);
  EXPECT_EQ(c.stopTime1[63], 0);
  EXPECT_EQ(c.stopCode[63], "NULL");
  EXPECT_EQ(c.eventStopIndex[0], 0);
  EXPECT_EQ(c.eventStopIndex[31], 31);
  EXPECT_EQ(c.eventType[31], 31);
  EXPECT_EQ(c.eventStartKm[31], 0.5);
  EXPECT_EQ(c.rangeStopIndex[15], 15);
  EXPECT_EQ(c.rangeValue[15], 4);
  EXPECT_EQ(c.rangeDistanceKm[0], 2.0);
}

TEST(Parser, HeaderRowsOverwriteAndUnknownRowsAreIgnored) {
  const CardRecord c = parseCardText(
      "0,Card\n3,1234M\n3,5678M\n4,Note\n1,x,Head\n8,42\n8,x\n11,Text,7\n11,Other,x\n"
      "12,2345M,83000,x\n12,3456M,x,90000\n2,Two\n9,9\n10,10\n13,13\n-1,neg\nx7,letter\n"
      " 7,1\n7abc,2\n");
  EXPECT_EQ(c.cardName, "Card");
  EXPECT_EQ(c.trainNumber, "5678M");
  EXPECT_EQ(c.cardNote, "Note");
  EXPECT_EQ(c.headerCode, 1);
  EXPECT_EQ(c.headerText, "Head");
  EXPECT_EQ(c.cardValue8, 42);
  EXPECT_EQ(c.cardText11, "Other");
  EXPECT_EQ(c.cardValue11, 7);
  EXPECT_EQ(c.secondTrainNumber, "3456M");
  EXPECT_EQ(c.secondTime1, 83000);
  EXPECT_EQ(c.secondTime2, 90000);
  EXPECT_EQ(c.stopCount, 2);
  EXPECT_EQ(c.stopGapSec[0], 1);
  EXPECT_EQ(c.stopGapSec[1], 2);

  EXPECT_EQ(parseCardText("0").cardName, "end");
  EXPECT_EQ(parseCardText("1,300,T").headerCode, 44);
  const CardRecord headerOnly = parseCardText("1,5");
  EXPECT_EQ(headerOnly.headerCode, 5);
  EXPECT_EQ(headerOnly.headerText, "end");
  EXPECT_EQ(parseCardText("1").headerText, "NULL");
  // Second times are stored as read, without the after-midnight shift.
  EXPECT_EQ(parseCardText("12,1M,1500,30").secondTime1, 1500);
}

TEST(Parser, TableRowsNeedEveryColumn) {
  const CardRecord c = parseCardText("5,2,12.5,13.0\n6,1,0.5,1.5,2.0,4\n5,1,0.5,1.5,7\n");
  EXPECT_EQ(c.eventStopIndex[0], 1);
  EXPECT_EQ(c.eventEndKm[0], 1.5);
  EXPECT_EQ(c.eventType[0], 7);
  EXPECT_EQ(c.rangeStopIndex[0], 1);
  EXPECT_EQ(c.rangeStartKm[0], 0.5);
  EXPECT_EQ(c.rangeEndKm[0], 1.5);
  EXPECT_EQ(c.rangeDistanceKm[0], 2.0);
  EXPECT_EQ(c.rangeValue[0], 4);
}

TEST(Parser, LineEndsAndCommas) {
  const std::string lf = "0,Card\n3,1234M\n7,3,NameA,83000,83030\n7,4,NameB,1500\n";
  std::string crlf;
  for (char ch : lf) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  EXPECT_EQ(dumpCard(parseCardText(crlf)), dumpCard(parseCardText(lf)));
  // A last line without its line feed is read all the same.
  EXPECT_EQ(dumpCard(parseCardText(lf.substr(0, lf.size() - 1))), dumpCard(parseCardText(lf)));

  // A lone CR stays in its field; NUL bytes stay in the line.
  EXPECT_EQ(parseCardText("3,12\r34M\r\r\n").trainNumber, "12\r34M\r");
  EXPECT_EQ(parseCardText(std::string("3,12\0M\n", 7)).trainNumber, std::string("12\0M", 4));

  // A trailing comma opens no field; two adjacent commas hold an empty one.
  const CardRecord trailing = parseCardText("7,3,NameA,\n3,1234M,\n");
  EXPECT_EQ(trailing.stopTime1[0], 246060);
  EXPECT_EQ(trailing.stopName[0], "NameA");
  EXPECT_EQ(trailing.trainNumber, "1234M");
  const CardRecord adjacent = parseCardText("7,3,,83000\n");
  EXPECT_EQ(adjacent.stopName[0], "");
  EXPECT_EQ(adjacent.stopTime1[0], 83000);
  EXPECT_EQ(adjacent.stopTime2[0], 246060);
}

TEST(Parser, ShiftJisTextsPassThroughUnchanged) {
  const std::string name = "\x93\x8C\x8B\x9E";  // 東京
  const std::string code =
      "\x8D\x5C\x89\xF1"
      "12";
  const CardRecord c = parseCardText("7,0," + name + ",\x92\xE2,\x81\xAB,,,,,,,,,,,,,,,," + code);
  EXPECT_EQ(c.stopName[0], name);
  EXPECT_EQ(c.stopTime1[0], 256060);
  EXPECT_EQ(c.stopTime2[0], 266060);
  EXPECT_EQ(c.stopCode[0], code);
  EXPECT_EQ(c.stopCodeNumber[0], 12);
}

TEST(Parser, RemarksTellWhatWasReplaced) {
  RemarkList list;
  const std::string text =
      "\n"                              // 1: empty
      "x\n"                             // 2: no row type
      "2,Two\n"                         // 3: unknown type
      "7,x,S,\x81\xAB,pass,T,/30,/x\n"  // 4
      "5,1,0.5\n"                       // 5: short table row
      "8,1e3\n"                         // 6: 1e3 reads as 1
      "1\n"                             // 7: no header text
      "1,-1,X\n";                       // 8: the low 8 bits of -1
  parseCardText(text, &list);
  using F = CardFinding;
  using V = CardValue::Kind;
  const Remark expected[] = {
      {1, 0, F::kEmptyLine, "", V::kNone, 0, 0, false},
      {2, 0, F::kNoRowType, "x", V::kNone, 0, 0, false},
      {3, 0, F::kUnknownRowType, "2", V::kNone, 0, 0, false},
      {4, 1, F::kNotInteger, "x", V::kInteger, -1, 0, true},
      {4, 3, F::kTimeMark, "\x81\xAB", V::kInteger, 266060, 0, true},
      {4, 4, F::kNotInteger, "pass", V::kInteger, 246060, 0, true},
      {4, 6, F::kSlashForm, "/30", V::kInteger, 46, 0, true},
      {4, 7, F::kSlashWithoutInteger, "/x", V::kInteger, 0, 0, true},
      {4, 8, F::kColumnMissing, "end", V::kReal, -1.0, 0, true},
      {4, 9, F::kColumnsMissing, "", V::kNone, 0, 0, true},
      {5, 3, F::kColumnMissing, "end", V::kNone, 0, 0, true},
      {6, 1, F::kTextAfterNumber, "1e3", V::kInteger, 1, 0, true},
      {7, 1, F::kColumnMissing, "end", V::kInteger, 1, 0, true},
      {7, 2, F::kTextMissing, "", V::kNone, 0, 0, true},
      {8, 1, F::kLowBitsKept, "-1", V::kInteger, 255, 0, true},
  };
  ASSERT_EQ(list.remarks.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const Remark& r = list.remarks[i];
    const Remark& e = expected[i];
    EXPECT_EQ(r.line, e.line) << i;
    EXPECT_EQ(r.column, e.column) << i;
    EXPECT_EQ(r.finding, e.finding) << i;
    EXPECT_EQ(r.text, e.text) << i;
    EXPECT_EQ(r.storedKind, e.storedKind) << i;
    EXPECT_EQ(r.stored, e.stored) << i;
    EXPECT_EQ(r.formatted, e.formatted) << i;
  }
}

// Each line as split, without its line end and without the appended "end", before the
// remarks on it.
TEST(Parser, ListenersHearEachLineBeforeItsRemarks) {
  const std::string text = "3,1234M,\r\n\nx,a\n7\r";
  RemarkList list;
  parseCardText(text, &list);
  const std::vector<HeardLine> expected = {
      {1, "3,1234M,", {"3", "1234M"}, 0},
      {2, "", {}, 0},
      {3, "x,a", {"x", "a"}, 1},
      {4, "7\r", {"7\r"}, 2},
  };
  EXPECT_EQ(list.lines, expected);
  for (const HeardLine& line : list.lines) {
    for (std::string_view field : line.fields) {
      EXPECT_TRUE(field.data() >= text.data() && field.data() < text.data() + text.size());
    }
  }
}

TEST(Parser, AFullTableSaysHowManyRowsItTakes) {
  std::string text;
  for (int i = 0; i < 64; ++i) text += "7\n";
  for (int i = 0; i < 33; ++i) text += "5,0,1,2,0\n";
  RemarkList list;
  parseCardText(text, &list);
  std::vector<std::pair<int32_t, int32_t>> full;
  for (const Remark& r : list.remarks) {
    if (r.finding == CardFinding::kTableFull) full.emplace_back(r.line, r.limit);
  }
  const std::vector<std::pair<int32_t, int32_t>> expected = {{64, 63}, {97, 32}};
  EXPECT_EQ(full, expected);
}

// The checker's disable comments are rows whose column 0 begins with no integer: the
// module reads the card as if they were not there.
TEST(Parser, DisableCommentsAreNoRows) {
  const std::string card = "3,1234M\n" + join(fullStopRow()) + "\n5,0,0.1,0.2,1\n";
  const std::string commented =
      "# ruvacard: disable-file=C202\n3,1234M\n"
      "# ruvacard: disable=C405,C309\n" +
      join(fullStopRow()) + "\n ; ruvacard: disable=S104\n5,0,0.1,0.2,1\n";
  EXPECT_EQ(dumpCard(parseCardText(commented)), dumpCard(parseCardText(card)));
}

TEST(Parser, ListeningChangesNothing) {
  std::string text =
      join(fullStopRow()) + "\n7\n7,3\n1,x\n5,1\n6,2,x\n8,x\n11,a,b\n12,c,d,e\n9,9\n";
  text += "7,1,S,1,2,3,/4,/y,x,x,x,x,x,x,x,15,x,x,x,19,99999999999,x\n0\n\n\r\n";
  for (int i = 0; i < 66; ++i) text += "7\n5,1,1,1,1\n6,1,1,1,1,1\n";
  RemarkList list;
  EXPECT_EQ(dumpCard(parseCardText(text, &list)), dumpCard(parseCardText(text)));
  EXPECT_GT(list.remarks.size(), 100u);
  for (const Remark& r : list.remarks) EXPECT_GE(r.line, 1);
}

}  // namespace
