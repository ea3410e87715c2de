// The state of a train just placed on the route. Uses constants only, so every restart
// looks the same whatever the settings or the vehicle.
#include "base/blank_values.h"
#include "display/blank_lists.h"
#include "display/ruva.h"

void CRuva::resetForTrain() {
  // Members are set in declaration order (the displayed lists go with the displayed
  // next-stop record); lists are reassigned whole so that any length a stop rebuild
  // gave them is restored.
  kmCountUp = false;
  windowType0 = false;
  windowType1 = false;
  windowType2 = false;
  windowType3 = false;
  nearType2 = false;
  nearType3 = false;
  rangeStopWindow = false;
  rangeKmWindow = false;
  pairPhase = false;
  approachSeen = false;
  progressBase = 0;
  stopCue = 0;
  curStopIndex = 0;
  sectionOffset = 0;
  unitPowerDelay.assign(8, 500);
  unitBrakeDelay.assign(8, 500);

  blankNextStop();

  blankLists(*this, kList7Lists);
  blankLists(*this, kList5Lists);

  blankBeaconStops();

  for (int32_t& trigger : soundTriggers) trigger = kNoCue;
  doorOpened = false;
  cardMode = false;
  beaconMode = false;
  useLegacyDisp = false;
  auxIndicator = false;
  inhibitNearType3 = false;
  inhibitNearType2 = false;
  curStopCardByte = 0;
  cardHeaderByte = 0;
  cardHeaderNumber = 0;

  blankDisplayedLists();
  blankDestAndInfo();
  infoNumber = 0;
  progressCode = 0;

  numberPrefix = kNoPrefix;
  numberDigits.assign(5, 40);

  unitState.assign(8, 0);
  unitPowerTime.assign(8, 0);
  unitIdleTime.assign(8, 0);
  kmDigits.assign(4, kBlankDigit);
  secondNumberPrefix = kNoPrefix;
  secondNumberDigits.assign(5, 40);
  cardTime1Hour = kNoHour;
  cardTime1Min = kNoMinute;
  cardTime1Sec = kNoSecond;
  cardTime2Hour = kNoHour;
  cardTime2Min = kNoMinute;
  cardTime2Sec = kNoSecond;
  variantType0 = 0;
  variantType1 = 0;
  variantType23 = 0;
  kindType23 = 0;
  animTimer = 0;
  stopAnnounce = 0;

  kmPost = 0.0;
  stopDistance = 0.0;
  travelled = 0.0;
  sectionRemain = 0.0;
  stopRemain = 0.0;
  frameDistance = 0.0;
  for (int32_t& value : soundOut) value = kNoCue;
  ++listsVersion;
}
