// No frame touches the heap: 10,000 frames through the entry points, in each state of
// the display, counted by the test program's own operator new.
#include <gtest/gtest.h>

#include <array>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/sample_card.h"
#include "tests/support/vehicle_folder.h"

namespace {

constexpr int kFrames = 10000;

class FrameAllocation : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
    folder_.write("cards/1234B.csv", sampleCardCsv(63, 0.3));
    attachModule((folder_.prefix() + "ruva.so").c_str());
    Load();
    SetVehicleSpec(VehicleSpecRecord{});
    Initialize(0);
  }

  // Heap allocations made by `kFrames` frames at `speedKmh`, calling `between(frame)`
  // before each one.
  template <typename Between>
  uint64_t allocationsOverFrames(float speedKmh, Between between) {
    VehicleStateRecord state{};
    state.time = 36000000;
    state.speed = speedKmh;
    const uint64_t before = allocationCount();
    for (int frame = 0; frame < kFrames; ++frame) {
      between(frame);
      state.time += 50;
      state.traction = (frame / 40) % 3 == 0 ? 60.0f : (frame / 40) % 3 == 1 ? 0.0f : -60.0f;
      Elapse(state, panel_.data(), sound_.data());
    }
    return allocationCount() - before;
  }

  static void beacon(int32_t type, int32_t data) {
    BeaconRecord record{};
    record.type = type;
    record.data = data;
    SetBeaconData(record);
  }

  VehicleFolder folder_;
  std::array<int32_t, 256> panel_{};
  std::array<int32_t, 256> sound_{};
};

TEST_F(FrameAllocation, NoMode) {
  EXPECT_EQ(allocationsOverFrames(60.0f, [](int) {}), 0u);
  EXPECT_FALSE(ruva.cardMode || ruva.beaconMode);
}

TEST_F(FrameAllocation, BeaconMode) {
  beacon(111, 1230042);
  beacon(100, 300);
  const uint64_t count = allocationsOverFrames(60.0f, [](int frame) {
    if (frame % 200 == 0) DoorOpen();  // promotes the pending stop
  });
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(ruva.beaconMode);
}

TEST_F(FrameAllocation, CardMode) {
  beacon(1000, 123401);  // card 1234B in card folder 0
  ASSERT_TRUE(ruva.cardMode);
  int32_t stopsSeen = 0;
  int32_t lastStop = ruva.curStopIndex;
  const uint64_t count = allocationsOverFrames(90.0f, [&](int frame) {
    if (frame % 1500 == 700) DoorOpen();
    if (ruva.curStopIndex != lastStop) {
      lastStop = ruva.curStopIndex;
      ++stopsSeen;
    }
  });
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(ruva.cardMode);
  EXPECT_GT(stopsSeen, 20);
}

}  // namespace
