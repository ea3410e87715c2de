// Splitting HHMMSS card times.
#include "route/clock_time.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ClockTime, SplitsWithAndWithoutClamping) {
  struct Case {
    int32_t t;
    ClockTime plain;
    ClockTime clamped;
  };
  const Case cases[] = {
      {83015, {8, 30, 15}, {8, 30, 15}},
      {246060, {24, 60, 60}, {24, 60, 60}},
      {261000, {26, 10, 0}, {26, 10, 0}},
      {0, {0, 0, 0}, {0, 0, 0}},
      {-5, {0, 0, -5}, {0, 0, 0}},
      // The clamped minute is taken against the clamped hour.
      {-12345, {-1, -23, -45}, {0, 0, 0}},
      {999999, {99, 99, 99}, {99, 99, 99}},
      {INT_MAX, {214748, 36, 47}, {214748, 36, 47}},
      {INT_MIN, {-214748, -36, -48}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    const ClockTime plain = splitTime(c.t);
    const ClockTime clamped = splitTimeClamped(c.t);
    EXPECT_EQ(plain.hour, c.plain.hour) << c.t;
    EXPECT_EQ(plain.minute, c.plain.minute) << c.t;
    EXPECT_EQ(plain.second, c.plain.second) << c.t;
    EXPECT_EQ(clamped.hour, c.clamped.hour) << c.t;
    EXPECT_EQ(clamped.minute, c.clamped.minute) << c.t;
    EXPECT_EQ(clamped.second, c.clamped.second) << c.t;
  }
}

}  // namespace
