// Cost of one host frame (Elapse) in each of the display's three states: no route
// source, beacons, and a card with stops changing and the reveal running.
#include <benchmark/benchmark.h>

#include <array>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/sample_card.h"

namespace {

constexpr int32_t kFrameMs = 16;

// The module's globals as the host leaves them after start-up.
void startModule() {
  attachModule("/nonexistent/vehicle/ruva.so");
  Load();
  SetVehicleSpec(VehicleSpecRecord{});
  Initialize(0);
  SetBrake(0);
}

void beacon(int32_t type, int32_t data) {
  BeaconRecord record{};
  record.type = type;
  record.data = data;
  SetBeaconData(record);
}

// Runs frames at `speedKmh` with alternating traction, calling `between` before each.
template <typename Between>
void runFrames(benchmark::State& state, float speedKmh, Between between) {
  std::array<int32_t, 256> panel{};
  std::array<int32_t, 256> sound{};
  VehicleStateRecord vehicle{};
  vehicle.time = 36000000;
  vehicle.speed = speedKmh;
  int64_t frame = 0;
  for (auto _ : state) {
    between(frame);
    vehicle.time += kFrameMs;
    vehicle.traction = (frame / 100) % 2 == 0 ? 60.0f : -60.0f;
    benchmark::DoNotOptimize(Elapse(vehicle, panel.data(), sound.data()));
    benchmark::ClobberMemory();
    ++frame;
  }
}

void BM_FrameNoMode(benchmark::State& state) {
  startModule();
  runFrames(state, 80.0f, [](int64_t) {});
}

void BM_FrameBeaconMode(benchmark::State& state) {
  startModule();
  beacon(111, 1230042);
  runFrames(state, 80.0f, [](int64_t frame) {
    // A new pending stop and a stop 400 m ahead every 30 frames; the promotions and the
    // reveal keep running.
    if (frame % 30 == 0) {
      beacon(121, static_cast<int32_t>(frame % 100));
      beacon(100, 400);
    }
  });
}

void BM_FrameCardMode(benchmark::State& state) {
  startModule();
  ruva.card = sampleCard(63, 0.4);
  ruva.cardMode = true;
  ruva.selectStop(0);
  runFrames(state, 100.0f, [](int64_t) {
    // Start over at the end of the run; 400 m sections change stop every 900 frames.
    if (ruva.curStopIndex >= 60) ruva.selectStop(0);
  });
}

BENCHMARK(BM_FrameNoMode)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameBeaconMode)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameCardMode)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
