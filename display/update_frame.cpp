// The display's heartbeat: one call per simulation frame. Its cost is bounded by the
// table scans of card mode (32 event and 16 range entries) and never touches the heap.
#include <cmath>

#include "display/ruva.h"
#include "display/safe_arithmetic.h"

void CRuva::updateFrame() {
  const double speedKmh = vehicleState->speed;
  frameDistance = (speedKmh / 3.6) * *frameTime / 1000.0;
  // One undefined or infinite distance would make every distance left undefined for
  // good, and no stop would ever come again: such a frame moves nothing.
  if (!std::isfinite(frameDistance)) frameDistance = 0.0;
  animTimer = saturatingAdd(animTimer, *frameTime);
  composeDisplayLists();
  if (cardMode) {
    updateCardMode();
  } else if (beaconMode) {
    updateBeaconMode();
  } else {
    blankDisplay();
    // Nothing acts on a door opening in this frame; kept, it would make the first
    // frame of a later card or beacon route take an arrival that happened long before.
    doorOpened = false;
  }
  updateUnitIndications();
  emitSoundCues();
}

void CRuva::emitSoundCues() {
  // soundOut[1] belongs to the mode steps and the brake handle, so the cue slots skip it.
  soundOut[0] = soundTriggers[0];
  for (int k = 1; k <= 9; ++k) soundOut[k + 1] = soundTriggers[k];
  for (int32_t& trigger : soundTriggers) trigger = 2;
}
