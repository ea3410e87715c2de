// A display state of the test's own, linked to a vehicle state and a frame time that
// the test drives, so the per-frame update runs without the host or the globals.
#ifndef RUVA_TESTS_SUPPORT_DISPLAY_RIG_H_
#define RUVA_TESTS_SUPPORT_DISPLAY_RIG_H_

#include <cstdint>
#include <vector>

#include "base/host_records.h"
#include "display/fixed_list.h"
#include "display/ruva.h"

struct DisplayRig {
  DisplayRig() {
    ruva.vehicleState = &state;
    ruva.frameTime = &frameMs;
  }
  DisplayRig(const DisplayRig&) = delete;
  DisplayRig& operator=(const DisplayRig&) = delete;

  // One frame of `dtMs` at `speedKmh` with traction `traction`: the host time moves on
  // by `dtMs` (wrapping like the host's clock would) and the update runs.
  void frame(int32_t dtMs, float speedKmh = 0.0f, float traction = 0.0f) {
    frameMs = dtMs;
    state.time =
        static_cast<int32_t>(static_cast<uint32_t>(state.time) + static_cast<uint32_t>(dtMs));
    state.speed = speedKmh;
    state.traction = traction;
    ruva.updateFrame();
  }

  VehicleStateRecord state{};
  int32_t frameMs = 0;
  CRuva ruva;
};

inline std::vector<int32_t> items(const FixedList& list) {
  return {list.begin(), list.end()};
}

#endif  // RUVA_TESTS_SUPPORT_DISPLAY_RIG_H_
