// The frame cycle seen from the host: clock, speed digits and their irregular refresh,
// the brake sound, the inhibit inputs, and frames without arrays.
#include "plugin/frame_cycle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plugin/attach.h"
#include "plugin/globals.h"
#include "tests/support/module_host.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(FrameCycle, ClockTakesTheTimeOfDay) {
  const struct {
    int32_t timeMs;
    int32_t hours, minutes, seconds;
  } cases[] = {
      {3723000, 1, 2, 3},
      {90000000, 1, 0, 0},  // the day wraps
      {86399999, 23, 59, 59},
      {-3723000, -1, -2, -3},
      // Neighbouring times, either side of zero and at the ends of the range, each
      // after one that shows another clock: none may show the clock of the one before.
      {59999, 0, 0, 59},
      {60000, 0, 1, 0},
      {-1000, 0, 0, -1},
      {-1, 0, 0, 0},
      {999, 0, 0, 0},
      {std::numeric_limits<int32_t>::max(), 20, 31, 23},
      {kMin, -20, -31, -23},
      {3723000, 1, 2, 3},
  };
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  for (const auto& c : cases) {
    host.frame(c.timeMs);
    EXPECT_EQ(host.panel[10], c.hours) << c.timeMs;
    EXPECT_EQ(host.panel[11], c.minutes) << c.timeMs;
    EXPECT_EQ(host.panel[12], c.seconds) << c.timeMs;
  }
}

TEST(FrameCycle, SpeedDigits) {
  const struct {
    float speed;
    std::array<int32_t, 4> digits;
  } cases[] = {
      {87.6f, {87, 10, 8, 7}},
      {105.2f, {105, 1, 0, 5}},
      {9.9f, {9, 10, 10, 9}},
      {100.0f, {100, 1, 0, 0}},
      {10.0f, {10, 10, 1, 0}},
      {0.0f, {0, 10, 10, 0}},
      {-5.5f, {-5, 10, 10, -5}},
      {-123.4f, {-123, 10, 10, -3}},
      // What the processor's truncation gives, without undefined behaviour.
      {std::nanf(""), {kMin, 10, 10, -8}},
      {1e10f, {kMin, -21474836, -4, -8}},
  };
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  int32_t time = 1000;
  for (const auto& c : cases) {
    time += 600;  // longer than any refresh interval
    host.frame(time, c.speed);
    const std::array<int32_t, 4> shown = {host.panel[230], host.panel[231], host.panel[232],
                                          host.panel[233]};
    EXPECT_EQ(shown, c.digits) << c.speed;
  }
}

// Frames of 1 ms from `from` to `to` at a speed that names the frame, so panel 230
// tells when the digits were last refreshed. Returns the times of the refreshes.
std::vector<int32_t> refreshTimes(ModuleHost& host, int32_t from, int32_t to) {
  std::vector<int32_t> times;
  int32_t shown = -1;
  for (int32_t t = from; t <= to; ++t) {
    host.frame(t, static_cast<float>(t % 1000));
    if (host.panel[230] != shown) {
      shown = host.panel[230];
      times.push_back(t);
    }
  }
  return times;
}

TEST(FrameCycle, SpeedDigitsRefreshAtIrregularIntervals) {
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  const std::vector<int32_t> times = refreshTimes(host, 1000, 11000);
  ASSERT_GE(times.size(), 18u);
  // The interval after the refresh at 1000 ms comes from the generator seeded with 1000.
  EXPECT_EQ(times[0], 1000);
  EXPECT_EQ(times[1], 1000 + 452 + 1);
  bool varies = false;
  for (std::size_t i = 1; i + 1 < times.size(); ++i) {
    const int32_t interval = times[i + 1] - times[i];
    EXPECT_GE(interval, 122);
    EXPECT_LE(interval, 580);
    if (interval != times[1] - times[0]) varies = true;
  }
  EXPECT_TRUE(varies);
}

TEST(FrameCycle, ZeroAndBackwardFramesDoNotRefresh) {
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  host.frame(0, 50.0f);  // the time of Load: a frame of length zero
  EXPECT_EQ(host.panel[230], 0);
  host.frame(5000, 60.0f);  // the first frame with a positive length
  EXPECT_EQ(host.panel[230], 60);
  host.frame(4000, 70.0f);  // back in time: length zero
  host.frame(4000, 70.0f);
  EXPECT_EQ(host.panel[230], 60);
  EXPECT_EQ(host.panel[12], 4);  // the clock follows the host anyway
  host.frame(4600, 80.0f);
  EXPECT_EQ(host.panel[230], 80);
}

TEST(FrameCycle, BrakeHeldSoundsBeforeTheUpdate) {
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  host.api.SetBrake(0);
  host.frame(100);
  EXPECT_EQ(host.sound[16], -10000);
  host.api.SetBrake(1);
  host.frame(200);
  EXPECT_EQ(host.sound[16], -2000);
  host.api.SetBrake(0);
  host.frame(300);
  EXPECT_EQ(host.sound[16], -2000);  // kept until something else sets it
}

TEST(FrameCycle, FramesWithoutArraysStillRun) {
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  VehicleStateRecord state{};
  state.time = 2000;
  state.speed = 40.0f;
  const HandleCommand out = host.api.Elapse(state, nullptr, nullptr);
  EXPECT_EQ(out.brake, 7);
  state.time = 2100;
  host.api.Elapse(state, host.panel.data(), nullptr);
  host.api.Elapse(state, nullptr, host.sound.data());
  host.frame(2200, 40.0f);
  EXPECT_EQ(host.panel[12], 2);
}

TEST(FrameCycle, InhibitInputsAreSampledAfterTheUpdate) {
  attachModule("/vehicles/a/ruva.so");
  std::array<int32_t, 256> panel{};
  panel[82] = 5;
  panel[83] = 0;
  VehicleStateRecord state{};
  state.time = lastTime + 10;
  runFrame(state, panel.data(), nullptr);
  EXPECT_TRUE(ruva.inhibitNearType3);
  EXPECT_FALSE(ruva.inhibitNearType2);
  EXPECT_EQ(panel[82], 5);  // an input, never written
  panel[82] = 0;
  panel[83] = -1;
  state.time += 10;
  runFrame(state, panel.data(), nullptr);
  EXPECT_FALSE(ruva.inhibitNearType3);
  EXPECT_TRUE(ruva.inhibitNearType2);
  // Without a panel there is nothing to sample: the last sample stays.
  state.time += 10;
  runFrame(state, nullptr, nullptr);
  EXPECT_TRUE(ruva.inhibitNearType2);
}

TEST(FrameCycle, FrameTimeIsClampedToTheInt32Range) {
  attachModule("/vehicles/a/ruva.so");
  VehicleStateRecord state{};
  state.time = kMin;
  runFrame(state, nullptr, nullptr);
  state.time = std::numeric_limits<int32_t>::max();
  runFrame(state, nullptr, nullptr);
  EXPECT_EQ(deltaTime, std::numeric_limits<int32_t>::max());
  state.time = kMin;
  runFrame(state, nullptr, nullptr);
  EXPECT_EQ(deltaTime, 0);
}

}  // namespace
