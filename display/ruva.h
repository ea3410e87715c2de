// CRuva: the whole state of the cab monitor display, one static instance per module.
//
// Three layers of data live here: what a loaded card yields (the next stop and the
// list5.../list7... stop lists), what beacons yield (bcnCur... in force, bcnNext...
// being assembled), and what the panel map shows (disp..., digits, unit states, cues).
// Every list is a FixedList, so no frame touches the heap.
#ifndef RUVA_DISPLAY_RUVA_H_
#define RUVA_DISPLAY_RUVA_H_

#include <array>
#include <cstdint>

#include "base/blank_values.h"
#include "base/host_records.h"
#include "card/card_record.h"
#include "display/fixed_list.h"

class CRuva {
 public:
  CRuva() = default;
  CRuva(const CRuva&) = delete;
  CRuva& operator=(const CRuva&) = delete;
  virtual ~CRuva() = default;

  // Puts the display into the state of a train just placed on the route: no stop,
  // no mode, blank lists, silent cues, the standard layout. Leaves `card`, the links
  // and D01ABnum alone.
  void resetForTrain();
  // One frame: distance run, stop changes or beacon promotion, cues, km post, units,
  // and the sound values. Reads the frame through `vehicleState` and `frameTime`.
  void updateFrame();
  // Moves the km post and the section and stop distances by `frameDistance`, steps to
  // the next card section when one is used up, and splits the km post into digits.
  void advanceKmPost();
  // Spreads the value of one beacon slot (0 to 12) into its fields.
  void storeBeaconSlot(int32_t slot, int32_t v);
  // Makes card stop `stopIndex` the current stop and rebuilds everything that hangs on it.
  void selectStop(int32_t stopIndex);
  // The card stop that becomes current when the train reaches the stop ahead of the
  // current one (or stands there with its doors open); -1 when no stop lies ahead.
  int32_t stopAhead() const;
  // Rebuilds the displayed lists and next-stop record from the source lists, revealing
  // rows one by one as `animTimer` runs.
  void composeDisplayLists();
  // The frame's reveal: the same result as composeDisplayLists, but it recomposes only
  // when the mode or the source lists changed since the last composition, and otherwise
  // copies only the rows that came up since. Sources change through the operations of
  // this class; each of those that rewrites them counts up `listsVersion`.
  void revealDisplayLists();

  // Pieces of updateFrame, in the order it runs them.
  // Card mode: stop change at the stop or on a door opening, progress, event and range
  // windows with their cues, cue variants, arrival cues, then the km post.
  void updateCardMode();
  // Beacon mode: the second reveal step, promotion of the bcnNext group at the stop,
  // progress, arrival cues, then the km post.
  void updateBeaconMode();
  // Neither mode: every list, record and digit back to the empty screen.
  void blankDisplay();
  // The frame's blank steps: what blankDisplay gives, but the lists are rewritten only
  // when an operation may have changed them since the screen was last blanked.
  void showBlankScreen();
  // The lists of the empty screen (all but the unit lamps).
  void blankScreenLists();
  // The displayed next-stop record and the displayed seven- and five-row lists, blank
  // and at their full lengths.
  void blankDisplayedLists();
  // The card's next-stop record without a stop.
  void blankNextStop();
  // Both beacon stop groups (in force and pending) with no stop in them.
  void blankBeaconStops();
  // The dest record and the info record without a stop; the info number stays.
  void blankDestAndInfo();
  // Per-unit powering, braking or idle from the frame's traction value, each unit with
  // its own random delays from the frame's pseudo-random sequence.
  void updateUnitIndications();
  // Hands the one-shot cues to `soundOut` and leaves every cue at "no change".
  void emitSoundCues();
  // Card mode's view of the event and range tables for the current stop, rebuilt when
  // an operation changed the stop or the card since it was last built.
  void refreshStopScan();
  // Whether the km post lies inside a km range of the card; scans the table only when
  // the km post left the span of the last scan's result.
  bool kmPostInRange();

  // Progress and section state.
  bool kmCountUp = false;
  bool windowType0 = false;
  bool windowType1 = false;
  bool windowType2 = false;
  bool windowType3 = false;
  bool nearType2 = false;
  bool nearType3 = false;
  bool rangeStopWindow = false;
  bool rangeKmWindow = false;
  bool pairPhase = false;
  bool approachSeen = false;
  int32_t progressBase = 100;
  int32_t stopCue = 0;
  int32_t curStopIndex = 0;
  int32_t sectionOffset = 0;
  FixedList unitPowerDelay{8, 0};
  FixedList unitBrakeDelay{8, 0};

  // Next stop, card mode.
  int32_t nextStopAttr = 0;
  int32_t nextStopTime1Hour = kNoHour;
  int32_t nextStopTime1Min = kNoMinute;
  int32_t nextStopTime1Sec = kNoSecond;
  int32_t nextStopNumber = 0;

  // Seven-row stop list, card mode.
  FixedList list7StopIdx{7, 0};
  FixedList list7Attr{7, 0};
  FixedList list7Time1Hour{7, kNoHour};
  FixedList list7Time1Min{7, kNoMinute};
  FixedList list7Time1Sec{7, kNoSecond};
  FixedList list7Time2Hour{7, kNoHour};
  FixedList list7Time2Min{7, kNoMinute};
  FixedList list7Time2Sec{7, kNoSecond};
  FixedList list7Extra{7, 0};

  // Five-row stop list, card mode.
  FixedList list5StopIdx{5, 0};
  FixedList list5Attr{5, 0};
  FixedList list5Time1Hour{5, kNoHour};
  FixedList list5Time1Min{5, kNoMinute};
  FixedList list5Time1Sec{5, kNoSecond};
  FixedList list5Time2Hour{5, kNoHour};
  FixedList list5Time2Min{5, kNoMinute};
  FixedList list5Time2Sec{5, kNoSecond};
  FixedList list5Number{5, 0};
  FixedList list5GapMin{5, kNoMinute};
  FixedList list5GapSec{5, kNoSecondInFives};
  FixedList list5ColA{5, 0};
  FixedList list5ColB{5, 0};

  // Beacon-mode stop in force.
  int32_t bcnCurCode = 0;
  int32_t bcnCurHour = kNoHour;
  int32_t bcnCurMin = kNoMinute;
  int32_t bcnCurSec = kNoSecond;
  int32_t bcnCurCode2 = 0;
  FixedList bcnCurAttr7{7, 0};
  FixedList bcnCurTime1Hour7{7, kNoHour};
  FixedList bcnCurTime1Min7{7, kNoMinute};
  FixedList bcnCurTime1Sec7{7, kNoSecond};
  FixedList bcnCurTime2Hour7{7, kNoHour};
  FixedList bcnCurTime2Min7{7, kNoMinute};
  FixedList bcnCurTime2Sec7{7, kNoSecond};
  FixedList bcnCurExtra7{7, 0};
  FixedList bcnCurGapMin5{5, kNoMinute};
  FixedList bcnCurGapSec5{5, kNoSecondInFives};
  FixedList bcnCurColA5{5, 0};
  FixedList bcnCurColB5{5, 0};

  // Beacon-mode stop being assembled; member for member like the group above.
  int32_t bcnNextCode = 0;
  int32_t bcnNextHour = kNoHour;
  int32_t bcnNextMin = kNoMinute;
  int32_t bcnNextSec = kNoSecond;
  int32_t bcnNextCode2 = 0;
  FixedList bcnNextAttr7{7, 0};
  FixedList bcnNextTime1Hour7{7, kNoHour};
  FixedList bcnNextTime1Min7{7, kNoMinute};
  FixedList bcnNextTime1Sec7{7, kNoSecond};
  FixedList bcnNextTime2Hour7{7, kNoHour};
  FixedList bcnNextTime2Min7{7, kNoMinute};
  FixedList bcnNextTime2Sec7{7, kNoSecond};
  FixedList bcnNextExtra7{7, 0};
  FixedList bcnNextGapMin5{5, kNoMinute};
  FixedList bcnNextGapSec5{5, kNoSecondInFives};
  FixedList bcnNextColA5{5, 0};
  FixedList bcnNextColB5{5, 0};

  // Cues and mode flags.
  int32_t soundTriggers[10] = {kNoCue, kNoCue, kNoCue, kNoCue, kNoCue,
                               kNoCue, kNoCue, kNoCue, kNoCue, kNoCue};
  bool doorOpened = false;
  bool cardMode = false;
  bool beaconMode = false;
  bool useLegacyDisp = false;  // display setting "useLegacyDisp"
  bool auxIndicator = false;
  bool inhibitNearType3 = false;
  bool inhibitNearType2 = false;
  int32_t D01ABnum = 0;  // display setting "D01ABnum": rows taken from a card, 3 or 5
  int32_t curStopCardByte = 0;
  int32_t cardHeaderByte = 0;
  int32_t cardHeaderNumber = 0;

  // Displayed stop records.
  int32_t dispNextAttr = 0;
  int32_t dispNextHour = kNoHour;
  int32_t dispNextMin = kNoMinute;
  int32_t dispNextSec = kNoSecond;
  int32_t dispNextNumber = 0;
  int32_t destAttr = 0;
  int32_t destHour = kNoHour;
  int32_t destMin = kNoMinute;
  int32_t destSec = kNoSecond;
  int32_t destNumber = 0;
  int32_t infoIdx = 0;
  int32_t infoHour = kNoHour;
  int32_t infoMin = kNoMinute;
  int32_t infoSec = kNoSecond;
  int32_t infoNumber = 0;
  int32_t progressCode = 0;

  // Displayed lists.
  FixedList numberDigits{5, 20};
  FixedList dispList7Attr{7, 0};
  FixedList dispList7Time1Hour{7, kNoHour};
  FixedList dispList7Time1Min{7, kNoMinute};
  FixedList dispList7Time1Sec{7, kNoSecond};
  FixedList dispList7Time2Hour{7, kNoHour};
  FixedList dispList7Time2Min{7, kNoMinute};
  FixedList dispList7Time2Sec{7, kNoSecond};
  FixedList dispList7Extra{7, 0};
  FixedList dispList5Attr{5, 0};
  FixedList dispList5Time1Hour{5, kNoHour};
  FixedList dispList5Time1Min{5, kNoMinute};
  FixedList dispList5Time1Sec{5, kNoSecond};
  FixedList dispList5Time2Hour{5, kNoHour};
  FixedList dispList5Time2Min{5, kNoMinute};
  FixedList dispList5Time2Sec{5, kNoSecond};
  FixedList dispList5Number{5, 0};
  FixedList dispList5GapMin{5, kNoMinute};
  FixedList dispList5GapSec{5, kNoSecondInFives};
  FixedList dispList5ColA{5, 0};
  FixedList dispList5ColB{5, 0};

  // Units, km post, train numbers and cue values.
  FixedList unitState{8, 0};
  FixedList unitPowerTime{8, 0};
  FixedList unitIdleTime{8, 0};
  FixedList kmDigits{4, kBlankDigit};
  int32_t secondNumberPrefix = 0;
  FixedList secondNumberDigits{5, 20};
  int32_t cardTime1Hour = kNoHour;
  int32_t cardTime1Min = kNoMinute;
  int32_t cardTime1Sec = kNoSecond;
  int32_t cardTime2Hour = kNoHour;
  int32_t cardTime2Min = kNoMinute;
  int32_t cardTime2Sec = kNoSecond;
  int32_t variantType0 = 0;
  int32_t variantType1 = 0;
  int32_t variantType23 = 0;
  int32_t kindType23 = 0;
  int32_t animTimer = 0;
  int32_t numberPrefix = 0;
  int32_t stopAnnounce = 0;

  // Distances (metres) and the links to the frame's data, set when the module attaches.
  double kmPost = 0.0;
  double stopDistance = 0.0;
  double travelled = 0.0;
  double sectionRemain = 0.0;
  double stopRemain = 0.0;
  const VehicleStateRecord* vehicleState = nullptr;
  const int32_t* frameTime = nullptr;
  double frameDistance = 0.0;
  CardRecord card;
  int32_t soundOut[12] = {kNoCue, kNoCue, kNoCue, kNoCue, kNoCue, kNoCue,
                          kNoCue, kNoCue, kNoCue, kNoCue, kNoCue, kNoCue};

  // The card stop of the next-stop record, -1 for none. Nothing displays it; it is
  // kept for the tools that name the stop beside its codes.
  int32_t nextStopIdx = kNoStop;

  // What the displayed lists were last composed from, so that a frame in which none of
  // it changed does no work on them: the count of source rewrites, the mode flags
  // (bit 0 card, bit 1 beacon) and the rows revealed (revealStage). And whether the
  // lists of the empty screen still hold their blank values, as of `blankVersion`.
  uint32_t listsVersion = 0;
  uint32_t composedVersion = 0;
  int32_t composedMode = -1;
  int32_t composedStage = 0;
  uint32_t blankVersion = 0;
  bool blankScreenShown = false;

  // What card mode's scans need of the event and range tables for the current stop, as
  // of `scanVersion` (valid when `scanCached`): the stop's events with a window type in
  // table order, the farthest reach of its stop ranges, whether a stop range names the
  // stop ahead, and the km-range result with the open span of km posts over which it
  // stays the same. Stop changes, card loads and resets all count up `listsVersion`.
  bool scanCached = false;
  uint32_t scanVersion = 0;
  int32_t stopEventCount = 0;
  int8_t stopEvents[CardRecord::kEventSlots] = {};
  double stopRangeReach = 0.0;
  bool aheadHasRange = false;
  bool kmScanResult = false;
  double kmScanLow = 0.0;
  double kmScanHigh = 0.0;
  // The km post digits depend on the km post alone: the span of posts [kmDigitsLow,
  // kmDigitsHigh] known to give `kmDigitsSpanValue` (empty while low > high).
  double kmDigitsLow = 1.0;
  double kmDigitsHigh = 0.0;
  std::array<int32_t, 4> kmDigitsSpanValue{};
};

#endif  // RUVA_DISPLAY_RUVA_H_
