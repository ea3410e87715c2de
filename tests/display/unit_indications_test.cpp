// Per-unit traction lamps: each unit follows the traction value after its own delay.
#include <gtest/gtest.h>

#include <limits>

#include "tests/support/display_rig.h"

namespace {

constexpr int kUnits = 8;

// Outside both modes the screen is blanked every frame, lamps included; the lamps are
// followed here in beacon mode, where they keep their state between frames.
struct UnitRig : DisplayRig {
  explicit UnitRig(int32_t startMs) {
    state.time = startMs;
    ruva.beaconMode = true;
  }
};

// Runs `frames` frames of 100 ms at traction `traction` and records every unit's state
// after each frame.
std::vector<std::vector<int32_t>> drive(UnitRig& rig, int frames, float traction) {
  std::vector<std::vector<int32_t>> trace;
  for (int f = 0; f < frames; ++f) {
    rig.frame(100, 50.0f, traction);
    trace.push_back(items(rig.ruva.unitState));
  }
  return trace;
}

TEST(UnitIndications, DelaysAreDrawnFromTheFrameTimeInOrder) {
  // The generator is seeded with the host time (1000 ms here), and each unit draws its
  // powering delay (two draws) and then its idle threshold (one draw).
  UnitRig rig(900);
  rig.frame(100, 0.0f, 50.0f);
  EXPECT_EQ(items(rig.ruva.unitPowerDelay),
            (std::vector<int32_t>{874, 752, 752, 950, 580, 720, 816, 890}));
  EXPECT_EQ(items(rig.ruva.unitBrakeDelay), std::vector<int32_t>(kUnits, 0));
}

TEST(UnitIndications, EachUnitPowersAfterItsOwnDelay) {
  UnitRig rig(36000000);
  const auto trace = drive(rig, 12, 50.0f);
  for (int i = 0; i < kUnits; ++i) {
    const int32_t delay = rig.ruva.unitPowerDelay[i];
    EXPECT_GE(delay, 500);
    EXPECT_LE(delay, 1099);
    for (int f = 0; f < 12; ++f) {
      const int32_t poweredFor = 100 * (f + 1);
      EXPECT_EQ(trace[f][i], poweredFor > delay ? 1 : 0) << "unit " << i << " frame " << f;
    }
  }
  EXPECT_EQ(trace.back(), std::vector<int32_t>(kUnits, 1));
}

TEST(UnitIndications, BrakingFollowsTheNegativeValue) {
  UnitRig rig(5000);
  const auto trace = drive(rig, 12, -50.0f);
  for (int i = 0; i < kUnits; ++i) {
    const int32_t delay = rig.ruva.unitBrakeDelay[i];
    EXPECT_GE(delay, 500);
    EXPECT_LE(delay, 1099);
    EXPECT_EQ(rig.ruva.unitPowerDelay[i], 0);
    for (int f = 0; f < 12; ++f) {
      EXPECT_EQ(trace[f][i], 100 * (f + 1) > delay ? 2 : 0) << "unit " << i << " frame " << f;
    }
  }
}

TEST(UnitIndications, UnitsFallIdleWithinTheThresholdAndNeverBrakeOnTheWay) {
  for (float idleValue : {0.0f, 5.0f, -9.5f}) {
    UnitRig rig(7000);
    drive(rig, 12, 50.0f);
    ASSERT_EQ(items(rig.ruva.unitState), std::vector<int32_t>(kUnits, 1));
    // Idle for 500 ms: below every threshold (520 to 719), so all still show powering.
    auto trace = drive(rig, 5, idleValue);
    EXPECT_EQ(trace.back(), std::vector<int32_t>(kUnits, 1)) << idleValue;
    // By 800 ms every threshold has passed.
    trace = drive(rig, 3, idleValue);
    EXPECT_EQ(trace.back(), std::vector<int32_t>(kUnits, 0)) << idleValue;
    EXPECT_EQ(items(rig.ruva.unitPowerDelay), std::vector<int32_t>(kUnits, 0));
    EXPECT_EQ(items(rig.ruva.unitPowerTime), std::vector<int32_t>(kUnits, 0));
  }
}

TEST(UnitIndications, TimersSaturateOnHugeFrames) {
  UnitRig rig(0);
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  rig.frame(kMax, 0.0f, 50.0f);
  rig.frame(kMax, 0.0f, 50.0f);
  EXPECT_EQ(items(rig.ruva.unitPowerTime), std::vector<int32_t>(kUnits, kMax));
  EXPECT_EQ(items(rig.ruva.unitState), std::vector<int32_t>(kUnits, 1));
  rig.frame(kMax, 0.0f, 0.0f);
  rig.frame(kMax, 0.0f, 0.0f);
  EXPECT_EQ(items(rig.ruva.unitIdleTime), std::vector<int32_t>(kUnits, kMax));
  EXPECT_EQ(items(rig.ruva.unitState), std::vector<int32_t>(kUnits, 0));
}

}  // namespace
