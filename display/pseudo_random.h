// The module's pseudo-random sequence, the same on every platform so that a run
// replays exactly: a 32-bit linear congruential state, 15-bit draws.
//
// Its one seed point is frameSequence: every user of random draws in a frame (the unit
// lamps, the speed digits' refresh) starts its own sequence afresh from the frame's
// host time, so a run replays alike whatever the order of the users.
#ifndef RUVA_DISPLAY_PSEUDO_RANDOM_H_
#define RUVA_DISPLAY_PSEUDO_RANDOM_H_

#include <cstdint>

#include "base/host_records.h"

class PseudoRandom {
 public:
  // Advances the state (state × 214013 + 2531011, modulo 2^32) and returns its bits 16
  // to 30: a value from 0 to 32767.
  int32_t draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
  }

  // Moves past `count` draws whose values nobody needs, as `count` calls of draw() would.
  void discard(int32_t count) {
    for (int32_t i = 0; i < count; ++i) state_ = state_ * 214013u + 2531011u;
  }

 private:
  explicit PseudoRandom(int32_t seed) : state_(static_cast<uint32_t>(seed)) {}
  friend PseudoRandom frameSequence(const VehicleStateRecord& frame);

  uint32_t state_;
};

// A sequence that starts at the frame's host time (its 32 bits as they stand).
inline PseudoRandom frameSequence(const VehicleStateRecord& frame) {
  return PseudoRandom(frame.time);
}

#endif  // RUVA_DISPLAY_PSEUDO_RANDOM_H_
