// The module's one pseudo-random generator, the same on every platform so that a run
// replays exactly: a 32-bit linear congruential state, 15-bit draws.
#ifndef RUVA_DISPLAY_PSEUDO_RANDOM_H_
#define RUVA_DISPLAY_PSEUDO_RANDOM_H_

#include <cstdint>

// Restarts the sequence: the state becomes `seed` (its 32 bits as they stand).
void seedPseudoRandom(int32_t seed);

// Advances the state (state × 214013 + 2531011, modulo 2^32) and returns its bits 16
// to 30: a value from 0 to 32767.
int32_t drawPseudoRandom();

#endif  // RUVA_DISPLAY_PSEUDO_RANDOM_H_
