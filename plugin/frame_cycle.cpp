#include "plugin/frame_cycle.h"

#include "plugin/globals.h"

HandleCommand runFrame(const VehicleStateRecord& state, int32_t*, int32_t*) {
  // The host may hand the same time twice or jump backwards; neither is a frame of
  // negative length. Done in 64 bits so no pair of times overflows.
  const int64_t elapsed = static_cast<int64_t>(state.time) - lastTime;
  deltaTime = elapsed < 0 ? 0 : elapsed > INT32_MAX ? INT32_MAX : static_cast<int32_t>(elapsed);
  lastTime = state.time;
  speed = state.speed;
  lastVehicleState = state;
  ruva.updateFrame();
  handleOutput = {brakeNotch, powerNotch, reverser, 0};
  return handleOutput;
}
