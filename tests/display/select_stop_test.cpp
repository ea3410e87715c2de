// Stop selection on cards built in the test: the stop lists, the next, further, last
// and dest stops, the distances and the values left alone.
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "display/ruva.h"
#include "tests/display/test_card.h"
#include "tests/support/allocation_counter.h"

namespace {

using Rows = std::vector<int32_t>;

class SelectStop : public ::testing::Test {
 protected:
  void load(CardRecord card, int32_t rowCount = 5) {
    r.resetForTrain();
    r.D01ABnum = rowCount;
    r.card = std::move(card);
  }
  CRuva r;
};

TEST_F(SelectStop, TenPlainStopsFromTheFirst) {
  CardRecord card = plainCard(10);
  card.cardValue11 = 77;
  load(std::move(card));
  r.progressBase = 100;
  r.destNumber = 55;
  r.animTimer = 999;
  r.selectStop(0);

  EXPECT_TRUE(r.cardMode);
  EXPECT_EQ(r.curStopIndex, 0);
  // The five-row list: its stop, attr, time and number columns have seven elements.
  EXPECT_EQ(items(r.list5StopIdx), (Rows{0, 1, 2, 3, 4, 0, 0}));
  EXPECT_EQ(items(r.list5Attr), (Rows{1, 2, 3, 4, 5, 0, 0}));
  EXPECT_EQ(items(r.list5Time1Hour), (Rows{8, 9, 10, 11, 12, 24, 24}));
  EXPECT_EQ(items(r.list5Time1Min), (Rows{0, 1, 2, 3, 4, 60, 60}));
  EXPECT_EQ(items(r.list5Time1Sec), (Rows{30, 30, 30, 30, 30, 60, 60}));
  EXPECT_EQ(items(r.list5Time2Sec), (Rows{45, 45, 45, 45, 45, 60, 60}));
  EXPECT_EQ(items(r.list5Number), (Rows{100, 101, 102, 103, 104, 0, 0}));
  EXPECT_EQ(items(r.list5GapMin), (Rows{0, 1, 2, 3, 60}));
  EXPECT_EQ(items(r.list5GapSec), (Rows{5, 5, 5, 5, 60}));
  EXPECT_EQ(items(r.list5ColA), (Rows{0, 10, 20, 30, 40}));
  EXPECT_EQ(items(r.list5ColB), (Rows{0, 20, 40, 60, 80}));

  EXPECT_EQ(r.nextStopAttr, 2);
  EXPECT_EQ(r.nextStopTime1Hour, 9);
  EXPECT_EQ(r.nextStopTime1Min, 1);
  EXPECT_EQ(r.nextStopTime1Sec, 30);
  EXPECT_EQ(r.nextStopNumber, 101);
  EXPECT_EQ(r.nextStopIdx, 1);

  EXPECT_EQ(items(r.list7StopIdx), (Rows{0, 1, 2, 3, 4, 5, 9}));
  EXPECT_EQ(items(r.list7Attr), (Rows{1, 2, 3, 4, 5, 6, 10}));
  EXPECT_EQ(items(r.list7Time1Hour), (Rows{8, 9, 10, 11, 12, 13, 17}));
  EXPECT_EQ(items(r.list7Time2Min), (Rows{0, 1, 2, 3, 4, 5, 9}));
  EXPECT_EQ(items(r.list7Time2Sec), (Rows{45, 45, 45, 45, 45, 45, 45}));
  EXPECT_EQ(items(r.list7Extra), (Rows{100, 101, 102, 103, 104, 105, 109}));

  EXPECT_EQ(r.infoIdx, 77);
  EXPECT_EQ(r.infoHour, 17);
  EXPECT_EQ(r.infoMin, 9);
  EXPECT_EQ(r.infoSec, 30);
  EXPECT_EQ(r.infoNumber, 109);
  // The current stop has clock times: the dest record is blank, its number kept.
  EXPECT_EQ(r.destAttr, 0);
  EXPECT_EQ(r.destHour, 24);
  EXPECT_EQ(r.destMin, 60);
  EXPECT_EQ(r.destSec, 60);
  EXPECT_EQ(r.destNumber, 55);
  EXPECT_EQ(r.progressCode, 100);
  EXPECT_EQ(r.progressBase, 100);

  EXPECT_EQ(r.sectionRemain, 1000.0);
  EXPECT_EQ(r.stopRemain, 1000.0);
  EXPECT_EQ(r.stopDistance, 1000.0);
  EXPECT_EQ(r.travelled, 1000.0);
  EXPECT_EQ(r.sectionOffset, 0);
  EXPECT_EQ(r.stopCue, 0);
  EXPECT_EQ(r.kmPost, 10000.0);
  EXPECT_TRUE(r.kmCountUp);
  EXPECT_EQ(r.animTimer, 0);
}

TEST_F(SelectStop, FlaggedStopsAndMarks) {
  CardRecord card = plainCard(10);
  for (int flagged : {1, 4, 8}) card.stopFlag9[flagged] = true;
  card.stopTime1[2] = 261000;  // a mark, listed but never the next stop
  card.stopTime2[7] = 246060;  // no clock time: never the further stop
  card.stopAttr[3] = -5;
  card.stopCol11[0] = 200;
  load(std::move(card));
  r.selectStop(0);

  EXPECT_EQ(items(r.list5StopIdx), (Rows{0, 2, 3, 5, 6, 0, 0}));
  EXPECT_EQ(items(r.list5Attr), (Rows{1, 3, 0, 6, 7, 0, 0}));
  EXPECT_EQ(items(r.list5Time1Hour), (Rows{8, 26, 11, 13, 14, 24, 24}));
  EXPECT_EQ(items(r.list5Time1Min), (Rows{0, 10, 3, 5, 6, 60, 60}));
  EXPECT_EQ(items(r.list5Time1Sec), (Rows{30, 0, 30, 30, 30, 60, 60}));
  // Each gap is that of the row's own stop.
  EXPECT_EQ(items(r.list5GapMin), (Rows{0, 2, 3, 5, 60}));
  EXPECT_EQ(items(r.list5GapSec), (Rows{5, 5, 5, 5, 60}));

  EXPECT_EQ(r.nextStopAttr, 0);
  EXPECT_EQ(r.nextStopTime1Hour, 11);
  EXPECT_EQ(r.nextStopNumber, 103);
  EXPECT_EQ(r.nextStopIdx, 3);

  // Row 5 looks past row 4 and ignores the flag; row 6 is the last stop.
  EXPECT_EQ(items(r.list7StopIdx), (Rows{0, 2, 3, 5, 6, 8, 9}));
  EXPECT_EQ(items(r.list7Attr), (Rows{1, 3, -5, 6, 7, 9, 10}));
  EXPECT_EQ(items(r.list7Time1Hour), (Rows{8, 26, 11, 13, 14, 16, 17}));

  // The flagged stop 1 lies before row 1's stop, so its distance counts.
  EXPECT_EQ(r.stopRemain, 1000.0 + 1125.0);
  EXPECT_EQ(r.sectionRemain, 1000.0);
  EXPECT_EQ(r.stopCue, 200);
}

TEST_F(SelectStop, RowCountAndFurtherStop) {
  struct Case {
    const char* name;
    int32_t rowCount;
    int32_t noTime2At;  // a stop given no second clock time, -1 for none
    int32_t markAt;     // a stop given an hour-26 first time, -1 for none
    Rows stopIdx;
    Rows attr;
  };
  const Case cases[] = {
      {"five rows", 5, -1, -1, {0, 1, 2, 3, 4, 5, 9}, {1, 2, 3, 4, 5, 6, 10}},
      {"five rows, stop 5 without time", 5, 5, -1, {0, 1, 2, 3, 4, 6, 9}, {1, 2, 3, 4, 5, 7, 10}},
      {"five rows, stop 5 marked", 5, -1, 5, {0, 1, 2, 3, 4, 6, 9}, {1, 2, 3, 4, 5, 7, 10}},
      // Row 4 holds no stop, so row 2's own stop can be the further stop.
      {"three rows", 3, -1, -1, {0, 1, 2, -1, -1, 2, 9}, {1, 2, 3, 0, 0, 3, 10}},
      {"three rows, stop 2 without time",
       3,
       2,
       -1,
       {0, 1, 2, -1, -1, 3, 9},
       {1, 2, 3, 0, 0, 4, 10}},
      {"three rows, stop 2 marked", 3, -1, 2, {0, 1, 2, -1, -1, 3, 9}, {1, 2, 3, 0, 0, 4, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CardRecord card = plainCard(10);
    if (c.noTime2At >= 0) card.stopTime2[c.noTime2At] = 240000;
    if (c.markAt >= 0) card.stopTime1[c.markAt] = 269999;
    load(std::move(card), c.rowCount);
    r.selectStop(0);
    EXPECT_EQ(items(r.list7StopIdx), c.stopIdx);
    EXPECT_EQ(items(r.list7Attr), c.attr);
    if (c.rowCount == 3) {
      EXPECT_EQ(items(r.list7Time1Hour)[3], 24);
      EXPECT_EQ(items(r.list7Time2Min)[4], 60);
      EXPECT_EQ(items(r.list7Extra)[4], 0);
    }
    // The five-row list does not depend on the row count.
    EXPECT_EQ(items(r.list5StopIdx), (Rows{0, 1, 2, 3, 4, 0, 0}));
  }
}

TEST_F(SelectStop, NoFurtherStopLeavesTheLastRowEmpty) {
  CardRecord card = plainCard(10);
  for (int i = 5; i < 10; ++i) card.stopTime2[i] = 246060;
  load(std::move(card));
  r.selectStop(0);
  EXPECT_EQ(items(r.list7StopIdx), (Rows{0, 1, 2, 3, 4, -1, -1}));
  EXPECT_EQ(r.infoHour, 24);
  EXPECT_EQ(r.infoNumber, 0);
}

TEST_F(SelectStop, ListsFreezeWhenFewerThanFiveStopsRemain) {
  CardRecord card = plainCard(10);
  card.cardValue11 = 3;
  load(std::move(card));
  r.progressBase = 100;
  r.selectStop(4);  // six stops left: rows 0-4 = stops 4-8, row 5 = 9, row 6 = 9
  EXPECT_EQ(items(r.list7StopIdx), (Rows{4, 5, 6, 7, 8, 9, 9}));
  EXPECT_EQ(r.progressCode, 100);

  r.selectStop(5);  // exactly five left: rebuilt, no further stop
  EXPECT_EQ(items(r.list7StopIdx), (Rows{5, 6, 7, 8, 9, -1, -1}));
  EXPECT_EQ(r.progressBase, 100);
  EXPECT_EQ(r.progressCode, 100);

  r.selectStop(4);
  r.destHour = 5;
  r.selectStop(6);  // four left: rows 0-4 stay, rows 5 and 6 go blank but keep their extra
  EXPECT_EQ(items(r.list7StopIdx), (Rows{4, 5, 6, 7, 8, -1, -1}));
  EXPECT_EQ(items(r.list7Attr), (Rows{5, 6, 7, 8, 9, 0, 0}));
  EXPECT_EQ(items(r.list7Time1Hour), (Rows{12, 13, 14, 15, 16, 24, 24}));
  EXPECT_EQ(items(r.list7Time2Sec), (Rows{45, 45, 45, 45, 45, 60, 60}));
  EXPECT_EQ(items(r.list7Extra), (Rows{104, 105, 106, 107, 108, 109, 109}));
  EXPECT_EQ(r.infoIdx, 3);
  EXPECT_EQ(r.infoHour, 24);
  EXPECT_EQ(r.infoMin, 60);
  EXPECT_EQ(r.infoNumber, 109);
  EXPECT_EQ(r.destHour, 5);
  EXPECT_EQ(r.progressBase, 4);
  EXPECT_EQ(r.progressCode, 4);
  // The five-row list and the next stop still follow the current stop.
  EXPECT_EQ(items(r.list5StopIdx), (Rows{6, 7, 8, 9, 0, 0, 0}));
  EXPECT_EQ(r.nextStopNumber, 107);
  EXPECT_EQ(r.stopRemain, 1750.0);

  const int32_t bases[] = {8, 12, 16};
  for (int32_t k = 7; k <= 9; ++k) {
    r.selectStop(k);
    EXPECT_EQ(r.progressBase, bases[k - 7]);
    EXPECT_EQ(r.progressCode, bases[k - 7]);
    EXPECT_EQ(items(r.list7StopIdx), (Rows{4, 5, 6, 7, 8, -1, -1}));
  }
}

TEST_F(SelectStop, LastStop) {
  load(plainCard(10));
  r.selectStop(9);
  EXPECT_EQ(r.progressBase, 16);
  EXPECT_EQ(r.sectionRemain, 1000000.0);
  EXPECT_EQ(r.stopRemain, 1000000.0);
  EXPECT_EQ(r.stopDistance, 1000000.0);
  EXPECT_EQ(r.travelled, 1000000.0);
  EXPECT_EQ(items(r.list7StopIdx)[5], -1);
  EXPECT_EQ(items(r.list7StopIdx)[6], -1);
  EXPECT_EQ(items(r.list5StopIdx), (Rows{9, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(r.nextStopAttr, 0);
  EXPECT_EQ(r.nextStopTime1Hour, 24);
  EXPECT_EQ(r.nextStopNumber, 0);
  EXPECT_EQ(r.nextStopIdx, -1);
  EXPECT_EQ(r.stopCue, 9);
  EXPECT_EQ(r.kmPost, 19000.0);
  EXPECT_FALSE(r.kmCountUp);
}

TEST_F(SelectStop, ShortCardKeepsTheResetRows) {
  load(plainCard(3));
  r.selectStop(0);
  EXPECT_EQ(items(r.list7StopIdx), (Rows{0, 0, 0, 0, 0, -1, -1}));
  EXPECT_EQ(items(r.list7Time1Hour), (Rows{24, 24, 24, 24, 24, 24, 24}));
  EXPECT_EQ(r.progressBase, 8);
  EXPECT_EQ(items(r.list5StopIdx), (Rows{0, 1, 2, 0, 0, 0, 0}));
  EXPECT_EQ(r.stopRemain, 1000.0);
}

TEST_F(SelectStop, IndexOutsideTheCardChangesOnlyTheHeaderAndNumbers) {
  load(plainCard(10));
  r.selectStop(2);
  r.animTimer = 345;
  const Rows list7 = items(r.list7StopIdx);
  const double remain = r.stopRemain;
  r.card.trainNumber = "9876A";
  r.card.headerText = "42x";
  r.card.headerCode = 250;
  for (int32_t k : {10, -1, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(k);
    r.selectStop(k);
    EXPECT_EQ(items(r.numberDigits), (Rows{9, 8, 7, 6, 0}));
    EXPECT_EQ(r.cardHeaderNumber, 42);
    EXPECT_EQ(r.cardHeaderByte, 250);
    EXPECT_EQ(r.curStopCardByte, 102);
    EXPECT_EQ(r.curStopIndex, 2);
    EXPECT_EQ(r.animTimer, 345);
    EXPECT_EQ(items(r.list7StopIdx), list7);
    EXPECT_EQ(r.stopRemain, remain);
    EXPECT_EQ(r.nextStopNumber, 103);
  }
}

TEST_F(SelectStop, CardByteComesFromThePreviousStop) {
  load(plainCard(10));
  r.selectStop(0);
  EXPECT_EQ(r.curStopCardByte, 100);
  r.selectStop(2);
  r.selectStop(3);
  EXPECT_EQ(r.curStopCardByte, 102);
  r.selectStop(3);
  EXPECT_EQ(r.curStopCardByte, 103);
}

TEST_F(SelectStop, CurrentStopFlagged) {
  CardRecord card = plainCard(10);
  card.stopFlag9[3] = true;
  load(std::move(card));
  r.selectStop(3);
  EXPECT_EQ(items(r.list5StopIdx), (Rows{4, 5, 6, 7, 8, 0, 0}));
  EXPECT_EQ(r.nextStopNumber, 104);
  EXPECT_EQ(items(r.list7StopIdx), (Rows{4, 5, 6, 7, 8, 9, 9}));
  EXPECT_EQ(r.sectionRemain, 1375.0);
  EXPECT_EQ(r.stopRemain, 1375.0 + 1500.0);
}

TEST_F(SelectStop, DestSearch) {
  struct Case {
    const char* name;
    int32_t current;
    int32_t time1, time2;  // given to the current stop
    bool noEarlierTimes;   // stops 0 to 3 have no clock times
    const char* destText;  // stop 1's text
    int32_t attr, hour, minute, second, number;
    bool rowZeroBlank;
  };
  const Case cases[] = {
      {"current without second time", 4, 120430, 246060, false, "101", 2, 9, 1, 45, 101, true},
      {"current marked", 4, 261500, 120445, false, "101", 2, 9, 1, 45, 101, true},
      {"current with times", 4, 120430, 120445, false, "101", 0, 24, 60, 60, 55, false},
      {"nothing behind", 4, 120430, 246060, true, "101", 0, 24, 60, 60, 55, false},
      {"text without number", 4, 120430, 246060, false, "NULL", 2, 9, 1, 45, 55, true},
      {"negative number", 4, 120430, 246060, false, "-8", 2, 9, 1, 45, 0, true},
      {"first stop", 0, 80030, 246060, false, "101", 0, 24, 60, 60, 55, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CardRecord card = plainCard(10);
    card.stopTime1[c.current] = c.time1;
    card.stopTime2[c.current] = c.time2;
    if (c.current == 4) {
      card.stopTime2[3] = 240000;  // skipped: no second clock time
      card.stopTime1[2] = 262000;  // skipped: a mark
    }
    if (c.noEarlierTimes) {
      for (int j = 0; j < 4; ++j) card.stopTime2[j] = 246060;
    }
    card.stopText5[1] = c.destText;
    load(std::move(card));
    r.destNumber = 55;
    r.selectStop(c.current);
    EXPECT_EQ(r.destAttr, c.attr);
    EXPECT_EQ(r.destHour, c.hour);
    EXPECT_EQ(r.destMin, c.minute);
    EXPECT_EQ(r.destSec, c.second);
    EXPECT_EQ(r.destNumber, c.number);
    EXPECT_EQ(items(r.list7StopIdx)[0], c.current);
    EXPECT_EQ(items(r.list7Time1Hour)[0] == 24 && items(r.list7Time2Sec)[0] == 60, c.rowZeroBlank);
    EXPECT_EQ(items(r.list7Time1Min)[1], c.current + 1);  // only row 0 loses its times
  }
}

TEST_F(SelectStop, DestAttrIsNeverNegative) {
  CardRecord card = plainCard(10);
  card.stopTime2[4] = 246060;
  card.stopAttr[3] = -3;
  load(std::move(card));
  r.selectStop(4);
  EXPECT_EQ(r.destAttr, 0);
  EXPECT_EQ(r.destHour, 11);
}

TEST_F(SelectStop, StopTextsAndOddValues) {
  struct Case {
    const char* text;
    int32_t number;
  };
  const Case cases[] = {{"NULL", 0}, {"", 0},
                        {"-7", 0},   {" 12x", 12},
                        {"+3", 3},   {"99999999999", 0},
                        {"x5", 0},   {"2147483647", INT32_MAX}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CardRecord card = plainCard(10);
    card.stopText5[1] = c.text;
    load(std::move(card));
    r.selectStop(0);
    EXPECT_EQ(items(r.list5Number)[1], c.number);
    EXPECT_EQ(items(r.list7Extra)[1], c.number);
    EXPECT_EQ(r.nextStopNumber, c.number);
  }

  CardRecord card = plainCard(10);
  card.stopGapSec[0] = -30;
  card.stopGapSec[1] = -90;
  card.stopTime1[1] = -5;
  card.stopTime2[2] = -12345;
  card.stopAttr[1] = -4;
  load(std::move(card));
  r.selectStop(0);
  EXPECT_EQ(items(r.list5GapMin), (Rows{0, 0, 2, 3, 60}));
  EXPECT_EQ(items(r.list5GapSec), (Rows{0, 0, 5, 5, 60}));
  EXPECT_EQ(items(r.list5Time1Hour)[1], 0);
  EXPECT_EQ(items(r.list5Time1Sec)[1], 0);
  EXPECT_EQ(items(r.list7Time2Min)[2], 0);
  EXPECT_EQ(items(r.list5Attr)[1], 0);
  EXPECT_EQ(items(r.list7Attr)[1], -4);
  EXPECT_EQ(r.nextStopAttr, 0);
  EXPECT_EQ(r.nextStopTime1Hour, 0);
}

TEST_F(SelectStop, HeaderValuesAndMode) {
  CardRecord card = plainCard(10);
  card.headerCode = 200;
  card.headerText = " -42abc";
  load(std::move(card));
  r.selectStop(0);
  EXPECT_EQ(r.cardHeaderByte, 200);
  EXPECT_EQ(r.cardHeaderNumber, -42);
  EXPECT_TRUE(r.cardMode);

  load(plainCard(10));
  r.beaconMode = true;
  r.selectStop(0);
  EXPECT_FALSE(r.cardMode);
  EXPECT_EQ(r.cardHeaderNumber, 0);  // "NULL"

  // A card without stops decodes its numbers but selects nothing.
  load(CardRecord());
  r.animTimer = 7;
  r.selectStop(0);
  EXPECT_FALSE(r.cardMode);
  EXPECT_EQ(items(r.numberDigits), (Rows{10, 30, 37, 28, 17}));
  EXPECT_EQ(items(r.list5StopIdx), (Rows{0, 0, 0, 0, 0}));
  EXPECT_EQ(r.animTimer, 7);
}

TEST_F(SelectStop, TrainNumbersAndCardTimes) {
  CardRecord card = plainCard(10);
  card.trainNumber =
      "\x89\xF1"
      "1234M";
  card.secondTrainNumber =
      "\x92\xCA"
      "5678A";
  card.secondTime1 = 123456;
  card.secondTime2 = 246060;
  load(std::move(card));
  r.selectStop(0);
  EXPECT_EQ(r.numberPrefix, 3);
  EXPECT_EQ(items(r.numberDigits), (Rows{1, 2, 3, 4, 8}));
  EXPECT_EQ(r.secondNumberPrefix, 50);
  EXPECT_EQ(items(r.secondNumberDigits), (Rows{5, 6, 7, 8, 0}));
  EXPECT_TRUE(r.auxIndicator);
  EXPECT_EQ(r.cardTime1Hour, 12);
  EXPECT_EQ(r.cardTime1Min, 34);
  EXPECT_EQ(r.cardTime1Sec, 56);
  EXPECT_EQ(r.cardTime2Hour, 24);
  EXPECT_EQ(r.cardTime2Min, 60);
  EXPECT_EQ(r.cardTime2Sec, 60);

  // A marker on the first number is not kept; "NULL" leaves the card times alone.
  r.card.trainNumber =
      "\x92\xCA"
      "1M";
  r.card.secondTrainNumber = "NULL";
  r.card.secondTime1 = 10203;
  r.selectStop(1);
  EXPECT_FALSE(r.auxIndicator);
  EXPECT_EQ(r.secondNumberPrefix, 50);
  EXPECT_EQ(items(r.secondNumberDigits), (Rows{10, 30, 37, 28, 17}));
  EXPECT_EQ(r.cardTime1Hour, 12);
  EXPECT_EQ(r.cardTime1Min, 34);

  r.card.secondTrainNumber = "NULL ";
  r.selectStop(1);
  EXPECT_EQ(r.cardTime1Hour, 1);
  EXPECT_EQ(r.cardTime1Min, 2);
  EXPECT_EQ(r.cardTime1Sec, 3);
}

TEST_F(SelectStop, FullCardWorksWithoutTheHeap) {
  load(plainCard(63));
  r.cardMode = true;
  const uint64_t before = allocationCount();
  for (int32_t k = 0; k < 64; ++k) {
    r.selectStop(k);
    for (int32_t t = 0; t <= 700; t += 50) {
      r.animTimer = t;
      r.composeDisplayLists();
    }
  }
  r.beaconMode = true;
  r.composeDisplayLists();
  EXPECT_EQ(allocationCount(), before);
  EXPECT_EQ(r.progressBase, 16);
}

}  // namespace
