// The per-frame steps while a card drives the display: the train is followed from stop
// to stop, and the card's event and range tables raise one-shot cues on entry.
#include <limits>

#include "base/blank_values.h"
#include "display/frame_rules.h"
#include "display/ruva.h"

namespace {

constexpr int32_t kCueStart = 1;
constexpr double kStopChangeReach = 400.0;  // how near a stop a door opening counts for it
constexpr double kNearEvent = 100.0;

// Sets `flag`, starting the cue in `slot` when the flag was clear.
void enter(bool& flag, int32_t& slot) {
  if (!flag) slot = kCueStart;
  flag = true;
}

// A window that follows its condition: entered while it holds, cleared otherwise.
void follow(bool& flag, bool holds, int32_t& slot) {
  if (holds) {
    enter(flag, slot);
  } else {
    flag = false;
  }
}

// The window flag of an event type, and for the types with a near point the near flag
// and the inhibit input that suppresses it.
struct EventWindow {
  int32_t type;
  bool* window;
  bool* nearFlag;
  const bool* inhibit;
};

}  // namespace

// With fewer than five stops left from the current one the seven-row list is not
// rebuilt, so its row 1 names a stop already reached (or one of an earlier card), which
// would hold the train there for good. Then the five-row list, rebuilt at every stop,
// names the stop instead.
int32_t CRuva::stopAhead() const {
  if (static_cast<int32_t>(card.stopCount) - curStopIndex >= 5) return list7StopIdx[1];
  return list5StopIdx[1] > curStopIndex ? list5StopIdx[1] : -1;
}

void CRuva::updateCardMode() {
  const double speedKmh = vehicleState->speed;
  const bool heads = coinShowsHeads(vehicleState->time);
  soundOut[11] = kNoCue;

  if (stopRemain < 0.0 || doorOpened) {
    // Past the stop or standing at it: the stop ahead becomes current. Just after a
    // selection: the current stop is selected again. Anywhere else the opening is spent.
    const double remainBefore = stopRemain;
    if (remainBefore < kStopChangeReach) {
      selectStop(stopAhead());
    } else if (stopDistance - remainBefore < kStopChangeReach) {
      selectStop(curStopIndex);
    }
    approachSeen = false;
    doorOpened = false;
  }

  progressCode = progressAfter(progressCode, progressBase, stopDistance, stopRemain);

  const double run = travelled - stopRemain;
  const EventWindow windows[] = {
      {0, &windowType0, nullptr, nullptr},
      {1, &windowType1, nullptr, nullptr},
      {2, &windowType2, &nearType2, &inhibitNearType2},
      {3, &windowType3, &nearType3, &inhibitNearType3},
  };
  refreshStopScan();
  // One pass finds, for every type, its first entry whose window holds.
  int firstHolding[kEventTypes] = {-1, -1, -1, -1};
  for (int32_t e = 0; e < stopEventCount; ++e) {
    const int i = stopEvents[e];
    const int32_t type = card.eventType[i];
    if (firstHolding[type] < 0 && eventWindowHolds(type, card.eventStartKm[i] * 1000.0,
                                                   card.eventEndKm[i] * 1000.0, run, speedKmh)) {
      firstHolding[type] = i;
    }
  }
  for (const EventWindow& w : windows) {
    const int found = firstHolding[w.type];
    if (found < 0) {
      *w.window = false;
      if (kEventHasNearPoint[w.type]) *w.nearFlag = false;
      continue;
    }
    enter(*w.window, soundTriggers[kEventCueSlots[w.type]]);
    if (kEventHasNearPoint[w.type]) {
      const double toPoint = card.eventStartKm[found] * 1000.0 - run;
      if (toPoint < kNearEvent && !*w.inhibit) enter(*w.nearFlag, soundTriggers[kNearPointCueSlot]);
    }
  }

  const bool inRangeStop = run < stopRangeReach || (aheadHasRange && sectionRemain < 600.0);
  follow(rangeStopWindow, inRangeStop, soundTriggers[kRangeStopCueSlot]);

  const bool inKmRange = kmPostInRange();
  follow(rangeKmWindow, inKmRange, soundTriggers[kKmRangeCueSlot]);

  variantType0 = windowType0 ? (heads ? 2 : 1) : 0;
  variantType1 = windowType1 ? (heads ? 4 : 3) : 0;
  if (windowType2 || windowType3) {
    variantType23 = heads ? 2 : 1;
    kindType23 = windowType3 ? 2 : 1;
  } else {
    variantType23 = 0;
    kindType23 = 0;
  }

  if (brakingDistance(speedKmh) > stopRemain || stopRemain < 50.0 || approachSeen) {
    if (stopCue == kFirstArrivalCue) {
      soundTriggers[0] = kCueStart;
      approachSeen = true;
      stopCue = 0;
    } else if (stopCue == kSecondArrivalCue) {
      soundTriggers[1] = kCueStart;
      stopCue = 0;
    }
    stopAnnounce =
        (!heads && card.cardValue8 == kAnnounceNextStop && list5Time1Hour[1] != kMarkHour) ? 1 : 0;
  } else {
    stopAnnounce = 0;
  }

  advanceKmPost();
}

void CRuva::refreshStopScan() {
  if (scanCached && scanVersion == listsVersion) return;
  scanCached = true;
  scanVersion = listsVersion;
  kmScanLow = kmScanHigh = 0.0;  // an empty span: the next km check scans
  stopEventCount = 0;
  for (int i = 0; i < CardRecord::kEventSlots; ++i) {
    const int32_t type = card.eventType[i];
    if (card.eventStopIndex[i] != curStopIndex || type < 0 || type >= kEventTypes) continue;
    stopEvents[stopEventCount++] = static_cast<int8_t>(i);
  }
  // A stop range holds while the run is short of its distance, so the farthest one
  // decides; a distance that is not a number never holds and never counts.
  stopRangeReach = -std::numeric_limits<double>::infinity();
  aheadHasRange = false;
  for (int i = 0; i < CardRecord::kRangeSlots; ++i) {
    if (card.rangeStopIndex[i] == curStopIndex) {
      const double reach = card.rangeDistanceKm[i] * 1000.0;
      if (reach > stopRangeReach) stopRangeReach = reach;
    }
    if (card.rangeStopIndex[i] == list7StopIdx[1]) aheadHasRange = true;
  }
}

bool CRuva::kmPostInRange() {
  if (kmScanLow < kmPost && kmPost < kmScanHigh) return kmScanResult;
  // The result can change only where the km post meets an end of a range: the span
  // runs from the nearest end at or below it to the nearest end at or above it. A km
  // post on an end, or one that is not a number, leaves no span to stay in.
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  bool holds = false;
  for (int i = 0; i < CardRecord::kRangeSlots; ++i) {
    const double start = card.rangeStartKm[i] * 1000.0;
    const double end = card.rangeEndKm[i] * 1000.0;
    if (kmRangeHolds(start, end, kmPost)) holds = true;
    for (const double edge : {start, end}) {
      if (edge <= kmPost && edge > low) low = edge;
      if (edge >= kmPost && edge < high) high = edge;
    }
  }
  kmScanResult = holds;
  kmScanLow = low;
  kmScanHigh = high;
  return holds;
}
