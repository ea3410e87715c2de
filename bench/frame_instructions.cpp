// Instructions per host frame, for callgrind: unlike a time, the count is the same from
// run to run, so a check can hold it to a recorded figure. Only the frames run inside
// ruvaMeasuredFrames count (callgrind is told to collect there alone); the start-up, the
// card and the warm-up frames do not.
//
// Usage: frame_instructions [frames, default 3000] [card|beacon|none, default card]
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/sample_card.h"

namespace {

std::array<int32_t, 256> panel{};
std::array<int32_t, 256> sound{};
VehicleStateRecord vehicle{};
int64_t frameNumber = 0;
bool beaconRun = false;

void beacon(int32_t type, int32_t data) {
  BeaconRecord record{};
  record.type = type;
  record.data = data;
  SetBeaconData(record);
}

// One 16 ms frame at 100 km/h with the traction changing sign every 100 frames. A card
// run starts over before its last stops, so that stops keep changing and the reveal
// runs; a beacon run gets a new pending stop 400 m ahead every 30 frames.
void nextFrame() {
  if (ruva.cardMode && ruva.curStopIndex >= 60) ruva.selectStop(0);
  if (beaconRun && frameNumber % 30 == 0) {
    beacon(121, static_cast<int32_t>(frameNumber % 100));
    beacon(100, 400);
  }
  vehicle.time += 16;
  vehicle.traction = (frameNumber / 100) % 2 == 0 ? 60.0f : -60.0f;
  Elapse(vehicle, panel.data(), sound.data());
  ++frameNumber;
}

}  // namespace

extern "C" [[gnu::noinline]] void ruvaMeasuredFrames(int64_t count) {
  for (int64_t i = 0; i < count; ++i) nextFrame();
}

int main(int argc, char** argv) {
  const int64_t frames = argc > 1 ? std::strtoll(argv[1], nullptr, 10) : 3000;
  const char* mode = argc > 2 ? argv[2] : "card";
  attachModule("/nonexistent/vehicle/ruva.so");
  Load();
  SetVehicleSpec(VehicleSpecRecord{});
  Initialize(0);
  SetBrake(0);
  if (std::strcmp(mode, "card") == 0) {
    ruva.card = sampleCard(63, 0.4);
    ruva.cardMode = true;
    ruva.selectStop(0);
  } else if (std::strcmp(mode, "beacon") == 0) {
    beaconRun = true;
    beacon(111, 1230042);
  } else if (std::strcmp(mode, "none") != 0) {
    std::fprintf(stderr, "unknown mode %s\n", mode);
    return 2;
  }
  vehicle.time = 36000000;
  vehicle.speed = 100.0f;
  for (int i = 0; i < 200; ++i) nextFrame();
  ruvaMeasuredFrames(frames);
  if (ruva.cardMode != (std::strcmp(mode, "card") == 0) ||
      ruva.beaconMode != (std::strcmp(mode, "beacon") == 0)) {
    std::fprintf(stderr, "the run left its mode\n");
    return 1;
  }
  std::printf("%lld frames measured in mode %s\n", static_cast<long long>(frames), mode);
  return 0;
}
