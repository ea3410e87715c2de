// Per-unit traction indications. Each unit reacts to the train's traction value after
// a delay of its own, so the lamps do not all change in the same frame. Eight units,
// a handful of draws each: a few hundred nanoseconds per frame at most.
#include <algorithm>
#include <cmath>

#include "display/pseudo_random.h"
#include "display/ruva.h"
#include "display/safe_arithmetic.h"

namespace {

constexpr int32_t kIdle = 0;
constexpr int32_t kPowering = 1;
constexpr int32_t kBraking = 2;
constexpr double kTractionBand = 10.0;
constexpr int32_t kLeastIdleThreshold = 520;  // ms; the idle thresholds run to 719

// A delay from 500 to 1099 ms; the two draws come in this order.
int32_t drawDelay(PseudoRandom& random) {
  const int32_t first = random.draw();
  const int32_t second = random.draw();
  return ((first + 190) * second) % 600 + 500;
}

// What the frame's traction value gives, the same for every unit.
struct TractionTests {
  bool active;     // outside the band around zero
  bool forward;    // above zero
  bool backward;   // below zero
  bool powering;   // above the band
  bool belowBand;  // below the top of the band
};

// Steps every unit. Inlined with constant tests where the traction value is clearly
// powering or braking, so that the frame does only the work of that case.
[[gnu::always_inline]] inline void stepUnits(CRuva& d, const TractionTests t, int32_t dt,
                                             PseudoRandom& random) {
  // Every unit takes its idle draw after its delay draws, so the units after it draw as
  // before. The threshold an idle draw gives is never below the least one, so a unit idle
  // no longer than that has no use for the value: such draws are only counted, and the
  // sequence moves past them when a later draw is needed.
  int32_t unusedDraws = 0;
  const std::size_t units =
      std::min({d.unitState.size(), d.unitPowerTime.size(), d.unitIdleTime.size(),
                d.unitPowerDelay.size(), d.unitBrakeDelay.size()});
  for (std::size_t i = 0; i < units; ++i) {
    int32_t& powerTime = d.unitPowerTime[i];
    int32_t& idleTime = d.unitIdleTime[i];
    int32_t& powerDelay = d.unitPowerDelay[i];
    int32_t& brakeDelay = d.unitBrakeDelay[i];
    int32_t& state = d.unitState[i];
    if (t.active) {
      powerTime = saturatingAdd(powerTime, dt);
      idleTime = 0;
      if (t.forward && powerDelay == 0) {
        random.discard(unusedDraws);
        unusedDraws = 0;
        powerDelay = drawDelay(random);
        brakeDelay = 0;
      }
      if (t.backward && brakeDelay == 0) {
        random.discard(unusedDraws);
        unusedDraws = 0;
        brakeDelay = drawDelay(random);
        powerDelay = 0;
      }
    } else {
      powerTime = 0;
      idleTime = saturatingAdd(idleTime, dt);
      powerDelay = 0;
      brakeDelay = 0;
    }
    if (t.powering && powerTime > powerDelay) state = kPowering;
    if (t.belowBand && (powerTime > brakeDelay || state == kBraking)) state = kBraking;
    if (!t.active && idleTime > kLeastIdleThreshold) {
      random.discard(unusedDraws);
      unusedDraws = 0;
      if (idleTime > (random.draw() * 193) % 200 + kLeastIdleThreshold) state = kIdle;
    } else {
      ++unusedDraws;
    }
  }
}

}  // namespace

void CRuva::updateUnitIndications() {
  const double traction = vehicleState->traction;
  const int32_t dt = *frameTime;
  PseudoRandom random = frameSequence(*vehicleState);
  if (traction > kTractionBand) {
    stepUnits(*this, {true, true, false, true, false}, dt, random);
  } else if (traction < -kTractionBand) {
    stepUnits(*this, {true, false, true, false, true}, dt, random);
  } else {
    // Inside the band, or not a number.
    stepUnits(*this, {false, false, false, false, traction < kTractionBand}, dt, random);
  }
}
