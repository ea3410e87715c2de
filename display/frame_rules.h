// The small rules of the per-frame update, free of any state so they can be checked
// one by one: progress indication, braking distance, the coin, and the windows.
#ifndef RUVA_DISPLAY_FRAME_RULES_H_
#define RUVA_DISPLAY_FRAME_RULES_H_

#include <cstdint>

#include "display/safe_arithmetic.h"

// The progress code after a frame, from the code before it, the base, the reference
// length and the distance left (metres). Later tests override earlier ones; when none
// holds the code stays.
inline int32_t progressAfter(int32_t code, int32_t base, double reference, double remaining) {
  if (reference - remaining > 50.0) code = wrappingAdd(base, 1);
  if (remaining < (reference / 3.0) * 2) code = wrappingAdd(base, 2);
  if (remaining < reference / 3.0) code = wrappingAdd(base, 3);
  return code;
}

// Metres needed to stop from `speedKmh` at 2 km/h per second.
inline double brakingDistance(double speedKmh) {
  return speedKmh * speedKmh / 14.4;
}

// The stand-in for a random choice between two announcement variants: heads when the
// host time's millisecond part (with the sign of the time) is 500 or less.
inline bool coinShowsHeads(int32_t timeMs) {
  return timeMs % 1000 <= 500;
}

// How far before an event point of type 2 or 3 its window opens at `speedKmh`.
inline double eventLead(double speedKmh) {
  return speedKmh > 80.0 ? 700.0 : 400.0;
}

// The reveal of the lists after a change of stop: a row comes up every
// kRevealRowInterval ms, rows 0 to 4 first and the further stop last; once the reveal
// timer has passed kRevealComplete every row is up.
inline constexpr int32_t kRevealRowInterval = 100;
inline constexpr int32_t kRevealedRows = 6;
inline constexpr int32_t kRevealComplete = kRevealRowInterval * kRevealedRows;

// How far the reveal has come at reveal timer `timer`: 0 while nothing but the last
// stop shows, r (1 to 5) once the next stop and rows 0 to r - 1 show, kRevealedRows
// once the further stop shows too.
inline constexpr int32_t revealStage(int32_t timer) {
  if (timer <= kRevealRowInterval) return 0;
  if (timer > kRevealComplete) return kRevealedRows;
  return (timer - 1) / kRevealRowInterval;
}

// The arrival cues that a stop starts (column 11 of its card row, or a beacon): the first
// cue, or the second; any other value starts none.
inline constexpr int32_t kFirstArrivalCue = 1;
inline constexpr int32_t kSecondArrivalCue = 2;
// The card value that lets the next stop be announced.
inline constexpr int32_t kAnnounceNextStop = 1;

// Event types 0 to kEventTypes - 1 have windows; an event row of any other type never
// opens one.
inline constexpr int32_t kEventTypes = 4;

// The one-shot cue slots (CRuva::soundTriggers) that the card's tables start: one per
// event type (types 2 and 3 share theirs), the near point of types 2 and 3, the range
// stop window and the kilometre ranges.
inline constexpr int32_t kEventCueSlots[kEventTypes] = {4, 5, 6, 6};
inline constexpr int32_t kNearPointCueSlot = 7;
// The event types whose window also has a near point, with a cue of its own.
inline constexpr bool kEventHasNearPoint[kEventTypes] = {false, false, true, true};
inline constexpr int32_t kRangeStopCueSlot = 8;
inline constexpr int32_t kKmRangeCueSlot = 9;
inline constexpr int32_t kCueSlots = 10;

// The element of CRuva::soundOut that the sound output step copies cue slot `slot` (0
// to kCueSlots - 1) into: element 1 belongs to the mode steps and the brake handle, so
// the slots from 1 on skip it.
constexpr int32_t soundOutOfCueSlot(int32_t slot) {
  return slot == 0 ? 0 : slot + 1;
}

// True when an event window of `type` (0 to 3) holds for a train that has run `run`
// metres since its stop, at `speedKmh`. `start` and `end` are the event's points in
// metres. Any other type never holds.
inline bool eventWindowHolds(int32_t type, double start, double end, double run, double speedKmh) {
  switch (type) {
    case 0:
      return start < run && run < end && speedKmh < 25.0;
    case 1:
      return start - run < 400.0 && run - start < 700.0;
    case 2:
    case 3: {
      const double lead = eventLead(speedKmh);
      return start - run < lead && run - start < 1200.0 - lead;
    }
    default:
      return false;
  }
}

// True when `kmPost` lies strictly inside the range between `start` and `end`, which
// may come in either order; an empty range never holds.
inline bool kmRangeHolds(double start, double end, double kmPost) {
  if (start < end) return start < kmPost && kmPost < end;
  if (start > end) return end < kmPost && kmPost < start;
  return false;
}

#endif  // RUVA_DISPLAY_FRAME_RULES_H_
