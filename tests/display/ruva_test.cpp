// A fresh display state, before any reset.
#include "display/ruva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> items(const FixedList& list) {
  return {list.begin(), list.end()};
}
std::vector<int32_t> filled(std::size_t count, int32_t value) {
  return std::vector<int32_t>(count, value);
}

TEST(FixedList, AssignReplacesLengthAndValues) {
  FixedList list(5, 60);
  EXPECT_EQ(items(list), filled(5, 60));
  list.assign(7, -1);
  EXPECT_EQ(items(list), filled(7, -1));
  list[6] = 3;
  EXPECT_EQ(list[6], 3);
  list.assign(2, 0);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(FixedList(2, 0), list);
  EXPECT_FALSE(FixedList(3, 0) == list);
}

TEST(CRuvaConstruction, HoldsTheConstructionValues) {
  const CRuva r;
  EXPECT_EQ(r.progressBase, 100);
  EXPECT_EQ(r.D01ABnum, 0);
  EXPECT_EQ(r.numberPrefix, 0);
  EXPECT_EQ(r.secondNumberPrefix, 0);
  EXPECT_EQ(items(r.numberDigits), filled(5, 20));
  EXPECT_EQ(items(r.secondNumberDigits), filled(5, 20));
  EXPECT_EQ(items(r.kmDigits), filled(4, 10));
  EXPECT_EQ(items(r.unitPowerDelay), filled(8, 0));
  EXPECT_EQ(items(r.unitState), filled(8, 0));
  EXPECT_FALSE(r.cardMode);
  EXPECT_FALSE(r.beaconMode);
  EXPECT_EQ(r.kmPost, 0.0);
  EXPECT_EQ(r.vehicleState, nullptr);
  EXPECT_EQ(r.card.stopCount, 0);
  for (int32_t value : r.soundOut) EXPECT_EQ(value, -10000);
  for (int32_t value : r.soundTriggers) EXPECT_EQ(value, -10000);
}

TEST(CRuvaConstruction, GapSecondsStartAtTwelve) {
  const CRuva r;
  for (const FixedList* list :
       {&r.list5GapSec, &r.bcnCurGapSec5, &r.bcnNextGapSec5, &r.dispList5GapSec}) {
    EXPECT_EQ(items(*list), filled(5, 12));
  }
  for (const FixedList* list :
       {&r.list5GapMin, &r.bcnCurGapMin5, &r.bcnNextGapMin5, &r.dispList5GapMin}) {
    EXPECT_EQ(items(*list), filled(5, 60));
  }
}

TEST(CRuvaConstruction, EveryTimeReadsNoTime) {
  const CRuva r;
  struct Triple {
    const FixedList& hour;
    const FixedList& minute;
    const FixedList& second;
    std::size_t rows;
  };
  const Triple lists[] = {
      {r.list7Time1Hour, r.list7Time1Min, r.list7Time1Sec, 7},
      {r.list7Time2Hour, r.list7Time2Min, r.list7Time2Sec, 7},
      {r.list5Time1Hour, r.list5Time1Min, r.list5Time1Sec, 5},
      {r.list5Time2Hour, r.list5Time2Min, r.list5Time2Sec, 5},
      {r.bcnCurTime1Hour7, r.bcnCurTime1Min7, r.bcnCurTime1Sec7, 7},
      {r.bcnCurTime2Hour7, r.bcnCurTime2Min7, r.bcnCurTime2Sec7, 7},
      {r.bcnNextTime1Hour7, r.bcnNextTime1Min7, r.bcnNextTime1Sec7, 7},
      {r.bcnNextTime2Hour7, r.bcnNextTime2Min7, r.bcnNextTime2Sec7, 7},
      {r.dispList7Time1Hour, r.dispList7Time1Min, r.dispList7Time1Sec, 7},
      {r.dispList7Time2Hour, r.dispList7Time2Min, r.dispList7Time2Sec, 7},
      {r.dispList5Time1Hour, r.dispList5Time1Min, r.dispList5Time1Sec, 5},
      {r.dispList5Time2Hour, r.dispList5Time2Min, r.dispList5Time2Sec, 5},
  };
  for (const Triple& t : lists) {
    EXPECT_EQ(items(t.hour), filled(t.rows, 24));
    EXPECT_EQ(items(t.minute), filled(t.rows, 60));
    EXPECT_EQ(items(t.second), filled(t.rows, 60));
  }
  const int32_t scalars[][3] = {
      {r.nextStopTime1Hour, r.nextStopTime1Min, r.nextStopTime1Sec},
      {r.bcnCurHour, r.bcnCurMin, r.bcnCurSec},
      {r.bcnNextHour, r.bcnNextMin, r.bcnNextSec},
      {r.dispNextHour, r.dispNextMin, r.dispNextSec},
      {r.destHour, r.destMin, r.destSec},
      {r.infoHour, r.infoMin, r.infoSec},
      {r.cardTime1Hour, r.cardTime1Min, r.cardTime1Sec},
      {r.cardTime2Hour, r.cardTime2Min, r.cardTime2Sec},
  };
  for (const auto& t : scalars) {
    EXPECT_EQ(t[0], 24);
    EXPECT_EQ(t[1], 60);
    EXPECT_EQ(t[2], 60);
  }
}

}  // namespace
