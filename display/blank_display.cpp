// Blank values: the empty screen that the display returns to in every frame without a
// route source, and the blank groups that the reset and the reveal share with it. A
// frame without a route rewrites the screen's values, but its lists only when an
// operation may have changed them since the last such frame.
#include "base/blank_values.h"
#include "display/beacon_groups.h"
#include "display/blank_lists.h"
#include "display/ruva.h"

namespace {

constexpr FixedList kBlankGapSecInFives{5, kNoSecondInFives};
constexpr FixedList kBlankUnitStates{8, 0};
constexpr FixedList kBlankKmDigits{4, kBlankDigit};

// Four blank digits and no suffix.
constexpr FixedList blankNumberDigits() {
  FixedList digits(5, 20);
  digits[4] = kNoSuffix;
  return digits;
}
constexpr FixedList kBlankNumberDigits = blankNumberDigits();

}  // namespace

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

void CRuva::blankScreenLists() {
  blankLists(*this, kList7Lists);
  blankLists(*this, kList5Lists);
  // The empty screen shows no gap seconds in fives, unlike a reset, which leaves 60.
  list5GapSec = kBlankGapSecInFives;
  blankBeaconStops();
  blankDisplayedLists();
  numberDigits = kBlankNumberDigits;
  kmDigits = kBlankKmDigits;

  ++listsVersion;
  blankVersion = listsVersion;
  blankScreenShown = true;
  // What the displayed lists now hold is what a composition without a mode gives.
  composedVersion = listsVersion;
  composedMode = 0;
  composedStage = 0;
}

void CRuva::blankDisplay() {
  blankScreenShown = false;
  showBlankScreen();
}

void CRuva::showBlankScreen() {
  soundOut[11] = 0;
  kmPost = 0.0;

  blankNextStop();
  bcnCurCode = bcnNextCode = 0;
  bcnCurHour = bcnNextHour = kNoHour;
  bcnCurMin = bcnNextMin = kNoMinute;
  bcnCurSec = bcnNextSec = kNoSecond;
  bcnCurCode2 = bcnNextCode2 = 0;

  curStopCardByte = 0;
  cardHeaderByte = 0;
  cardHeaderNumber = 0;

  dispNextAttr = 0;
  dispNextHour = kNoHour;
  dispNextMin = kNoMinute;
  dispNextSec = kNoSecond;
  dispNextNumber = 0;
  blankDestAndInfo();

  progressCode = 90;
  numberPrefix = kNoPrefix;
  // The unit lamps are worked out anew after this in every frame.
  unitState = kBlankUnitStates;

  variantType0 = 0;
  variantType1 = 0;
  variantType23 = 0;
  kindType23 = 0;
  animTimer = 0;
  auxIndicator = false;

  // The lists stay blank from one such frame to the next unless an operation of the
  // display rewrote one of them in between.
  if (!blankScreenShown || blankVersion != listsVersion) blankScreenLists();
}
