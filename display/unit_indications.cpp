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

}  // namespace

void CRuva::updateUnitIndications() {
  const double traction = vehicleState->traction;
  const int32_t dt = *frameTime;
  PseudoRandom random = frameSequence(*vehicleState);

  const std::size_t units = std::min({unitState.size(), unitPowerTime.size(), unitIdleTime.size(),
                                      unitPowerDelay.size(), unitBrakeDelay.size()});
  for (std::size_t i = 0; i < units; ++i) {
    if (std::fabs(traction) > kTractionBand) {
      unitPowerTime[i] = saturatingAdd(unitPowerTime[i], dt);
      unitIdleTime[i] = 0;
      if (unitPowerDelay[i] == 0 && traction > 0.0) {
        unitPowerDelay[i] = drawDelay(random);
        unitBrakeDelay[i] = 0;
      }
      if (unitBrakeDelay[i] == 0 && traction < 0.0) {
        unitBrakeDelay[i] = drawDelay(random);
        unitPowerDelay[i] = 0;
      }
    } else {
      unitPowerTime[i] = 0;
      unitIdleTime[i] = saturatingAdd(unitIdleTime[i], dt);
      unitPowerDelay[i] = 0;
      unitBrakeDelay[i] = 0;
    }
    if (traction > kTractionBand && unitPowerTime[i] > unitPowerDelay[i]) unitState[i] = kPowering;
    if (traction < kTractionBand &&
        (unitPowerTime[i] > unitBrakeDelay[i] || unitState[i] == kBraking)) {
      unitState[i] = kBraking;
    }
    // Every unit takes its idle draw, so the units after it draw as before; the
    // threshold it gives is never below the least one, so a unit idle no longer than
    // that has no use for it.
    const int32_t idleDraw = random.draw();
    if (unitIdleTime[i] > kLeastIdleThreshold &&
        unitIdleTime[i] > (idleDraw * 193) % 200 + kLeastIdleThreshold) {
      unitState[i] = kIdle;
    }
  }
}
