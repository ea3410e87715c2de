// The per-frame update of a display state of the test's own: card-mode windows and
// cues, beacon-mode promotion, the blank screen, and the sound output.
#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "tests/support/display_rig.h"
#include "tests/support/sample_card.h"

namespace {

constexpr int32_t kStart = 1;
constexpr int32_t kNoChange = 2;
constexpr int32_t kOff = -10000;

// Card mode on a stretch of 10 km with the train `run` metres past its stop. The
// windows are scanned before the frame moves the train on.
struct CardRig : DisplayRig {
  CardRig() {
    ruva.cardMode = true;
    ruva.travelled = 10000.0;
    ruva.stopRemain = 10000.0;
    ruva.stopDistance = 10000.0;
    ruva.sectionRemain = 1e6;
    ruva.list7StopIdx.assign(7, 9);
    state.time = 36000000;
  }
  void frameAt(double run, float speedKmh) {
    ruva.stopRemain = ruva.travelled - run;
    frame(100, speedKmh);
  }
  void addEvent(int i, int32_t type, double startKm, double endKm = 0.0) {
    ruva.card.eventStopIndex[i] = ruva.curStopIndex;
    ruva.card.eventType[i] = type;
    ruva.card.eventStartKm[i] = startKm;
    ruva.card.eventEndKm[i] = endKm;
  }
};

// The runs (metres, in 10 m steps) at which `sound` slot shows a cue start while the
// train sweeps from `from` to `to`.
std::vector<double> cueRuns(CardRig& rig, int soundSlot, double from, double to, float speed) {
  std::vector<double> runs;
  for (double run = from; run <= to; run += 10.0) {
    rig.frameAt(run, speed);
    if (rig.ruva.soundOut[soundSlot] == kStart) runs.push_back(run);
  }
  return runs;
}

TEST(UpdateFrame, FrameDistanceFollowsSpeedAndFrameTime) {
  DisplayRig rig;
  rig.frame(100, 36.0f);
  EXPECT_DOUBLE_EQ(rig.ruva.frameDistance, 1.0);
  rig.frame(0, 36.0f);
  EXPECT_EQ(rig.ruva.frameDistance, 0.0);
  rig.frame(16, -72.0f);
  EXPECT_DOUBLE_EQ(rig.ruva.frameDistance, -0.32);
}

TEST(CardMode, EventCueStartsOnceOnEachEntry) {
  CardRig rig;
  rig.addEvent(3, 1, 1.0);
  EXPECT_EQ(cueRuns(rig, 6, 0.0, 2000.0, 50.0f), (std::vector<double>{610.0}));
  EXPECT_FALSE(rig.ruva.windowType1);
  // Back into the window (the run set back): the cue starts again.
  EXPECT_EQ(cueRuns(rig, 6, 1000.0, 1100.0, 50.0f), (std::vector<double>{1000.0}));
  EXPECT_TRUE(rig.ruva.windowType1);
}

TEST(CardMode, EventsOfOtherStopsAndTypesDoNotCount) {
  CardRig rig;
  rig.addEvent(0, 1, 1.0);
  rig.ruva.card.eventStopIndex[0] = 4;
  rig.addEvent(1, 0, 0.5, 1.5);  // type 0 only below 25 km/h
  EXPECT_TRUE(cueRuns(rig, 6, 0.0, 2000.0, 50.0f).empty());
  EXPECT_TRUE(cueRuns(rig, 5, 0.0, 2000.0, 50.0f).empty());
  EXPECT_EQ(cueRuns(rig, 5, 0.0, 2000.0, 20.0f), (std::vector<double>{510.0}));
}

TEST(CardMode, NearCueComesWithinOneHundredMetresUnlessInhibited) {
  for (bool inhibited : {false, true}) {
    CardRig rig;
    rig.addEvent(0, 2, 5.0);
    rig.ruva.inhibitNearType2 = inhibited;
    std::vector<double> windowStarts;
    std::vector<double> nearStarts;
    for (double run = 4000.0; run <= 6000.0; run += 10.0) {
      rig.frameAt(run, 60.0f);
      if (rig.ruva.soundOut[7] == kStart) windowStarts.push_back(run);
      if (rig.ruva.soundOut[8] == kStart) nearStarts.push_back(run);
      if (run == 5000.0) {
        EXPECT_EQ(rig.ruva.nearType2, !inhibited);
      }
    }
    EXPECT_EQ(windowStarts, (std::vector<double>{4610.0}));
    EXPECT_EQ(nearStarts, inhibited ? std::vector<double>{} : std::vector<double>{4910.0});
    EXPECT_FALSE(rig.ruva.windowType2);
    EXPECT_FALSE(rig.ruva.nearType2);
  }
}

TEST(CardMode, InhibitKeepsTheNearFlagAsItWas) {
  CardRig rig;
  rig.addEvent(0, 3, 5.0);
  rig.frameAt(4950.0, 90.0f);
  ASSERT_TRUE(rig.ruva.nearType3);
  rig.ruva.inhibitNearType3 = true;
  rig.frameAt(4960.0, 90.0f);
  EXPECT_TRUE(rig.ruva.nearType3);
  rig.ruva.nearType3 = false;
  rig.frameAt(4970.0, 90.0f);
  EXPECT_FALSE(rig.ruva.nearType3);
  EXPECT_EQ(rig.ruva.kindType23, 2);
}

TEST(CardMode, CueVariantsFollowTheCoin) {
  const struct {
    int32_t millis;
    int32_t variant0, variant1, variant23;
  } cases[] = {{400, 2, 4, 2}, {900, 1, 3, 1}};
  for (const auto& c : cases) {
    CardRig rig;
    rig.addEvent(0, 0, 0.5, 1.5);
    rig.addEvent(1, 1, 1.0);
    rig.addEvent(2, 2, 1.0);
    rig.state.time = 36000000 + c.millis - 100;
    rig.frameAt(1000.0, 10.0f);
    EXPECT_EQ(rig.ruva.variantType0, c.variant0);
    EXPECT_EQ(rig.ruva.variantType1, c.variant1);
    EXPECT_EQ(rig.ruva.variantType23, c.variant23);
    EXPECT_EQ(rig.ruva.kindType23, 1);
  }
  CardRig rig;
  rig.frameAt(1000.0, 10.0f);
  EXPECT_EQ(rig.ruva.variantType0, 0);
  EXPECT_EQ(rig.ruva.variantType1, 0);
  EXPECT_EQ(rig.ruva.variantType23, 0);
  EXPECT_EQ(rig.ruva.kindType23, 0);
}

TEST(CardMode, RangeStopWindowMatchesEmptyEntriesNearTheNextStop) {
  CardRig rig;
  rig.ruva.curStopIndex = 3;
  rig.ruva.list7StopIdx[1] = 0;  // empty range entries name stop 0
  rig.ruva.sectionRemain = 700.0;
  rig.frameAt(0.0, 0.0f);
  EXPECT_FALSE(rig.ruva.rangeStopWindow);
  rig.ruva.sectionRemain = 599.0;
  rig.frameAt(0.0, 0.0f);
  EXPECT_TRUE(rig.ruva.rangeStopWindow);
  EXPECT_EQ(rig.ruva.soundOut[9], kStart);
  rig.frameAt(0.0, 0.0f);
  EXPECT_EQ(rig.ruva.soundOut[9], kNoChange);
}

TEST(CardMode, RangeStopWindowCoversTheDistanceAfterTheStop) {
  CardRig rig;
  rig.ruva.curStopIndex = 2;
  rig.ruva.card.rangeStopIndex[5] = 2;
  rig.ruva.card.rangeDistanceKm[5] = 0.3;
  rig.ruva.card.rangeStopIndex.fill(2);  // every entry names the current stop
  EXPECT_EQ(cueRuns(rig, 9, 0.0, 500.0, 30.0f), (std::vector<double>{0.0}));
  EXPECT_FALSE(rig.ruva.rangeStopWindow);  // left at 300 m
}

TEST(CardMode, KmRangeCueStartsOnceWhileInside) {
  CardRig rig;
  rig.ruva.card.rangeStartKm[7] = 12.5;
  rig.ruva.card.rangeEndKm[7] = 12.0;
  rig.ruva.kmPost = 12250.0;
  int starts = 0;
  for (int f = 0; f < 50; ++f) {
    rig.frameAt(0.0, 0.0f);
    if (rig.ruva.soundOut[10] == kStart) ++starts;
  }
  EXPECT_EQ(starts, 1);
  EXPECT_TRUE(rig.ruva.rangeKmWindow);
}

// The scans remember what the tables hold for the current stop; a stop change, another
// card and a km post that jumps back must each be seen in the next frame.
TEST(CardMode, WindowsFollowEachNewStopCardAndKmPost) {
  CardRig rig;
  CRuva& r = rig.ruva;
  r.card.stopCount = 3;
  rig.addEvent(0, 1, 1.0);
  r.card.eventStopIndex[1] = 1;
  r.card.eventType[1] = 1;
  r.card.eventStartKm[1] = 1.0;
  r.card.rangeStartKm[2] = 12.5;
  r.card.rangeEndKm[2] = 12.0;
  const auto frameAtPost = [&](double kmPost) {
    r.kmPost = kmPost;
    r.travelled = 10000.0;
    r.sectionRemain = 1e6;
    rig.frameAt(1000.0, 50.0f);
    return std::vector<bool>{r.windowType1, r.rangeKmWindow};
  };
  EXPECT_EQ(frameAtPost(12250.0), (std::vector<bool>{true, true}));
  EXPECT_EQ(frameAtPost(11000.0), (std::vector<bool>{true, false}));
  EXPECT_EQ(frameAtPost(12250.0), (std::vector<bool>{true, true}));

  CardRecord other = r.card;
  other.eventStopIndex[0] = 2;
  other.eventStopIndex[1] = 2;
  other.rangeStartKm[2] = 0.0;
  other.rangeEndKm[2] = 0.0;
  r.card = std::move(other);
  r.selectStop(0);
  EXPECT_EQ(frameAtPost(12250.0), (std::vector<bool>{false, false}));
  r.selectStop(2);
  EXPECT_EQ(frameAtPost(12250.0), (std::vector<bool>{true, false}));
}

TEST(CardMode, ArrivalCueFiresOnceAndLatchesTheAnnouncement) {
  CardRig rig;
  rig.ruva.stopCue = 1;
  rig.ruva.card.cardValue8 = 1;
  rig.ruva.list5Time1Hour[1] = 7;
  rig.state.time = 36000000 + 800 - 100;  // tails
  // 60 km/h needs 250 m to stop: not yet at 251 m.
  rig.ruva.stopRemain = 251.0;
  rig.frame(100, 60.0f);
  EXPECT_EQ(rig.ruva.soundOut[0], kOff);  // no cue has run yet
  EXPECT_EQ(rig.ruva.stopAnnounce, 0);
  rig.ruva.stopRemain = 249.0;
  rig.state.time = 36000000 + 800 - 100;
  rig.frame(100, 60.0f);
  EXPECT_EQ(rig.ruva.soundOut[0], kStart);
  EXPECT_EQ(rig.ruva.stopCue, 0);
  EXPECT_TRUE(rig.ruva.approachSeen);
  EXPECT_EQ(rig.ruva.stopAnnounce, 1);
  // Latched: far from the stop again, the announcement is still chosen every frame.
  rig.ruva.stopRemain = 5000.0;
  rig.state.time = 36000000 + 800 - 100;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.soundOut[0], kNoChange);
  EXPECT_EQ(rig.ruva.stopAnnounce, 1);
  rig.ruva.list5Time1Hour[1] = 26;
  rig.state.time = 36000000 + 800 - 100;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.stopAnnounce, 0);
}

TEST(CardMode, SecondArrivalCueAndItsSoundSlot) {
  CardRig rig;
  rig.ruva.stopCue = 2;
  rig.ruva.stopRemain = 49.0;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.soundOut[2], kStart);
  EXPECT_EQ(rig.ruva.soundOut[0], kOff);
  EXPECT_EQ(rig.ruva.stopCue, 0);
  EXPECT_FALSE(rig.ruva.approachSeen);
  EXPECT_EQ(rig.ruva.soundOut[11], kOff);
}

TEST(CardMode, DoorOpeningBetweenStopsIsSpent) {
  CardRig rig;
  rig.ruva.stopDistance = 2000.0;
  rig.ruva.stopRemain = 1000.0;
  rig.ruva.curStopIndex = 4;
  rig.ruva.approachSeen = true;
  rig.ruva.doorOpened = true;
  rig.frame(100, 0.0f);
  EXPECT_FALSE(rig.ruva.doorOpened);
  EXPECT_FALSE(rig.ruva.approachSeen);
  EXPECT_EQ(rig.ruva.curStopIndex, 4);
  EXPECT_EQ(rig.ruva.stopRemain, 1000.0);
}

TEST(CardMode, ProgressFollowsTheStopDistance) {
  CardRig rig;
  rig.ruva.progressBase = 100;
  rig.ruva.progressCode = 100;
  const struct {
    double run;
    int32_t code;
  } steps[] = {{0.0, 100}, {60.0, 101}, {3400.0, 102}, {6700.0, 103}};
  for (const auto& s : steps) {
    rig.frameAt(s.run, 0.0f);
    EXPECT_EQ(rig.ruva.progressCode, s.code) << s.run;
  }
}

// Beacon mode with a pending stop that differs from the one in force everywhere.
struct BeaconRig : DisplayRig {
  BeaconRig() {
    ruva.beaconMode = true;
    ruva.sectionRemain = 5000.0;
    ruva.stopDistance = 5000.0;
    ruva.bcnNextCode = 11;
    ruva.bcnNextHour = 12;
    ruva.bcnNextMin = 13;
    ruva.bcnNextSec = 14;
    ruva.bcnNextCode2 = 15;
    ruva.bcnNextAttr7.assign(3, 16);
    ruva.bcnNextTime1Hour7[1] = 17;
    ruva.bcnNextGapSec5[4] = 18;
    ruva.bcnNextColB5.assign(2, 19);
    state.time = 36000000;
  }
};

TEST(BeaconMode, RevealTimerRunsTwiceAsFast) {
  BeaconRig rig;
  rig.ruva.animTimer = 0;
  rig.frame(40);
  EXPECT_EQ(rig.ruva.animTimer, 80);
}

TEST(BeaconMode, PendingStopTakesOverAtTheStop) {
  BeaconRig rig;
  rig.ruva.progressCode = 55;
  rig.ruva.animTimer = 300;
  rig.ruva.sectionRemain = -1.0;
  rig.frame(100, 0.0f);
  const CRuva& r = rig.ruva;
  EXPECT_EQ(r.bcnCurCode, 11);
  EXPECT_EQ(r.bcnCurHour, 12);
  EXPECT_EQ(r.bcnCurMin, 13);
  EXPECT_EQ(r.bcnCurSec, 14);
  EXPECT_EQ(r.bcnCurCode2, 15);
  EXPECT_EQ(items(r.bcnCurAttr7), (std::vector<int32_t>{16, 16, 16}));  // lengths too
  EXPECT_EQ(r.bcnCurTime1Hour7, r.bcnNextTime1Hour7);
  EXPECT_EQ(r.bcnCurGapSec5, r.bcnNextGapSec5);
  EXPECT_EQ(items(r.bcnCurColB5), (std::vector<int32_t>{19, 19}));
  EXPECT_EQ(r.bcnNextCode, 11);  // the pending group stays
  EXPECT_EQ(r.animTimer, 0);
  EXPECT_EQ(r.stopDistance, 1e6);
  EXPECT_EQ(r.sectionRemain, 1e6);
  EXPECT_EQ(r.progressCode, 55);  // nothing run yet
}

TEST(BeaconMode, DoorOpeningPromotesAnywhere) {
  BeaconRig rig;
  rig.ruva.doorOpened = true;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.bcnCurCode, 11);
  EXPECT_FALSE(rig.ruva.doorOpened);
}

TEST(BeaconMode, ArrivalCuesAndTheNextStopMark) {
  BeaconRig rig;
  rig.ruva.stopCue = 1;
  rig.ruva.soundOut[1] = -2000;
  rig.frame(100, 0.0f);  // far from the stop
  EXPECT_EQ(rig.ruva.soundOut[1], kOff);
  EXPECT_EQ(rig.ruva.dispNextAttr, 0);
  rig.ruva.sectionRemain = 40.0;
  rig.state.time = 36000000 + 700 - 100;  // tails
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.soundOut[0], kStart);
  EXPECT_EQ(rig.ruva.soundOut[1], 0);
  EXPECT_EQ(rig.ruva.stopCue, 0);
  EXPECT_EQ(rig.ruva.dispNextAttr, 1);
  rig.ruva.bcnNextTime1Hour7[1] = 26;
  rig.state.time = 36000000 + 700 - 100;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.dispNextAttr, 0);
  EXPECT_EQ(rig.ruva.soundOut[0], kNoChange);

  rig.ruva.stopCue = 2;
  rig.ruva.soundOut[1] = -2000;
  rig.frame(100, 0.0f);
  EXPECT_EQ(rig.ruva.soundOut[2], kStart);
  EXPECT_EQ(rig.ruva.soundOut[1], -2000);
}

TEST(BlankScreen, NeitherModeEmptiesTheScreenEveryFrame) {
  DisplayRig rig;
  CRuva& r = rig.ruva;
  r.progressCode = 101;
  r.kmPost = 12345.0;
  r.soundOut[11] = 7;
  r.numberPrefix = 3;
  r.numberDigits.assign(5, 1);
  r.list5GapSec.assign(2, 1);
  r.bcnNextGapSec5.assign(5, 1);
  r.bcnCurAttr7.assign(3, 1);
  r.dispNextHour = 9;
  r.infoNumber = 77;
  r.unitState.assign(8, 1);
  r.kmDigits.assign(4, 1);
  r.auxIndicator = true;
  r.variantType1 = 3;
  rig.frame(100, 50.0f);
  EXPECT_EQ(r.progressCode, 90);
  EXPECT_EQ(r.kmPost, 0.0);
  EXPECT_EQ(r.soundOut[11], 0);
  EXPECT_EQ(r.numberPrefix, 50);
  EXPECT_EQ(items(r.numberDigits), (std::vector<int32_t>{20, 20, 20, 20, 40}));
  EXPECT_EQ(items(r.list5GapSec), std::vector<int32_t>(5, 12));
  EXPECT_EQ(items(r.bcnNextGapSec5), std::vector<int32_t>(5, 60));
  EXPECT_EQ(items(r.bcnCurAttr7), std::vector<int32_t>(7, 0));
  EXPECT_EQ(items(r.dispList5GapSec), std::vector<int32_t>(5, 60));
  EXPECT_EQ(r.dispNextHour, 24);
  EXPECT_EQ(r.infoNumber, 77);  // left alone
  EXPECT_EQ(items(r.unitState), std::vector<int32_t>(8, 0));
  EXPECT_EQ(items(r.kmDigits), std::vector<int32_t>(4, 10));
  EXPECT_FALSE(r.auxIndicator);
  EXPECT_EQ(r.variantType1, 0);
  EXPECT_EQ(r.animTimer, 0);
}

TEST(SoundOutput, CuesReachTheirSoundValuesOnce) {
  DisplayRig rig;
  CRuva& r = rig.ruva;
  for (int k = 0; k < 10; ++k) r.soundTriggers[k] = 100 + k;
  r.soundOut[1] = -2000;
  r.emitSoundCues();
  EXPECT_EQ(r.soundOut[0], 100);
  EXPECT_EQ(r.soundOut[1], -2000);
  for (int k = 1; k < 10; ++k) EXPECT_EQ(r.soundOut[k + 1], 100 + k);
  EXPECT_EQ(r.soundOut[11], kOff);
  for (int32_t trigger : r.soundTriggers) EXPECT_EQ(trigger, kNoChange);
}

TEST(UpdateFrame, RevealTimerSaturates) {
  DisplayRig rig;
  rig.ruva.cardMode = true;
  rig.ruva.stopRemain = 1e6;
  rig.ruva.stopDistance = 1e6;
  rig.ruva.animTimer = std::numeric_limits<int32_t>::max() - 5;
  rig.frame(100);
  EXPECT_EQ(rig.ruva.animTimer, std::numeric_limits<int32_t>::max());
}

// A card run of `stops` stops and 1.5 km sections, selected at its first stop.
struct RunRig : DisplayRig {
  explicit RunRig(int stops = 8) {
    ruva.resetForTrain();
    ruva.D01ABnum = 5;
    ruva.card = sampleCard(stops, 1.5);
    ruva.cardMode = true;
    ruva.selectStop(0);
    state.time = 36000000;
  }
};

TEST(CardStopChange, DoorsOpenedAtTheStopJustSelectedSelectItAgain) {
  RunRig rig;
  ASSERT_EQ(rig.ruva.stopDistance, 1500.0);
  ASSERT_EQ(rig.ruva.stopRemain, 1500.0);
  rig.frame(100);
  rig.ruva.approachSeen = true;
  rig.ruva.stopCue = 0;
  rig.ruva.doorOpened = true;
  rig.frame(100);
  EXPECT_EQ(rig.ruva.curStopIndex, 0);
  EXPECT_EQ(rig.ruva.animTimer, 0);  // the reveal starts over
  EXPECT_EQ(rig.ruva.stopCue, 1);
  EXPECT_FALSE(rig.ruva.doorOpened);
  EXPECT_FALSE(rig.ruva.approachSeen);
}

TEST(CardStopChange, OverrunSelectsTheNextStopInTheFollowingFrame) {
  RunRig rig;
  rig.ruva.stopRemain = 3.0;
  rig.frame(500, 36.0f);  // 5 m
  EXPECT_EQ(rig.ruva.stopRemain, -2.0);
  EXPECT_EQ(rig.ruva.curStopIndex, 0);
  rig.frame(500, 36.0f);
  EXPECT_EQ(rig.ruva.curStopIndex, 1);
  EXPECT_EQ(rig.ruva.stopRemain, 1500.0 - 5.0);
}

TEST(CardStopChange, DoorsOpenedShortOfTheStopSelectIt) {
  RunRig rig;
  rig.ruva.stopRemain = 399.0;
  rig.ruva.doorOpened = true;
  rig.frame(100);
  EXPECT_EQ(rig.ruva.curStopIndex, 1);
  EXPECT_FALSE(rig.ruva.doorOpened);
}

TEST(CardStopChange, AShortCardDoesNotFollowTheListsOfAnEarlierOne) {
  RunRig rig(12);
  rig.ruva.selectStop(3);
  ASSERT_EQ(rig.ruva.list7StopIdx[1], 4);
  rig.ruva.card = sampleCard(3, 1.5);
  rig.ruva.selectStop(0);
  rig.ruva.stopRemain = -1.0;
  rig.frame(100);
  EXPECT_EQ(rig.ruva.curStopIndex, 1);
}

TEST(CardRun, EveryStopToTheLastAndEachCueOnce) {
  // Also the short runs and the last four stops, where the seven-row list stays frozen.
  for (int stops : {2, 3, 8, 12}) {
    RunRig rig(stops);
    int arrivals = 0;
    int eventCues = 0;
    int32_t lastStop = 0;
    for (int f = 0; f < 40000 && lastStop < stops - 1; ++f) {
      // 72 km/h in 50 ms frames (1 m each); at each stop the doors open.
      const bool atStop = rig.ruva.stopRemain < 1.0;
      if (atStop) rig.ruva.doorOpened = true;
      rig.frame(50, atStop ? 0.0f : 72.0f);
      if (rig.ruva.soundOut[0] == kStart) ++arrivals;
      if (rig.ruva.soundOut[6] == kStart) ++eventCues;
      if (rig.ruva.curStopIndex != lastStop) {
        EXPECT_EQ(rig.ruva.curStopIndex, lastStop + 1) << stops;
        lastStop = rig.ruva.curStopIndex;
      }
    }
    EXPECT_EQ(lastStop, stops - 1);
    EXPECT_EQ(arrivals, stops - 1) << stops;
    EXPECT_EQ(eventCues, stops - 1) << stops;
    EXPECT_EQ(rig.ruva.progressBase, 16) << stops;
    // At the last stop nothing lies ahead: opening the doors selects it again.
    rig.ruva.doorOpened = true;
    rig.frame(50);
    EXPECT_EQ(rig.ruva.curStopIndex, stops - 1);
  }
}

}  // namespace
