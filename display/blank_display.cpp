// Blank values: the empty screen that the display returns to in every frame without a
// route source, and the blank groups that the reset and the reveal share with it.
#include <cstddef>

#include "display/beacon_groups.h"
#include "display/ruva.h"

namespace {

struct BlankList {
  FixedList CRuva::*list;
  std::size_t rows;
  int32_t value;
};

constexpr BlankList kDisplayedLists[] = {
    {&CRuva::dispList7Attr, 7, 0},       {&CRuva::dispList7Extra, 7, 0},
    {&CRuva::dispList7Time1Hour, 7, 24}, {&CRuva::dispList7Time2Hour, 7, 24},
    {&CRuva::dispList7Time1Min, 7, 60},  {&CRuva::dispList7Time1Sec, 7, 60},
    {&CRuva::dispList7Time2Min, 7, 60},  {&CRuva::dispList7Time2Sec, 7, 60},
    {&CRuva::dispList5Attr, 5, 0},       {&CRuva::dispList5Number, 5, 0},
    {&CRuva::dispList5ColA, 5, 0},       {&CRuva::dispList5ColB, 5, 0},
    {&CRuva::dispList5Time1Hour, 5, 24}, {&CRuva::dispList5Time2Hour, 5, 24},
    {&CRuva::dispList5Time1Min, 5, 60},  {&CRuva::dispList5Time1Sec, 5, 60},
    {&CRuva::dispList5Time2Min, 5, 60},  {&CRuva::dispList5Time2Sec, 5, 60},
    {&CRuva::dispList5GapMin, 5, 60},    {&CRuva::dispList5GapSec, 5, 60},
};

// The beacon stop in force; the pending one is blanked to the same values.
constexpr BlankList kBeaconLists[] = {
    {&CRuva::bcnCurAttr7, 7, 0},       {&CRuva::bcnCurExtra7, 7, 0},
    {&CRuva::bcnCurTime1Hour7, 7, 24}, {&CRuva::bcnCurTime2Hour7, 7, 24},
    {&CRuva::bcnCurTime1Min7, 7, 60},  {&CRuva::bcnCurTime1Sec7, 7, 60},
    {&CRuva::bcnCurTime2Min7, 7, 60},  {&CRuva::bcnCurTime2Sec7, 7, 60},
    {&CRuva::bcnCurGapMin5, 5, 60},    {&CRuva::bcnCurGapSec5, 5, 60},
    {&CRuva::bcnCurColA5, 5, 0},       {&CRuva::bcnCurColB5, 5, 0},
};

// The card stop lists of the empty screen. The gap seconds read 12 here, unlike after
// a reset.
constexpr BlankList kStopLists[] = {
    {&CRuva::list7StopIdx, 7, 0},    {&CRuva::list7Attr, 7, 0},
    {&CRuva::list7Extra, 7, 0},      {&CRuva::list7Time1Hour, 7, 24},
    {&CRuva::list7Time2Hour, 7, 24}, {&CRuva::list7Time1Min, 7, 60},
    {&CRuva::list7Time1Sec, 7, 60},  {&CRuva::list7Time2Min, 7, 60},
    {&CRuva::list7Time2Sec, 7, 60},  {&CRuva::list5StopIdx, 5, 0},
    {&CRuva::list5Attr, 5, 0},       {&CRuva::list5Number, 5, 0},
    {&CRuva::list5ColA, 5, 0},       {&CRuva::list5ColB, 5, 0},
    {&CRuva::list5Time1Hour, 5, 24}, {&CRuva::list5Time2Hour, 5, 24},
    {&CRuva::list5Time1Min, 5, 60},  {&CRuva::list5Time1Sec, 5, 60},
    {&CRuva::list5Time2Min, 5, 60},  {&CRuva::list5Time2Sec, 5, 60},
    {&CRuva::list5GapMin, 5, 60},    {&CRuva::list5GapSec, 5, 12},
};

template <std::size_t N>
void blank(CRuva& r, const BlankList (&lists)[N]) {
  for (const BlankList& b : lists) (r.*b.list).assign(b.rows, b.value);
}

}  // namespace

void CRuva::blankDisplayedLists() {
  dispNextAttr = 0;
  dispNextHour = 24;
  dispNextMin = 60;
  dispNextSec = 60;
  dispNextNumber = 0;
  blank(*this, kDisplayedLists);
}

void CRuva::blankDestAndInfo() {
  destAttr = 0;
  destHour = 24;
  destMin = 60;
  destSec = 60;
  destNumber = 0;
  infoIdx = 0;
  infoHour = 24;
  infoMin = 60;
  infoSec = 60;
}

void CRuva::blankBeaconStops() {
  bcnCurCode = 0;
  bcnCurHour = 24;
  bcnCurMin = 60;
  bcnCurSec = 60;
  bcnCurCode2 = 0;
  blank(*this, kBeaconLists);
  forEachBeaconPair(*this, [](auto& cur, auto& next) { next = cur; });
}

void CRuva::blankDisplay() {
  soundOut[11] = 0;
  kmPost = 0.0;

  nextStopAttr = 0;
  nextStopTime1Hour = 24;
  nextStopTime1Min = 60;
  nextStopTime1Sec = 60;
  nextStopNumber = 0;
  blank(*this, kStopLists);
  blankBeaconStops();

  curStopCardByte = 0;
  cardHeaderByte = 0;
  cardHeaderNumber = 0;

  blankDisplayedLists();
  blankDestAndInfo();

  progressCode = 90;
  numberDigits.assign(5, 20);
  numberDigits[4] = 40;
  numberPrefix = 50;

  unitState.assign(8, 0);
  kmDigits.assign(4, 10);

  variantType0 = 0;
  variantType1 = 0;
  variantType23 = 0;
  kindType23 = 0;
  animTimer = 0;
  auxIndicator = false;
}
