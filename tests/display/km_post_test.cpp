// The km post: its digits, its movement and the step into the next card section.
#include "display/km_post.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/display_rig.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(KmPostDigits, SplitsIntoBlankLedDigits) {
  const struct {
    double kmPost;
    std::array<int32_t, 4> digits;
  } cases[] = {
      {12345.6, {10, 1, 2, 3}},
      {10000.0, {10, 1, 0, 0}},
      {100000.0, {1, 0, 0, 0}},
      {950.0, {10, 10, 0, 9}},
      {0.0, {10, 10, 0, 0}},
      {9999.9, {10, 10, 9, 9}},
      {12500.0, {10, 1, 2, 5}},
      {999999.9, {9, 9, 9, 9}},
      {1000000.0, {10, 100, 1000, 0}},  // beyond the display: the first digit runs over
      {-250.0, {10, 10, 0, -2}},        // a card may place the post below zero
      // No undefined conversion for values the int32 range cannot hold.
      {std::nan(""), {kMin / 100000, kMin, kMin, kMin % 10}},
      {1e12, {kMin / 100000, 100000040, 1000000400, kMin % 10}},
  };
  for (const auto& c : cases) EXPECT_EQ(kmPostDigits(c.kmPost), c.digits) << c.kmPost;
}

TEST(AdvanceKmPost, MovesWithTheDistanceAndNeverBelowZero) {
  DisplayRig rig;
  CRuva& r = rig.ruva;
  r.kmCountUp = true;
  r.kmPost = 12000.0;
  r.sectionRemain = 1000.0;
  r.stopRemain = 2000.0;
  r.frameDistance = 345.6;
  r.advanceKmPost();
  EXPECT_DOUBLE_EQ(r.kmPost, 12345.6);
  EXPECT_DOUBLE_EQ(r.sectionRemain, 654.4);
  EXPECT_DOUBLE_EQ(r.stopRemain, 1654.4);
  EXPECT_EQ(items(r.kmDigits), (std::vector<int32_t>{10, 1, 2, 3}));

  r.kmCountUp = false;
  r.frameDistance = 20000.0;
  r.sectionRemain = 1e6;
  r.advanceKmPost();
  EXPECT_EQ(r.kmPost, 0.0);
  EXPECT_EQ(items(r.kmDigits), (std::vector<int32_t>{10, 10, 0, 0}));
}

// The digits are remembered over a span of posts; whichever way the post moves, by
// steps or jumps, across the places where leading digits appear, they stay the digits
// of the post.
TEST(AdvanceKmPost, DigitsAreAlwaysThoseOfThePost) {
  DisplayRig rig;
  CRuva& r = rig.ruva;
  r.sectionRemain = 1e12;
  r.stopRemain = -1.0;
  const struct {
    double from;
    bool up;
    double step;
    int frames;
  } sweeps[] = {
      {9990.0, true, 0.37, 60},     {10010.0, false, 0.37, 60}, {99950.0, true, 1.3, 80},
      {100099.9999, false, 0.0001, 3}, {12345.6, true, 0.0, 3}, {99.9995, true, 0.0001, 20},
      {250.0, false, 77.0, 6},     {999999950.0, true, 3.0, 40}, {std::nan(""), true, 1.0, 2},
  };
  for (const auto& s : sweeps) {
    r.kmPost = s.from;
    r.kmCountUp = s.up;
    r.frameDistance = s.step;
    for (int f = 0; f < s.frames; ++f) {
      r.advanceKmPost();
      const std::array<int32_t, 4> expected = kmPostDigits(r.kmPost);
      ASSERT_EQ(items(r.kmDigits), std::vector<int32_t>(expected.begin(), expected.end()))
          << "post " << r.kmPost << " from " << s.from;
    }
  }
  r.resetForTrain();
  r.advanceKmPost();
  const std::array<int32_t, 4> expected = kmPostDigits(r.kmPost);
  EXPECT_EQ(items(r.kmDigits), std::vector<int32_t>(expected.begin(), expected.end()));
}

TEST(AdvanceKmPost, StepsIntoTheNextSectionOnlyBeforeTheStop) {
  const struct {
    double sectionRemain;
    double stopRemain;
    int32_t curStopIndex;
    int32_t sectionOffset;
    bool steps;
  } cases[] = {
      {-3.0, 10.0, 2, 0, true},   {-3.0, 0.0, 2, 0, false},  // at the stop itself: no step
      {0.0, 10.0, 2, 0, false},                              // the section is not yet used up
      {-3.0, 10.0, 61, 1, true},                             // the last row of the tables
      {-3.0, 10.0, 62, 1, false},                            // past the tables: nothing at all
      {-3.0, 10.0, 63, 5, false},
  };
  for (const auto& c : cases) {
    DisplayRig rig;
    CRuva& r = rig.ruva;
    for (int i = 0; i < CardRecord::kStopSlots; ++i) {
      r.card.stopDistanceKm[i] = 1.0 + i;
      r.card.stopKmPost[i] = 10.0 + i;
      r.card.stopKmCountDown[i] = i % 2 == 1;
    }
    r.kmCountUp = true;
    r.kmPost = 5000.0;
    r.frameDistance = 0.0;
    r.sectionRemain = c.sectionRemain;
    r.stopRemain = c.stopRemain;
    r.curStopIndex = c.curStopIndex;
    r.sectionOffset = c.sectionOffset;
    r.advanceKmPost();
    if (c.steps) {
      const int k = c.curStopIndex + c.sectionOffset + 1;
      EXPECT_EQ(r.sectionOffset, c.sectionOffset + 1);
      EXPECT_EQ(r.sectionRemain, (1.0 + k) * 1000.0);
      EXPECT_EQ(r.kmPost, (10.0 + k) * 1000.0);
      EXPECT_EQ(r.kmCountUp, k % 2 == 0);
    } else {
      EXPECT_EQ(r.sectionOffset, c.sectionOffset);
      EXPECT_EQ(r.sectionRemain, c.sectionRemain);
      EXPECT_EQ(r.kmPost, 5000.0);
      EXPECT_TRUE(r.kmCountUp);
    }
  }
}

TEST(AdvanceKmPost, OverrunIsNotCarriedAndOneSectionPerFrame) {
  DisplayRig rig;
  CRuva& r = rig.ruva;
  r.card.stopDistanceKm[1] = 0.0;  // an empty section
  r.card.stopDistanceKm[2] = 2.0;
  r.kmCountUp = true;
  r.sectionRemain = 100.0;
  r.stopRemain = 5000.0;
  r.frameDistance = 150.0;
  r.advanceKmPost();
  EXPECT_EQ(r.sectionOffset, 1);
  EXPECT_EQ(r.sectionRemain, 0.0);  // the 50 m overrun is dropped
  r.frameDistance = 1.0;
  r.advanceKmPost();
  EXPECT_EQ(r.sectionOffset, 2);
  EXPECT_EQ(r.sectionRemain, 2000.0);
}

}  // namespace
