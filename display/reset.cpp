// The state of a train just placed on the route. Uses constants only, so every restart
// looks the same whatever the settings or the vehicle.
#include "display/ruva.h"

void CRuva::resetForTrain() {
  // Members are set in declaration order; lists are reassigned whole so that any
  // length a stop rebuild gave them is restored.
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

  bcnCurCode = 0;
  bcnCurHour = 24;
  bcnCurMin = 60;
  bcnCurSec = 60;
  bcnCurCode2 = 0;
  bcnCurAttr7.assign(7, 0);
  bcnCurTime1Hour7.assign(7, 24);
  bcnCurTime1Min7.assign(7, 60);
  bcnCurTime1Sec7.assign(7, 60);
  bcnCurTime2Hour7.assign(7, 24);
  bcnCurTime2Min7.assign(7, 60);
  bcnCurTime2Sec7.assign(7, 60);
  bcnCurExtra7.assign(7, 0);
  bcnCurGapMin5.assign(5, 60);
  bcnCurGapSec5.assign(5, 60);
  bcnCurColA5.assign(5, 0);
  bcnCurColB5.assign(5, 0);

  bcnNextCode = 0;
  bcnNextHour = 24;
  bcnNextMin = 60;
  bcnNextSec = 60;
  bcnNextCode2 = 0;
  bcnNextAttr7.assign(7, 0);
  bcnNextTime1Hour7.assign(7, 24);
  bcnNextTime1Min7.assign(7, 60);
  bcnNextTime1Sec7.assign(7, 60);
  bcnNextTime2Hour7.assign(7, 24);
  bcnNextTime2Min7.assign(7, 60);
  bcnNextTime2Sec7.assign(7, 60);
  bcnNextExtra7.assign(7, 0);
  bcnNextGapMin5.assign(5, 60);
  bcnNextGapSec5.assign(5, 60);
  bcnNextColA5.assign(5, 0);
  bcnNextColB5.assign(5, 0);

  for (int32_t& trigger : soundTriggers) trigger = -10000;
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
  infoNumber = 0;
  progressCode = 0;

  numberPrefix = 50;
  numberDigits.assign(5, 40);
  dispList7Attr.assign(7, 0);
  dispList7Time1Hour.assign(7, 24);
  dispList7Time1Min.assign(7, 60);
  dispList7Time1Sec.assign(7, 60);
  dispList7Time2Hour.assign(7, 24);
  dispList7Time2Min.assign(7, 60);
  dispList7Time2Sec.assign(7, 60);
  dispList7Extra.assign(7, 0);
  dispList5Attr.assign(5, 0);
  dispList5Time1Hour.assign(5, 24);
  dispList5Time1Min.assign(5, 60);
  dispList5Time1Sec.assign(5, 60);
  dispList5Time2Hour.assign(5, 24);
  dispList5Time2Min.assign(5, 60);
  dispList5Time2Sec.assign(5, 60);
  dispList5Number.assign(5, 0);
  dispList5GapMin.assign(5, 60);
  dispList5GapSec.assign(5, 60);
  dispList5ColA.assign(5, 0);
  dispList5ColB.assign(5, 0);

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
