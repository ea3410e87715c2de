// Blank values: the empty screen that the display returns to in every frame without a
// route source, and the blank groups that the reset and the reveal share with it.
#include "base/blank_values.h"
#include "display/beacon_groups.h"
#include "display/blank_lists.h"
#include "display/ruva.h"

void CRuva::blankDisplayedLists() {
  dispNextAttr = 0;
  dispNextHour = kNoHour;
  dispNextMin = kNoMinute;
  dispNextSec = kNoSecond;
  dispNextNumber = 0;
  blankLists(*this, kDisplayedLists);
}

void CRuva::blankDestAndInfo() {
  destAttr = 0;
  destHour = kNoHour;
  destMin = kNoMinute;
  destSec = kNoSecond;
  destNumber = 0;
  infoIdx = 0;
  infoHour = kNoHour;
  infoMin = kNoMinute;
  infoSec = kNoSecond;
}

void CRuva::blankNextStop() {
  nextStopAttr = 0;
  nextStopTime1Hour = kNoHour;
  nextStopTime1Min = kNoMinute;
  nextStopTime1Sec = kNoSecond;
  nextStopNumber = 0;
  nextStopIdx = kNoStop;
}

void CRuva::blankBeaconStops() {
  bcnCurCode = 0;
  bcnCurHour = kNoHour;
  bcnCurMin = kNoMinute;
  bcnCurSec = kNoSecond;
  bcnCurCode2 = 0;
  blankLists(*this, kBeaconLists);
  forEachBeaconPair(*this, [](auto& cur, auto& next) { next = cur; });
}

void CRuva::blankDisplay() {
  soundOut[11] = 0;
  kmPost = 0.0;

  blankNextStop();
  blankLists(*this, kList7Lists);
  blankLists(*this, kList5Lists);
  // The empty screen shows no gap seconds in fives, unlike a reset, which leaves 60.
  list5GapSec.assign(5, kNoSecondInFives);
  blankBeaconStops();

  curStopCardByte = 0;
  cardHeaderByte = 0;
  cardHeaderNumber = 0;

  blankDisplayedLists();
  blankDestAndInfo();

  progressCode = 90;
  numberDigits.assign(5, 20);
  numberDigits[4] = kNoSuffix;
  numberPrefix = kNoPrefix;

  unitState.assign(8, 0);
  kmDigits.assign(4, kBlankDigit);

  variantType0 = 0;
  variantType1 = 0;
  variantType23 = 0;
  kindType23 = 0;
  animTimer = 0;
  auxIndicator = false;
}
