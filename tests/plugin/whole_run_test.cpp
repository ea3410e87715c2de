// Whole runs through the built module, the way the host drives it: settings and card
// files in the vehicle folder, beacons between frames, and only the panel and sound
// arrays to look at.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

#include "tests/support/module_host.h"
#include "tests/support/sample_card.h"

namespace {

constexpr int32_t kStart = 1;
constexpr int32_t kUntouched = -7777;
constexpr int32_t kCardCode = 123401;  // folder 0, train 1234, suffix B

// A module in a vehicle folder with the given display settings and, in card folder
// "cards", the card file 1234B.csv with `card` as its text.
struct Vehicle {
  explicit Vehicle(const std::string& settings, const std::string& card = sampleCardCsv(6, 0.8))
      : host(folder) {
    folder.write("RUVA_Spec.ini", "[Disp]\n" + settings);
    folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
    folder.write("cards/1234B.csv", card);
    host.start();
    host.api.SetBrake(0);
    host.panel.fill(kUntouched);
    host.panel[82] = 0;  // the two inputs: nothing suppressed
    host.panel[83] = 0;
    host.sound.fill(kUntouched);
  }

  // `frames` frames of `stepMs` at `speed`; counts the frames in which each of the
  // given sound indices starts its sound.
  void run(int frames, int32_t stepMs, float speed) {
    for (int f = 0; f < frames; ++f) {
      time += stepMs;
      host.frame(time, speed);
      for (auto& [index, count] : starts) {
        if (host.sound[index] == kStart) ++count;
      }
    }
  }
  // Stands at the platform with the doors open for a second.
  void stopWithDoorsOpen() {
    run(1, 50, 0.0f);
    host.api.DoorOpen();
    run(20, 50, 0.0f);
  }
  int32_t kmShown() const { return 10 * host.panel[98] + host.panel[99]; }  // in 100 m

  VehicleFolder folder;
  ModuleHost host;
  int32_t time = 36000000;
  std::map<int, int> starts;
};

TEST(WholeRun, CardRunOverSeveralStops) {
  Vehicle v("DispType=1\n");
  v.run(1, 50, 0.0f);
  v.host.beacon(1000, kCardCode);
  v.run(20, 50, 0.0f);
  EXPECT_EQ(v.host.panel[114], 1);
  EXPECT_EQ(v.kmShown(), 100);       // km 10.0
  EXPECT_EQ(v.host.panel[190], 10);  // row 0: stop 0
  EXPECT_EQ(v.host.panel[115], 11);  // next stop: stop 1
  EXPECT_EQ(v.host.panel[100], 50);  // prefix of train 1234B ...
  EXPECT_EQ(v.host.panel[101], 1);
  EXPECT_EQ(v.host.panel[104], 4);

  // 800 m sections at 72 km/h, 1 m a frame; the train overruns stop 3 without stopping.
  for (int stop = 1; stop <= 5; ++stop) {
    v.starts = {{14, 0}, {61, 0}};
    v.run(800, 50, 72.0f);
    if (stop == 3) {
      v.run(5, 50, 72.0f);
    } else {
      v.stopWithDoorsOpen();
    }
    EXPECT_EQ(v.starts[14], 1) << "arrival cue before stop " << stop;
    EXPECT_EQ(v.starts[61], 1) << "event window before stop " << stop;
    EXPECT_EQ(v.host.panel[190], 10 + stop) << "row 0 at stop " << stop;
    EXPECT_EQ(v.kmShown(), 100 + 8 * stop) << "km post at stop " << stop;
  }
  EXPECT_EQ(v.host.panel[199], 16);  // the last stop of the run
  EXPECT_EQ(v.host.sound[65], -10000);
}

TEST(WholeRun, BeaconRunWithPromotionAtTheStop) {
  Vehicle v("DispType=1\n");
  v.run(1, 100, 0.0f);
  v.host.beacon(111, 1230042);  // train number
  v.host.beacon(121, 7);        // row 0 attribute
  v.host.beacon(131, 83000);    // row 0 first time 08:30:00
  v.host.beacon(102, 12345);    // next stop code ...
  v.host.beacon(102, 83015);    // ... and time
  v.host.beacon(100, 500);      // the stop 500 m ahead, arrival cue 1
  v.run(3, 100, 0.0f);
  EXPECT_EQ(v.host.panel[114], 1);
  EXPECT_EQ(v.host.panel[98], 300);  // no km post outside card mode
  EXPECT_EQ(v.host.panel[100], 12);
  EXPECT_EQ(v.host.panel[103], 4);
  EXPECT_EQ(v.host.panel[130], 0);  // the pending stop is not shown yet

  v.starts = {{14, 0}};
  int cueFrame = -1;
  for (int f = 0; f < 520 && cueFrame < 0; ++f) {
    v.run(1, 100, 36.0f);
    if (v.host.sound[14] == kStart) {
      cueFrame = f;
      EXPECT_EQ(v.host.sound[16], 0);
    }
  }
  // 36 km/h needs 90 m to stop: the cue comes about 410 m on.
  EXPECT_NEAR(cueFrame, 410, 2);
  v.run(95, 100, 36.0f);  // past the stop
  EXPECT_EQ(v.starts[14], 1);
  EXPECT_EQ(v.host.panel[130], 7);
  EXPECT_EQ(v.host.panel[140], 8);
  EXPECT_EQ(v.host.panel[141], 30);
  EXPECT_EQ(v.host.panel[142], 0);
  EXPECT_EQ(v.host.panel[111], 8);
  EXPECT_EQ(v.host.panel[112], 30);
  EXPECT_EQ(v.host.panel[113], 3);
  EXPECT_EQ(v.host.panel[115], 12);
  EXPECT_EQ(v.host.sound[16], -10000);  // far from any stop again
}

TEST(WholeRun, BlankScreenInNeitherMode) {
  Vehicle v("");
  v.run(5, 100, 30.0f);
  EXPECT_EQ(v.host.panel[199], 90);
  EXPECT_EQ(v.host.panel[114], 0);
  EXPECT_EQ(v.host.panel[98], 300);
  EXPECT_EQ(v.host.panel[99], 10);
  EXPECT_EQ(v.host.panel[100], 50);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(v.host.panel[101 + k], 20);
  EXPECT_EQ(v.host.panel[105], 40);
  EXPECT_EQ(v.host.sound[65], 0);
  // A card beacon whose file is missing leaves the display blank.
  v.host.beacon(1000, 999901);
  v.run(5, 100, 30.0f);
  EXPECT_EQ(v.host.panel[114], 0);
  EXPECT_EQ(v.host.panel[199], 90);
}

TEST(WholeRun, CardBeaconsAtStandstill) {
  Vehicle v("DispType=1\n");
  v.run(1, 100, 0.0f);
  v.host.beacon(1000, kCardCode);
  v.run(10, 100, 0.0f);
  v.host.beacon(1001, 3);
  v.run(10, 100, 0.0f);
  EXPECT_EQ(v.host.panel[190], 13);
  v.run(1, 100, 20.0f);
  v.host.beacon(1001, 1);  // moving: ignored
  v.host.beacon(1002, 0);
  v.run(10, 100, 0.0f);
  EXPECT_EQ(v.host.panel[190], 13);
  EXPECT_EQ(v.host.panel[98], 12);  // km 12.4 of stop 3
  EXPECT_EQ(v.host.panel[99], 4);
  v.host.beacon(1002, 0);  // standing: beacon mode
  v.run(2, 100, 0.0f);
  EXPECT_EQ(v.host.panel[114], 1);
  EXPECT_EQ(v.host.panel[98], 300);
}

TEST(WholeRun, EveryPanelVariant) {
  const struct {
    std::string settings;
    int written;    // an index only this variant writes
    int untouched;  // an index it leaves to the host
  } cases[] = {
      {"", 184, 160},
      {"DispType=1\n", 200, 135},
      {"DispType=1\nUnitDispEnable=1\n", 20, 155},
      {"useLegacyDisp=1\n", 177, 98},
      {"useLegacyDisp=1\nDispType=1\n", 116, 206},
  };
  for (const auto& c : cases) {
    Vehicle v(c.settings);
    v.run(3, 100, 0.0f);
    EXPECT_NE(v.host.panel[c.written], kUntouched) << c.settings;
    EXPECT_EQ(v.host.panel[c.untouched], kUntouched) << c.settings;
    EXPECT_EQ(v.host.panel[10], 10) << c.settings;
  }
}

TEST(WholeRun, InhibitInputsSuppressTheNearCue) {
  // One event of type 2 and one of type 3, on stops 0 and 1.
  const std::string card = "8,1\n5,0,0.4,0,2\n5,1,0.4,0,3\n" + sampleCardCsv(4, 0.8);
  for (int inhibit : {0, 82, 83}) {
    Vehicle v("", card);
    if (inhibit != 0) v.host.panel[inhibit] = 1;
    v.run(1, 50, 0.0f);
    v.host.beacon(1000, kCardCode);
    v.starts = {{62, 0}, {66, 0}};
    v.run(900, 50, 72.0f);  // past stop 1 and the type-2 point
    const int type2Near = v.starts[66];
    v.run(800, 50, 72.0f);  // past the type-3 point
    const int type3Near = v.starts[66] - type2Near;
    EXPECT_EQ(v.starts[62], 2) << inhibit;
    EXPECT_EQ(type2Near, inhibit == 83 ? 0 : 1) << inhibit;
    EXPECT_EQ(type3Near, inhibit == 82 ? 0 : 1) << inhibit;
  }
}

// A host that reports an undefined or infinite speed once: that frame moves nothing,
// and the run goes on from stop to stop as before.
TEST(WholeRun, NonFiniteSpeedsMoveNothing) {
  Vehicle v("DispType=1\n");
  v.run(1, 50, 0.0f);
  v.host.beacon(1000, kCardCode);
  v.run(100, 50, 72.0f);
  v.host.frame(v.time, std::numeric_limits<float>::infinity());  // a frame of no length
  v.run(1, 50, std::numeric_limits<float>::quiet_NaN());
  v.run(1, 50, std::numeric_limits<float>::infinity());
  v.run(700, 50, 72.0f);
  v.stopWithDoorsOpen();
  EXPECT_EQ(v.host.panel[190], 11);
  EXPECT_EQ(v.kmShown(), 108);
}

// Doors that open while no route drives the display are not remembered: the first
// frames of a card or beacon route that comes later show its first stop.
TEST(WholeRun, DoorOpeningWithoutARouteIsForgotten) {
  Vehicle card("DispType=1\n", sampleCardCsv(6, 0.3));
  card.run(1, 50, 0.0f);
  card.host.api.DoorOpen();
  card.run(100, 50, 0.0f);
  card.host.beacon(1000, kCardCode);
  card.run(20, 50, 0.0f);
  EXPECT_EQ(card.host.panel[190], 10);

  Vehicle beacons("DispType=1\n");
  beacons.run(1, 100, 0.0f);
  beacons.host.api.DoorOpen();
  beacons.run(10, 100, 0.0f);
  beacons.host.beacon(121, 7);
  beacons.host.beacon(100, 500);
  beacons.run(3, 100, 0.0f);
  EXPECT_EQ(beacons.host.panel[130], 0);  // still pending, 500 m ahead
}

}  // namespace
