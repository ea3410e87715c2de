// The small rules of the per-frame update, each on its own.
#include "display/frame_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressAfter, LaterTestsOverrideEarlierOnes) {
  const struct {
    double reference;
    double remaining;
    int32_t expected;
  } cases[] = {
      {3000.0, 3000.0, 7},    // nothing holds: the code stays
      {3000.0, 2950.0, 7},    // exactly 50 m run: still nothing
      {3000.0, 2949.0, 101},  // more than 50 m run
      {3000.0, 1999.0, 102},  // below two thirds
      {3000.0, 999.0, 103},   // below one third
      {30.0, 15.0, 102},      // a short reference: below two thirds without 50 m run
      {1e6, 1e6, 7},          // beacon mode right after an arrival
      {0.0, -5.0, 103},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(progressAfter(7, 100, c.reference, c.remaining), c.expected)
        << c.reference << " " << c.remaining;
  }
}

TEST(BrakingDistance, TwoKmhPerSecond) {
  EXPECT_DOUBLE_EQ(brakingDistance(60.0), 250.0);
  EXPECT_DOUBLE_EQ(brakingDistance(-60.0), 250.0);
  EXPECT_EQ(brakingDistance(0.0), 0.0);
}

TEST(CoinShowsHeads, HeadsUpToFiveHundredMilliseconds) {
  const struct {
    int32_t timeMs;
    bool heads;
  } cases[] = {{0, true},    {500, true},   {501, false}, {999, false},
               {1500, true}, {1501, false}, {-1, true},   {-999, true}};
  for (const auto& c : cases) EXPECT_EQ(coinShowsHeads(c.timeMs), c.heads) << c.timeMs;
}

TEST(EventWindowHolds, WindowEdgesAreExclusive) {
  const struct {
    int32_t type;
    double start;
    double end;
    double run;
    double speed;
    bool holds;
  } cases[] = {
      // Type 0: between its points, and slow.
      {0, 1000.0, 1500.0, 1000.0, 10.0, false},
      {0, 1000.0, 1500.0, 1000.1, 10.0, true},
      {0, 1000.0, 1500.0, 1499.9, 24.9, true},
      {0, 1000.0, 1500.0, 1200.0, 25.0, false},
      {0, 1000.0, 1500.0, 1500.0, 10.0, false},
      // Type 1: from 400 m before its start to 700 m after it.
      {1, 1000.0, 0.0, 600.0, 50.0, false},
      {1, 1000.0, 0.0, 600.1, 50.0, true},
      {1, 1000.0, 0.0, 1699.9, 50.0, true},
      {1, 1000.0, 0.0, 1700.0, 50.0, false},
      // Types 2 and 3 above 80 km/h: from 700 m before to 500 m after.
      {2, 5000.0, 0.0, 4300.0, 90.0, false},
      {2, 5000.0, 0.0, 4300.1, 90.0, true},
      {3, 5000.0, 0.0, 5499.9, 90.0, true},
      {3, 5000.0, 0.0, 5500.0, 90.0, false},
      // ... at 80 km/h or less: from 400 m before to 800 m after.
      {2, 5000.0, 0.0, 4600.0, 80.0, false},
      {2, 5000.0, 0.0, 4600.1, 60.0, true},
      {3, 5000.0, 0.0, 5799.9, 60.0, true},
      {3, 5000.0, 0.0, 5800.0, 60.0, false},
      {4, 5000.0, 0.0, 5000.0, 60.0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(eventWindowHolds(c.type, c.start, c.end, c.run, c.speed), c.holds)
        << "type " << c.type << " run " << c.run << " speed " << c.speed;
  }
}

TEST(KmRangeHolds, EitherOrderStrictlyInside) {
  const struct {
    double start;
    double end;
    double kmPost;
    bool holds;
  } cases[] = {
      {12000.0, 12500.0, 12250.0, true},  {12500.0, 12000.0, 12250.0, true},
      {12000.0, 12500.0, 12000.0, false}, {12500.0, 12000.0, 12500.0, false},
      {12000.0, 12000.0, 12000.0, false}, {0.0, 0.0, 0.0, false},
      {12000.0, 12500.0, 12600.0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kmRangeHolds(c.start, c.end, c.kmPost), c.holds)
        << c.start << " " << c.end << " " << c.kmPost;
  }
}

}  // namespace
