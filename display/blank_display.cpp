// The empty screen that the display returns to in every frame without a route source.
#include "display/beacon_groups.h"
#include "display/ruva.h"

namespace {

// A time triple of `rows` rows that all read "no time".
void blankTimes(FixedList& hour, FixedList& minute, FixedList& second, std::size_t rows) {
  hour.assign(rows, 24);
  minute.assign(rows, 60);
  second.assign(rows, 60);
}

}  // namespace

void CRuva::blankDisplay() {
  soundOut[11] = 0;
  kmPost = 0.0;

  nextStopAttr = 0;
  nextStopTime1Hour = 24;
  nextStopTime1Min = 60;
  nextStopTime1Sec = 60;
  nextStopNumber = 0;

  list7StopIdx.assign(7, 0);
  list7Attr.assign(7, 0);
  blankTimes(list7Time1Hour, list7Time1Min, list7Time1Sec, 7);
  blankTimes(list7Time2Hour, list7Time2Min, list7Time2Sec, 7);
  list7Extra.assign(7, 0);

  list5StopIdx.assign(5, 0);
  list5Attr.assign(5, 0);
  blankTimes(list5Time1Hour, list5Time1Min, list5Time1Sec, 5);
  blankTimes(list5Time2Hour, list5Time2Min, list5Time2Sec, 5);
  list5Number.assign(5, 0);
  list5GapMin.assign(5, 60);
  list5GapSec.assign(5, 12);
  list5ColA.assign(5, 0);
  list5ColB.assign(5, 0);

  bcnCurCode = 0;
  bcnCurHour = 24;
  bcnCurMin = 60;
  bcnCurSec = 60;
  bcnCurCode2 = 0;
  bcnCurAttr7.assign(7, 0);
  blankTimes(bcnCurTime1Hour7, bcnCurTime1Min7, bcnCurTime1Sec7, 7);
  blankTimes(bcnCurTime2Hour7, bcnCurTime2Min7, bcnCurTime2Sec7, 7);
  bcnCurExtra7.assign(7, 0);
  bcnCurGapMin5.assign(5, 60);
  bcnCurGapSec5.assign(5, 60);
  bcnCurColA5.assign(5, 0);
  bcnCurColB5.assign(5, 0);

  forEachBeaconPair(*this, [](auto& cur, auto& next) { next = cur; });

  curStopCardByte = 0;
  cardHeaderByte = 0;
  cardHeaderNumber = 0;

  dispNextAttr = 0;
  dispNextHour = 24;
  dispNextMin = 60;
  dispNextSec = 60;
  dispNextNumber = 0;
  destAttr = 0;
  destHour = 24;
  destMin = 60;
  destSec = 60;
  destNumber = 0;
  infoIdx = 0;
  infoHour = 24;
  infoMin = 60;
  infoSec = 60;

  progressCode = 90;
  numberDigits.assign(5, 20);
  numberDigits[4] = 40;
  numberPrefix = 50;

  dispList7Attr.assign(7, 0);
  blankTimes(dispList7Time1Hour, dispList7Time1Min, dispList7Time1Sec, 7);
  blankTimes(dispList7Time2Hour, dispList7Time2Min, dispList7Time2Sec, 7);
  dispList7Extra.assign(7, 0);

  dispList5Attr.assign(5, 0);
  blankTimes(dispList5Time1Hour, dispList5Time1Min, dispList5Time1Sec, 5);
  blankTimes(dispList5Time2Hour, dispList5Time2Min, dispList5Time2Sec, 5);
  dispList5Number.assign(5, 0);
  dispList5GapMin.assign(5, 60);
  dispList5GapSec.assign(5, 60);
  dispList5ColA.assign(5, 0);
  dispList5ColB.assign(5, 0);

  unitState.assign(8, 0);
  kmDigits.assign(4, 10);

  variantType0 = 0;
  variantType1 = 0;
  variantType23 = 0;
  kindType23 = 0;
  animTimer = 0;
  auxIndicator = false;
}
