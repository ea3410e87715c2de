// The reset at train start: every member back to its train-start value, the card and the
// links left alone.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "display/ruva.h"

namespace {

// Marks the values that differ from those of a freshly constructed object.
constexpr bool kChanged = true;

struct ListValue {
  FixedList CRuva::*member;
  std::size_t size;
  int32_t value;
  bool changed = false;
};

struct IntValue {
  int32_t CRuva::*member;
  int32_t value;
  bool changed = false;
};

constexpr bool CRuva::*kFlags[] = {
    &CRuva::kmCountUp,        &CRuva::windowType0, &CRuva::windowType1,  &CRuva::windowType2,
    &CRuva::windowType3,      &CRuva::nearType2,   &CRuva::nearType3,    &CRuva::rangeStopWindow,
    &CRuva::rangeKmWindow,    &CRuva::pairPhase,   &CRuva::approachSeen, &CRuva::doorOpened,
    &CRuva::cardMode,         &CRuva::beaconMode,  &CRuva::auxIndicator, &CRuva::inhibitNearType3,
    &CRuva::inhibitNearType2,
};

const IntValue kInts[] = {
    {&CRuva::progressBase, 0, kChanged},
    {&CRuva::stopCue, 0},
    {&CRuva::curStopIndex, 0},
    {&CRuva::sectionOffset, 0},
    {&CRuva::nextStopAttr, 0},
    {&CRuva::nextStopTime1Hour, 24},
    {&CRuva::nextStopTime1Min, 60},
    {&CRuva::nextStopTime1Sec, 60},
    {&CRuva::nextStopNumber, 0},
    {&CRuva::nextStopIdx, -1},
    {&CRuva::bcnCurCode, 0},
    {&CRuva::bcnCurHour, 24},
    {&CRuva::bcnCurMin, 60},
    {&CRuva::bcnCurSec, 60},
    {&CRuva::bcnCurCode2, 0},
    {&CRuva::bcnNextCode, 0},
    {&CRuva::bcnNextHour, 24},
    {&CRuva::bcnNextMin, 60},
    {&CRuva::bcnNextSec, 60},
    {&CRuva::bcnNextCode2, 0},
    {&CRuva::curStopCardByte, 0},
    {&CRuva::cardHeaderByte, 0},
    {&CRuva::cardHeaderNumber, 0},
    {&CRuva::dispNextAttr, 0},
    {&CRuva::dispNextHour, 24},
    {&CRuva::dispNextMin, 60},
    {&CRuva::dispNextSec, 60},
    {&CRuva::dispNextNumber, 0},
    {&CRuva::destAttr, 0},
    {&CRuva::destHour, 24},
    {&CRuva::destMin, 60},
    {&CRuva::destSec, 60},
    {&CRuva::destNumber, 0},
    {&CRuva::infoIdx, 0},
    {&CRuva::infoHour, 24},
    {&CRuva::infoMin, 60},
    {&CRuva::infoSec, 60},
    {&CRuva::infoNumber, 0},
    {&CRuva::progressCode, 0},
    {&CRuva::secondNumberPrefix, 50, kChanged},
    {&CRuva::cardTime1Hour, 24},
    {&CRuva::cardTime1Min, 60},
    {&CRuva::cardTime1Sec, 60},
    {&CRuva::cardTime2Hour, 24},
    {&CRuva::cardTime2Min, 60},
    {&CRuva::cardTime2Sec, 60},
    {&CRuva::variantType0, 0},
    {&CRuva::variantType1, 0},
    {&CRuva::variantType23, 0},
    {&CRuva::kindType23, 0},
    {&CRuva::animTimer, 0},
    {&CRuva::numberPrefix, 50, kChanged},
    {&CRuva::stopAnnounce, 0},
};

const ListValue kLists[] = {
    {&CRuva::unitPowerDelay, 8, 500, kChanged},
    {&CRuva::unitBrakeDelay, 8, 500, kChanged},
    {&CRuva::list7StopIdx, 7, 0},
    {&CRuva::list7Attr, 7, 0},
    {&CRuva::list7Time1Hour, 7, 24},
    {&CRuva::list7Time1Min, 7, 60},
    {&CRuva::list7Time1Sec, 7, 60},
    {&CRuva::list7Time2Hour, 7, 24},
    {&CRuva::list7Time2Min, 7, 60},
    {&CRuva::list7Time2Sec, 7, 60},
    {&CRuva::list7Extra, 7, 0},
    {&CRuva::list5StopIdx, 5, 0},
    {&CRuva::list5Attr, 5, 0},
    {&CRuva::list5Time1Hour, 5, 24},
    {&CRuva::list5Time1Min, 5, 60},
    {&CRuva::list5Time1Sec, 5, 60},
    {&CRuva::list5Time2Hour, 5, 24},
    {&CRuva::list5Time2Min, 5, 60},
    {&CRuva::list5Time2Sec, 5, 60},
    {&CRuva::list5Number, 5, 0},
    {&CRuva::list5GapMin, 5, 60},
    {&CRuva::list5GapSec, 5, 60, kChanged},
    {&CRuva::list5ColA, 5, 0},
    {&CRuva::list5ColB, 5, 0},
    {&CRuva::bcnCurAttr7, 7, 0},
    {&CRuva::bcnCurTime1Hour7, 7, 24},
    {&CRuva::bcnCurTime1Min7, 7, 60},
    {&CRuva::bcnCurTime1Sec7, 7, 60},
    {&CRuva::bcnCurTime2Hour7, 7, 24},
    {&CRuva::bcnCurTime2Min7, 7, 60},
    {&CRuva::bcnCurTime2Sec7, 7, 60},
    {&CRuva::bcnCurExtra7, 7, 0},
    {&CRuva::bcnCurGapMin5, 5, 60},
    {&CRuva::bcnCurGapSec5, 5, 60, kChanged},
    {&CRuva::bcnCurColA5, 5, 0},
    {&CRuva::bcnCurColB5, 5, 0},
    {&CRuva::bcnNextAttr7, 7, 0},
    {&CRuva::bcnNextTime1Hour7, 7, 24},
    {&CRuva::bcnNextTime1Min7, 7, 60},
    {&CRuva::bcnNextTime1Sec7, 7, 60},
    {&CRuva::bcnNextTime2Hour7, 7, 24},
    {&CRuva::bcnNextTime2Min7, 7, 60},
    {&CRuva::bcnNextTime2Sec7, 7, 60},
    {&CRuva::bcnNextExtra7, 7, 0},
    {&CRuva::bcnNextGapMin5, 5, 60},
    {&CRuva::bcnNextGapSec5, 5, 60, kChanged},
    {&CRuva::bcnNextColA5, 5, 0},
    {&CRuva::bcnNextColB5, 5, 0},
    {&CRuva::numberDigits, 5, 40, kChanged},
    {&CRuva::dispList7Attr, 7, 0},
    {&CRuva::dispList7Time1Hour, 7, 24},
    {&CRuva::dispList7Time1Min, 7, 60},
    {&CRuva::dispList7Time1Sec, 7, 60},
    {&CRuva::dispList7Time2Hour, 7, 24},
    {&CRuva::dispList7Time2Min, 7, 60},
    {&CRuva::dispList7Time2Sec, 7, 60},
    {&CRuva::dispList7Extra, 7, 0},
    {&CRuva::dispList5Attr, 5, 0},
    {&CRuva::dispList5Time1Hour, 5, 24},
    {&CRuva::dispList5Time1Min, 5, 60},
    {&CRuva::dispList5Time1Sec, 5, 60},
    {&CRuva::dispList5Time2Hour, 5, 24},
    {&CRuva::dispList5Time2Min, 5, 60},
    {&CRuva::dispList5Time2Sec, 5, 60},
    {&CRuva::dispList5Number, 5, 0},
    {&CRuva::dispList5GapMin, 5, 60},
    {&CRuva::dispList5GapSec, 5, 60, kChanged},
    {&CRuva::dispList5ColA, 5, 0},
    {&CRuva::dispList5ColB, 5, 0},
    {&CRuva::unitState, 8, 0},
    {&CRuva::unitPowerTime, 8, 0},
    {&CRuva::unitIdleTime, 8, 0},
    {&CRuva::kmDigits, 4, 10},
    {&CRuva::secondNumberDigits, 5, 40, kChanged},
};

constexpr double CRuva::*kDistances[] = {
    &CRuva::kmPost,        &CRuva::stopDistance, &CRuva::travelled,
    &CRuva::sectionRemain, &CRuva::stopRemain,   &CRuva::frameDistance,
};

std::vector<int32_t> items(const FixedList& list) {
  return {list.begin(), list.end()};
}

void expectResetValues(const CRuva& r) {
  for (std::size_t i = 0; i < std::size(kFlags); ++i) EXPECT_FALSE(r.*kFlags[i]) << "flag " << i;
  for (const IntValue& v : kInts) EXPECT_EQ(r.*v.member, v.value) << "int " << &v - kInts;
  for (const ListValue& v : kLists) {
    EXPECT_EQ(items(r.*v.member), std::vector<int32_t>(v.size, v.value)) << "list " << &v - kLists;
  }
  for (std::size_t i = 0; i < std::size(kDistances); ++i) {
    EXPECT_EQ(r.*kDistances[i], 0.0) << "distance " << i;
  }
  for (int32_t value : r.soundTriggers) EXPECT_EQ(value, -10000);
  for (int32_t value : r.soundOut) EXPECT_EQ(value, -10000);
}

TEST(ResetForTrain, EveryMemberAfterAnyState) {
  CRuva r;
  const VehicleStateRecord state{};
  const int32_t frame = 0;
  r.vehicleState = &state;
  r.frameTime = &frame;
  r.D01ABnum = 3;
  r.card.stopCount = 12;
  r.card.trainNumber = "1234M";
  // Every member away from its reset value, lists at other lengths.
  for (bool CRuva::*flag : kFlags) r.*flag = true;
  r.useLegacyDisp = true;
  for (const IntValue& v : kInts) r.*v.member = 12345;
  for (const ListValue& v : kLists) (r.*v.member).assign(v.size == 7 ? 3 : 7, -9);
  for (double CRuva::*distance : kDistances) r.*distance = 9.5;
  for (int32_t& value : r.soundTriggers) value = 1;
  for (int32_t& value : r.soundOut) value = 2;

  r.resetForTrain();
  expectResetValues(r);
  EXPECT_FALSE(r.useLegacyDisp);
  EXPECT_EQ(r.D01ABnum, 3);
  EXPECT_EQ(r.vehicleState, &state);
  EXPECT_EQ(r.frameTime, &frame);
  EXPECT_EQ(r.card.stopCount, 12);
  EXPECT_EQ(r.card.trainNumber, "1234M");
}

TEST(ResetForTrain, OnAFreshObjectChangesOnlyTheMarkedMembers) {
  const CRuva fresh;
  CRuva r;
  r.resetForTrain();
  expectResetValues(r);
  for (const IntValue& v : kInts) {
    EXPECT_EQ(fresh.*v.member != r.*v.member, v.changed) << "int " << &v - kInts;
  }
  for (const ListValue& v : kLists) {
    EXPECT_EQ(fresh.*v.member == r.*v.member, !v.changed) << "list " << &v - kLists;
  }
  EXPECT_EQ(r.D01ABnum, fresh.D01ABnum);
}

}  // namespace
