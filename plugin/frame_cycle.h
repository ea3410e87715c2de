// One frame of the host: frame time, display update, clock, speed digits, panel and
// sound output. Allocates nothing.
#ifndef RUVA_PLUGIN_FRAME_CYCLE_H_
#define RUVA_PLUGIN_FRAME_CYCLE_H_

#include <cstdint>

#include "base/host_records.h"

// Runs the frame for `state` and returns the handle positions; writes through `panel`
// and `sound` only when they are not null.
HandleCommand runFrame(const VehicleStateRecord& state, int32_t* panel, int32_t* sound);

#endif  // RUVA_PLUGIN_FRAME_CYCLE_H_
