// The small rules of the per-frame update, free of any state so they can be checked
// one by one: progress indication, braking distance, the coin, and the windows.
#ifndef RUVA_DISPLAY_FRAME_RULES_H_
#define RUVA_DISPLAY_FRAME_RULES_H_

#include <cstdint>

// The progress code after a frame, from the code before it, the base, the reference
// length and the distance left (metres). Later tests override earlier ones; when none
// holds the code stays.
int32_t progressAfter(int32_t code, int32_t base, double reference, double remaining);

// Metres needed to stop from `speedKmh` at 2 km/h per second.
double brakingDistance(double speedKmh);

// The stand-in for a random choice between two announcement variants: heads when the
// host time's millisecond part (with the sign of the time) is 500 or less.
bool coinShowsHeads(int32_t timeMs);

// True when an event window of `type` (0 to 3) holds for a train that has run `run`
// metres since its stop, at `speedKmh`. `start` and `end` are the event's points in
// metres. Any other type never holds.
bool eventWindowHolds(int32_t type, double start, double end, double run, double speedKmh);

// How far before an event point of type 2 or 3 its window opens at `speedKmh`.
double eventLead(double speedKmh);

// True when `kmPost` lies strictly inside the range between `start` and `end`, which
// may come in either order; an empty range never holds.
bool kmRangeHolds(double start, double end, double kmPost);

#endif  // RUVA_DISPLAY_FRAME_RULES_H_
