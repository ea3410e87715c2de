#include "display/pseudo_random.h"

namespace {

// Constant-initialised, so it is valid before any static constructor has run. A
// sequence that nobody seeded starts as if seeded with 1.
uint32_t state = 1;

}  // namespace

void seedPseudoRandom(int32_t seed) {
  state = static_cast<uint32_t>(seed);
}

int32_t drawPseudoRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}
