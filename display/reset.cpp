// The state of a train just placed on the route. Uses constants only, so every restart
// looks the same whatever the settings or the vehicle.
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

  nextStopAttr = 0;
  nextStopTime1Hour = 24;
  nextStopTime1Min = 60;
  nextStopTime1Sec = 60;
  nextStopNumber = 0;

  list7StopIdx.assign(7, 0);
  list7Attr.assign(7, 0);
  list7Time1Hour.assign(7, 24);
  list7Time1Min.assign(7, 60);
  list7Time1Sec.assign(7, 60);
  list7Time2Hour.assign(7, 24);
  list7Time2Min.assign(7, 60);
  list7Time2Sec.assign(7, 60);
  list7Extra.assign(7, 0);

  list5StopIdx.assign(5, 0);
  list5Attr.assign(5, 0);
  list5Time1Hour.assign(5, 24);
  list5Time1Min.assign(5, 60);
  list5Time1Sec.assign(5, 60);
  list5Time2Hour.assign(5, 24);
  list5Time2Min.assign(5, 60);
  list5Time2Sec.assign(5, 60);
  list5Number.assign(5, 0);
  list5GapMin.assign(5, 60);
  list5GapSec.assign(5, 60);
  list5ColA.assign(5, 0);
  list5ColB.assign(5, 0);

  blankBeaconStops();

  for (int32_t& trigger : soundTriggers) trigger = -10000;
  doorOpened = false;
  cardMode = false;
  beaconMode = false;
  settings.useLegacyDisp = false;
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

  numberPrefix = 50;
  numberDigits.assign(5, 40);

  unitState.assign(8, 0);
  unitPowerTime.assign(8, 0);
  unitIdleTime.assign(8, 0);
  kmDigits.assign(4, 10);
  secondNumberPrefix = 50;
  secondNumberDigits.assign(5, 40);
  cardTime1Hour = 24;
  cardTime1Min = 60;
  cardTime1Sec = 60;
  cardTime2Hour = 24;
  cardTime2Min = 60;
  cardTime2Sec = 60;
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
  for (int32_t& value : soundOut) value = -10000;
}
