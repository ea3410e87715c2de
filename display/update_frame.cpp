// The display's heartbeat: one call per simulation frame. Its cost is bounded by the
// table scans of card mode (32 event and 16 range entries) and never touches the heap;
// the displayed lists and the empty screen are rebuilt only when their sources change.
#include <cmath>

#include "display/frame_rules.h"
#include "display/ruva.h"
#include "display/safe_arithmetic.h"

void CRuva::updateFrame() {
  const double speedKmh = vehicleState->speed;
  frameDistance = (speedKmh / 3.6) * *frameTime / 1000.0;
  // One undefined or infinite distance would make every distance left undefined for
  // good, and no stop would ever come again: such a frame moves nothing.
  if (!std::isfinite(frameDistance)) frameDistance = 0.0;
  animTimer = saturatingAdd(animTimer, *frameTime);
  revealDisplayLists();
  if (cardMode) {
    blankScreenShown = false;
    updateCardMode();
  } else if (beaconMode) {
    blankScreenShown = false;
    updateBeaconMode();
  } else {
    showBlankScreen();
    // Nothing acts on a door opening in this frame; kept, it would make the first
    // frame of a later card or beacon route take an arrival that happened long before.
    doorOpened = false;
  }
  updateUnitIndications();
  emitSoundCues();
}

void CRuva::emitSoundCues() {
  for (int32_t k = 0; k < kCueSlots; ++k) soundOut[soundOutOfCueSlot(k)] = soundTriggers[k];
  for (int32_t& trigger : soundTriggers) trigger = 2;
}
