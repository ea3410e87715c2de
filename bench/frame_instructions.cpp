// Instructions per host frame in card mode, for callgrind: unlike a time, the count is
// the same from run to run, so a check can hold it to a recorded figure. Only the frames
// run inside ruvaMeasuredFrames count (callgrind is told to collect there alone); the
// start-up, the card and the warm-up frames do not.
//
// Usage: frame_instructions [frames, default 3000]
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/sample_card.h"

namespace {

std::array<int32_t, 256> panel{};
std::array<int32_t, 256> sound{};
VehicleStateRecord vehicle{};
int64_t frameNumber = 0;

// One 16 ms frame at 100 km/h with the traction changing sign every 100 frames; the run
// starts over before its last stops, so that stops keep changing and the reveal runs.
void nextFrame() {
  if (ruva.curStopIndex >= 60) ruva.selectStop(0);
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
  attachModule("/nonexistent/vehicle/ruva.so");
  Load();
  SetVehicleSpec(VehicleSpecRecord{});
  Initialize(0);
  SetBrake(0);
  ruva.card = sampleCard(63, 0.4);
  ruva.cardMode = true;
  ruva.selectStop(0);
  vehicle.time = 36000000;
  vehicle.speed = 100.0f;
  for (int i = 0; i < 200; ++i) nextFrame();
  ruvaMeasuredFrames(frames);
  if (!ruva.cardMode) {
    std::fprintf(stderr, "the run left card mode\n");
    return 1;
  }
  std::printf("%lld card-mode frames measured\n", static_cast<long long>(frames));
  return 0;
}
