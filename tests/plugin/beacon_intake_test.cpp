// Beacons: the code table, the slot stores, the mode flags and the card beacons.
#include "plugin/beacon_intake.h"

#include <gtest/gtest.h>

#include <limits>

#include "plugin/globals.h"
#include "tests/support/display_rig.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(DecodeCodedBeacon, CodeTable) {
  const struct {
    int32_t type;
    int32_t data;
    int32_t slot;
    int32_t value;
  } cases[] = {
      {8, -300, 0, -300},
      {100, 42, 0, 42},
      {102, 12345, 9, 12345},
      {105, 342, 1, 342},
      {106, 7, 2, 7},
      {107, 7, 3, 7},
      {108, 7, 4, 7},
      {109, 7, 5, 7},
      {110, 7, 10, 7},
      {111, 1230042, 8, 1230042},
      {113, -250, 11, -250},
      {114, 3, 11, 3},
      {120, 7, 1, 107},
      {125, 7, 1, 607},
      {130, 5, 2, 1000005},
      {131, 123456, 2, 2123456},
      {135, 0, 2, 6000000},
      {140, 1, 3, 1000001},
      {145, 1, 3, 6000001},
      {150, 3, 6, 103},
      {155, 3, 6, 603},
      {160, 9, 7, 1009},
      {165, 9, 7, 6009},
      {170, 5, 5, 10005},
      {175, 5, 5, 60005},
      // The arithmetic wraps for any data value.
      {135, kMax, 2, static_cast<int32_t>(static_cast<int64_t>(kMax) + 6000000 - (1LL << 32))},
      {120, kMin, 1, kMin + 100},
  };
  for (const auto& c : cases) {
    const std::optional<CodedBeacon> coded = decodeCodedBeacon(c.type, c.data);
    ASSERT_TRUE(coded.has_value()) << c.type;
    EXPECT_EQ(coded->slot, c.slot) << c.type;
    EXPECT_EQ(coded->value, c.value) << c.type;
  }
}

TEST(DecodeCodedBeacon, OtherCodesAreIgnored) {
  for (int32_t type :
       {0,   7,   9,   99,  101, 103, 104, 112, 115, 116, 117, 118,  119,  126,  127,
        128, 129, 136, 139, 146, 149, 156, 159, 166, 169, 176, 1000, 1001, 1002, -8}) {
    EXPECT_FALSE(decodeCodedBeacon(type, 1).has_value()) << type;
  }
}

// Decodes and stores one coded beacon into a display state of the test's own.
void store(CRuva& r, int32_t type, int32_t data) {
  const std::optional<CodedBeacon> coded = decodeCodedBeacon(type, data);
  ASSERT_TRUE(coded.has_value());
  r.storeBeaconSlot(coded->slot, coded->value);
}

TEST(StoreBeaconSlot, BandedCodesReachTheirElements) {
  struct Case {
    int32_t type;
    int32_t data;
    FixedList CRuva::*list;
    std::size_t index;
    int32_t value;
  };
  const Case cases[] = {
      {105, 342, &CRuva::bcnNextAttr7, 1, 42},
      {120, 7, &CRuva::bcnNextAttr7, 0, 7},
      {121, 7, &CRuva::bcnNextAttr7, 0, 7},
      {122, 7, &CRuva::bcnNextAttr7, 1, 7},
      {123, 7, &CRuva::bcnNextAttr7, 2, 7},
      {125, 7, &CRuva::bcnNextAttr7, 2, 7},
      {131, 123456, &CRuva::bcnNextTime1Hour7, 0, 12},
      {131, 123456, &CRuva::bcnNextTime1Min7, 0, 34},
      {131, 123456, &CRuva::bcnNextTime1Sec7, 0, 56},
      {133, 123456, &CRuva::bcnNextTime1Hour7, 2, 12},
      {132, 90000, &CRuva::bcnNextTime1Hour7, 1, 9},
      {140, 235959, &CRuva::bcnNextTime2Sec7, 0, 59},
      {144, 235959, &CRuva::bcnNextTime2Min7, 2, 59},
      {150, 8, &CRuva::bcnNextExtra7, 0, 8},
      {153, 8, &CRuva::bcnNextExtra7, 3, 8},
      {155, 8, &CRuva::bcnNextExtra7, 5, 8},
      {160, 321, &CRuva::bcnNextColA5, 0, 321},
      {161, 321, &CRuva::bcnNextColB5, 0, 321},
      {162, 321, &CRuva::bcnNextColA5, 0, 321},
      {163, 321, &CRuva::bcnNextColB5, 1, 321},
      {164, 321, &CRuva::bcnNextColA5, 1, 321},
      {165, 321, &CRuva::bcnNextColB5, 2, 321},
      {170, 1234, &CRuva::bcnNextGapMin5, 0, 12},
      {171, 1234, &CRuva::bcnNextGapSec5, 1, 34},
      {175, 1234, &CRuva::bcnNextGapMin5, 2, 12},
      {108, 31207, &CRuva::bcnNextExtra7, 2, 12},  // slot 4: extra of row g - 1 ...
      {108, 31207, &CRuva::bcnNextColA5, 0, 7},    // ... and an odd group in column A
      {108, 41207, &CRuva::bcnNextColB5, 1, 7},
      {108, 991207, &CRuva::bcnNextExtra7, 5, 12},  // groups beyond the list are held at its end
      {105, -342, &CRuva::bcnNextAttr7, 0, -42},
  };
  for (const Case& c : cases) {
    CRuva r;
    store(r, c.type, c.data);
    EXPECT_EQ((r.*c.list)[c.index], c.value) << c.type << " " << c.data;
    EXPECT_TRUE(r.beaconMode);
    EXPECT_FALSE(r.cardMode);
  }
}

TEST(StoreBeaconSlot, TrainNumberShowsWithoutLeadingZeros) {
  const struct {
    int32_t data;
    int32_t prefix;
    std::vector<int32_t> digits;
  } cases[] = {
      {1230042, 12, {10, 10, 4, 2, 3}},
      {7, 0, {10, 10, 10, 7, 0}},
      {98765, 0, {8, 7, 6, 5, 9}},
      {-1230042, -12, {10, 10, 10, -2, -3}},
  };
  for (const auto& c : cases) {
    CRuva r;
    store(r, 111, c.data);
    EXPECT_EQ(r.numberPrefix, c.prefix) << c.data;
    EXPECT_EQ(items(r.numberDigits), c.digits) << c.data;
  }
}

TEST(StoreBeaconSlot, PairOfBeaconsMakesTheNextStopCodeAndTime) {
  CRuva r;
  store(r, 102, 12345);
  EXPECT_EQ(r.bcnNextCode2, 12);
  EXPECT_EQ(r.bcnNextCode, 345);
  EXPECT_EQ(r.bcnNextHour, 24);
  store(r, 102, 83015);
  EXPECT_EQ(r.bcnNextHour, 8);
  EXPECT_EQ(r.bcnNextMin, 30);
  EXPECT_EQ(r.bcnNextSec, 15);
  store(r, 102, 7001);  // a new pair starts
  EXPECT_EQ(r.bcnNextCode2, 7);
  EXPECT_EQ(r.bcnNextCode, 1);
  EXPECT_EQ(r.bcnNextHour, 8);
}

TEST(StoreBeaconSlot, KmPostAndMarkerLamp) {
  const struct {
    int32_t data;
    bool countUp;
    double kmPost;
  } cases[] = {
      {-250, false, 2500.0},
      {0, true, 0.0},
      {kMax, true, 21474836470.0},
      {kMin, false, 21474836480.0},  // exact in 64 bits
  };
  for (const auto& c : cases) {
    CRuva r;
    store(r, 113, c.data);
    EXPECT_EQ(r.kmCountUp, c.countUp) << c.data;
    EXPECT_EQ(r.kmPost, c.kmPost) << c.data;
  }
  CRuva r;
  store(r, 110, -3);
  EXPECT_TRUE(r.auxIndicator);
  store(r, 110, 0);
  EXPECT_FALSE(r.auxIndicator);
}

TEST(StoreBeaconSlot, StopDistanceOnlyOnceBeaconModeIsSet) {
  CRuva r;
  store(r, 100, -300);
  EXPECT_FALSE(r.beaconMode);
  EXPECT_EQ(r.stopCue, 0);
  EXPECT_EQ(r.sectionRemain, 0.0);

  const struct {
    int32_t data;
    int32_t cue;
    double remain;
  } cases[] = {{-300, 2, 300.0}, {300, 1, 300.0}, {0, 2, 0.0}, {kMin, 2, 2147483648.0}};
  for (const auto& c : cases) {
    store(r, 110, 0);
    store(r, 8, c.data);
    EXPECT_EQ(r.stopCue, c.cue) << c.data;
    EXPECT_EQ(r.sectionRemain, c.remain) << c.data;
    EXPECT_EQ(r.stopDistance, c.remain + 50.0) << c.data;
  }
}

TEST(StoreBeaconSlot, SlotNumbersOutsideTheTable) {
  CRuva r;
  r.cardMode = true;
  r.storeBeaconSlot(-1, 5);
  EXPECT_TRUE(r.cardMode);
  EXPECT_FALSE(r.beaconMode);
  r.storeBeaconSlot(13, 5);
  EXPECT_FALSE(r.cardMode);
  EXPECT_TRUE(r.beaconMode);
  r.cardMode = true;
  r.beaconMode = false;
  r.storeBeaconSlot(12, 5);
  EXPECT_FALSE(r.cardMode);
  EXPECT_TRUE(r.beaconMode);
}

// The card beacons act on the module's own display state.
class CardBeacons : public ::testing::Test {
 protected:
  void SetUp() override {
    ruva.cardMode = true;
    ruva.beaconMode = false;
    ruva.bcnNextAttr7.assign(7, 0);
    speed = 0.0f;
  }
  void TearDown() override {
    ruva.cardMode = false;
    ruva.beaconMode = false;
  }
};

TEST_F(CardBeacons, CodedBeaconsAreIgnoredInCardMode) {
  takeBeacon(105, 342);
  EXPECT_EQ(ruva.bcnNextAttr7[1], 0);
  EXPECT_TRUE(ruva.cardMode);
  EXPECT_FALSE(ruva.beaconMode);
}

TEST_F(CardBeacons, LeavingCardModeNeedsAStandstill) {
  speed = 0.1f;
  takeBeacon(1002, 0);
  EXPECT_TRUE(ruva.cardMode);
  speed = -0.0f;
  takeBeacon(1002, 0);
  EXPECT_FALSE(ruva.cardMode);
  EXPECT_TRUE(ruva.beaconMode);
  takeBeacon(105, 342);  // now coded beacons count again
  EXPECT_EQ(ruva.bcnNextAttr7[1], 42);
}

}  // namespace
