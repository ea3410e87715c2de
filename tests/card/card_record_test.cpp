#include "card/card_record.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(CardRecord, FreshRecordHoldsTheDefaults) {
  const CardRecord c;
  EXPECT_EQ(c.stopCount, 0);
  EXPECT_EQ(c.cardName, "NULL");
  EXPECT_EQ(c.headerText, "NULL");
  EXPECT_EQ(c.trainNumber, "NULL");
  EXPECT_EQ(c.secondTrainNumber, "NULL");
  EXPECT_EQ(c.cardNote, "NULL");
  EXPECT_EQ(c.cardText11, "NULL");
  EXPECT_EQ(c.secondTime1, 246060);
  EXPECT_EQ(c.secondTime2, 246060);
  EXPECT_TRUE(c.stopCode.empty());
  EXPECT_TRUE(c.stopCodeNumber.empty());
  // Row 0 of the stop table has defaults of its own; the other rows are empty.
  EXPECT_EQ(c.stopName[0], "NULL");
  EXPECT_EQ(c.stopText5[0], "NULL");
  EXPECT_EQ(c.stopText15[0], "NULL");
  EXPECT_EQ(c.stopTime1[0], 246060);
  EXPECT_EQ(c.stopTime2[0], 246060);
  EXPECT_EQ(c.stopCol6[0], 200);
  EXPECT_EQ(c.stopDistanceKm[0], 100.0);
  EXPECT_EQ(c.stopName[1], "");
  EXPECT_EQ(c.stopTime1[1], 0);
  EXPECT_EQ(c.stopCol6[1], 0);
  EXPECT_EQ(c.stopDistanceKm[63], 0.0);
  EXPECT_FALSE(c.stopKmCountDown[0]);
  EXPECT_EQ(c.eventType[31], 0);
  EXPECT_EQ(c.rangeValue[15], 0);
}

TEST(CardRecord, CopyIsDeep) {
  CardRecord original;
  original.stopName[3] = "Station";
  original.stopCode.assign(64, "NULL");
  CardRecord copy(original);
  copy.stopName[3] = "Other";
  copy.stopCode[0] = "X";
  EXPECT_EQ(original.stopName[3], "Station");
  EXPECT_EQ(original.stopCode[0], "NULL");
}

TEST(CardRecord, MoveEmptiesTheSourceListsAndSurvivesSelfMove) {
  CardRecord source;
  source.trainNumber = "1234M";
  source.stopCode.assign(64, "NULL");
  source.stopCodeNumber.assign(64, 0);
  source.stopCount = 5;

  CardRecord target;
  target = std::move(source);
  EXPECT_EQ(target.trainNumber, "1234M");
  EXPECT_EQ(target.stopCode.size(), 64u);
  EXPECT_EQ(target.stopCount, 5);
  EXPECT_TRUE(source.stopCode.empty());        // NOLINT(bugprone-use-after-move)
  EXPECT_TRUE(source.stopCodeNumber.empty());  // NOLINT(bugprone-use-after-move)

  CardRecord& alias = target;
  target = std::move(alias);
  EXPECT_EQ(target.trainNumber, "1234M");
  EXPECT_EQ(target.stopCode.size(), 64u);
  EXPECT_EQ(target.stopCodeNumber.size(), 64u);
}

TEST(CardTimes, Hour26MarkRange) {
  for (int32_t t : {260000, 261234, 269999}) EXPECT_TRUE(isHour26Mark(t)) << t;
  for (int32_t t : {259999, 270000, 246060, -260000, 0}) EXPECT_FALSE(isHour26Mark(t)) << t;
}

}  // namespace
