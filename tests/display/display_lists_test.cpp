// The reveal of the displayed lists: blanking, the schedule by the timer, the sources of
// each mode and the hour rule.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "display/blank_lists.h"
#include "display/ruva.h"
#include "tests/display/test_card.h"

namespace {

using Rows = std::vector<int32_t>;

void loadCard(CRuva& r, CardRecord card) {
  r.resetForTrain();
  r.D01ABnum = 5;
  r.card = std::move(card);
  r.selectStop(0);
}

// Beacon columns whose values tell the row and the column apart.
void fillBeaconLists(CRuva& r) {
  r.beaconMode = true;
  r.bcnCurCode = 3;
  r.bcnCurHour = 12;
  r.bcnCurMin = 34;
  r.bcnCurSec = 56;
  r.bcnCurCode2 = 78;
  for (std::size_t row = 0; row < 7; ++row) {
    const int32_t v = static_cast<int32_t>(row);
    r.bcnCurAttr7[row] = 500 + v;
    r.bcnCurTime1Hour7[row] = row == 0 ? 26 : 5 + v;
    r.bcnCurTime1Min7[row] = 510 + v;
    r.bcnCurTime1Sec7[row] = 520 + v;
    r.bcnCurTime2Hour7[row] = 530 + v;
    r.bcnCurTime2Min7[row] = 540 + v;
    r.bcnCurTime2Sec7[row] = 550 + v;
    r.bcnCurExtra7[row] = 560 + v;
  }
  for (std::size_t row = 0; row < 5; ++row) {
    const int32_t v = static_cast<int32_t>(row);
    r.bcnCurGapMin5[row] = 570 + v;
    r.bcnCurGapSec5[row] = 580 + v;
    r.bcnCurColA5[row] = 590 + v;
    r.bcnCurColB5[row] = 600 + v;
  }
}

TEST(ComposeDisplayLists, CardRevealSchedule) {
  struct Case {
    int32_t timer;
    std::size_t rows;  // rows 0-4 shown
    bool further;      // row 5 shown
  };
  const Case cases[] = {{0, 0, false},   {100, 0, false}, {101, 1, false},  {200, 1, false},
                        {201, 2, false}, {301, 3, false}, {500, 4, false},  {501, 5, false},
                        {600, 5, false}, {601, 5, true},  {100000, 5, true}};
  CRuva r;
  loadCard(r, plainCard(10));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.timer);
    r.animTimer = c.timer;
    r.composeDisplayLists();
    const bool next = c.timer > 100;
    EXPECT_EQ(r.dispNextAttr, next ? 2 : 0);
    EXPECT_EQ(r.dispNextHour, next ? 9 : 24);
    EXPECT_EQ(r.dispNextMin, next ? 1 : 60);
    EXPECT_EQ(r.dispNextSec, next ? 30 : 60);
    EXPECT_EQ(r.dispNextNumber, next ? 101 : 0);
    for (std::size_t row = 0; row < 5; ++row) {
      const bool shown = row < c.rows;
      const int32_t v = static_cast<int32_t>(row);
      EXPECT_EQ(r.dispList5Attr[row], shown ? v + 1 : 0) << row;
      EXPECT_EQ(r.dispList5Time1Hour[row], shown ? 8 + v : 24) << row;
      EXPECT_EQ(r.dispList5Time2Sec[row], shown ? 45 : 60) << row;
      EXPECT_EQ(r.dispList5Number[row], shown ? 100 + v : 0) << row;
      EXPECT_EQ(r.dispList5GapMin[row], shown ? (row < 4 ? v : 60) : 60) << row;
      EXPECT_EQ(r.dispList5GapSec[row], shown ? (row < 4 ? 5 : 60) : 60) << row;
      EXPECT_EQ(r.dispList5ColA[row], shown ? 10 * v : 0) << row;
      EXPECT_EQ(r.dispList5ColB[row], shown ? 20 * v : 0) << row;
      EXPECT_EQ(r.dispList7Attr[row], shown ? v + 1 : 0) << row;
      EXPECT_EQ(r.dispList7Time1Hour[row], 24) << row;  // the hour rule
      EXPECT_EQ(r.dispList7Time1Min[row], shown ? v : 60) << row;
      EXPECT_EQ(r.dispList7Time2Hour[row], shown ? 8 + v : 24) << row;
      EXPECT_EQ(r.dispList7Extra[row], shown ? 100 + v : 0) << row;
    }
    EXPECT_EQ(r.dispList7Attr[5], c.further ? 6 : 0);
    EXPECT_EQ(r.dispList7Time1Min[5], c.further ? 5 : 60);
    EXPECT_EQ(r.dispList7Time2Hour[5], c.further ? 13 : 24);
    EXPECT_EQ(r.dispList7Extra[5], c.further ? 105 : 0);
    // The last stop shows from the start, without its extra and without the hour rule.
    EXPECT_EQ(r.dispList7Attr[6], 10);
    EXPECT_EQ(r.dispList7Time1Hour[6], 17);
    EXPECT_EQ(r.dispList7Time1Min[6], 9);
    EXPECT_EQ(r.dispList7Time2Sec[6], 45);
    EXPECT_EQ(r.dispList7Extra[6], 0);
    EXPECT_EQ(r.dispList7Attr.size(), 7u);
    EXPECT_EQ(r.dispList5Attr.size(), 5u);
  }
}

TEST(ComposeDisplayLists, HourRuleKeepsOnlyTheMark) {
  CardRecord card = plainCard(10);
  card.stopTime1[1] = 261000;
  card.stopTime1[9] = 70000;
  CRuva r;
  loadCard(r, std::move(card));
  r.animTimer = 1000;
  r.composeDisplayLists();
  EXPECT_EQ(items(r.dispList7Time1Hour), (Rows{24, 26, 24, 24, 24, 24, 7}));
  EXPECT_EQ(items(r.dispList7Time1Min), (Rows{0, 10, 2, 3, 4, 5, 0}));
  EXPECT_EQ(items(r.dispList5Time1Hour), (Rows{8, 26, 10, 11, 12}));
}

TEST(ComposeDisplayLists, BeaconMode) {
  CRuva r;
  r.resetForTrain();
  fillBeaconLists(r);
  r.animTimer = 350;
  r.composeDisplayLists();
  EXPECT_EQ(r.dispNextAttr, 3);
  EXPECT_EQ(r.dispNextHour, 12);
  EXPECT_EQ(r.dispNextMin, 34);
  EXPECT_EQ(r.dispNextSec, 56);
  EXPECT_EQ(r.dispNextNumber, 78);
  // Both displays take their rows from the same beacon columns.
  EXPECT_EQ(items(r.dispList5Attr), (Rows{500, 501, 502, 0, 0}));
  EXPECT_EQ(items(r.dispList7Attr), (Rows{500, 501, 502, 0, 0, 0, 0}));
  EXPECT_EQ(items(r.dispList5Time1Hour), (Rows{26, 6, 7, 24, 24}));
  EXPECT_EQ(items(r.dispList7Time1Hour), (Rows{26, 24, 24, 24, 24, 24, 24}));
  EXPECT_EQ(items(r.dispList5Number), (Rows{560, 561, 562, 0, 0}));
  EXPECT_EQ(items(r.dispList7Extra), (Rows{560, 561, 562, 0, 0, 0, 0}));
  EXPECT_EQ(items(r.dispList5GapSec), (Rows{580, 581, 582, 60, 60}));
  EXPECT_EQ(items(r.dispList5ColB), (Rows{600, 601, 602, 0, 0}));
  EXPECT_EQ(items(r.dispList7Time2Sec), (Rows{550, 551, 552, 60, 60, 60, 60}));

  r.animTimer = 601;
  r.composeDisplayLists();
  EXPECT_EQ(items(r.dispList7Attr), (Rows{500, 501, 502, 503, 504, 505, 0}));
  EXPECT_EQ(items(r.dispList7Time1Min), (Rows{510, 511, 512, 513, 514, 515, 60}));
  EXPECT_EQ(items(r.dispList5Time2Hour), (Rows{530, 531, 532, 533, 534}));

  r.animTimer = 100;
  r.composeDisplayLists();
  EXPECT_EQ(r.dispNextHour, 24);
  EXPECT_EQ(items(r.dispList7Attr), (Rows{0, 0, 0, 0, 0, 0, 0}));
}

TEST(ComposeDisplayLists, BeaconValuesWinWhenBothModesAreSet) {
  CRuva r;
  loadCard(r, plainCard(10));
  fillBeaconLists(r);
  ASSERT_TRUE(r.cardMode);
  r.animTimer = 150;
  r.composeDisplayLists();
  EXPECT_EQ(r.dispNextNumber, 78);
  EXPECT_EQ(r.dispNextHour, 12);
  // Row 0 from the beacons, row 6 from the card (the beacon side never writes it).
  EXPECT_EQ(items(r.dispList7Attr), (Rows{500, 0, 0, 0, 0, 0, 10}));
  EXPECT_EQ(items(r.dispList5ColA), (Rows{590, 0, 0, 0, 0}));

  r.animTimer = 700;
  r.composeDisplayLists();
  EXPECT_EQ(items(r.dispList7Attr), (Rows{500, 501, 502, 503, 504, 505, 10}));
  EXPECT_EQ(items(r.dispList7Extra), (Rows{560, 561, 562, 563, 564, 565, 0}));
  EXPECT_EQ(items(r.dispList5Number), (Rows{560, 561, 562, 563, 564}));
}

TEST(ComposeDisplayLists, NeitherModeStaysBlank) {
  CRuva r;
  loadCard(r, plainCard(10));
  r.cardMode = false;
  r.dispList5Attr.assign(2, 9);
  r.dispList7Time1Hour.assign(8, 3);
  r.dispNextNumber = 4;
  for (int32_t timer : {0, 101, 5000}) {
    r.animTimer = timer;
    r.composeDisplayLists();
    EXPECT_EQ(r.dispNextAttr, 0);
    EXPECT_EQ(r.dispNextHour, 24);
    EXPECT_EQ(r.dispNextMin, 60);
    EXPECT_EQ(r.dispNextSec, 60);
    EXPECT_EQ(r.dispNextNumber, 0);
    const std::pair<const FixedList*, Rows> blanks[] = {
        {&r.dispList7Attr, Rows(7, 0)},       {&r.dispList7Extra, Rows(7, 0)},
        {&r.dispList7Time1Hour, Rows(7, 24)}, {&r.dispList7Time2Hour, Rows(7, 24)},
        {&r.dispList7Time1Min, Rows(7, 60)},  {&r.dispList7Time1Sec, Rows(7, 60)},
        {&r.dispList7Time2Min, Rows(7, 60)},  {&r.dispList7Time2Sec, Rows(7, 60)},
        {&r.dispList5Attr, Rows(5, 0)},       {&r.dispList5Number, Rows(5, 0)},
        {&r.dispList5ColA, Rows(5, 0)},       {&r.dispList5ColB, Rows(5, 0)},
        {&r.dispList5Time1Hour, Rows(5, 24)}, {&r.dispList5Time2Hour, Rows(5, 24)},
        {&r.dispList5Time1Min, Rows(5, 60)},  {&r.dispList5Time1Sec, Rows(5, 60)},
        {&r.dispList5Time2Min, Rows(5, 60)},  {&r.dispList5Time2Sec, Rows(5, 60)},
        {&r.dispList5GapMin, Rows(5, 60)},    {&r.dispList5GapSec, Rows(5, 60)},
    };
    for (std::size_t i = 0; i < std::size(blanks); ++i) {
      EXPECT_EQ(items(*blanks[i].first), blanks[i].second) << "column " << i;
    }
  }
}

// The frame's reveal, which recomposes only on a change and otherwise brings up the rows
// that came up, shows at every moment what a whole composition shows: through a reveal
// in steps of every size, in each mode and with both, across a change of the lists.
TEST(RevealDisplayLists, ShowsWhatAWholeCompositionShows) {
  struct Setup {
    bool card;
    bool beacon;
  };
  const Setup setups[] = {{true, false}, {false, true}, {true, true}, {false, false}};
  const int32_t steps[] = {1, 16, 33, 99, 250, 700};
  for (const Setup& setup : setups) {
    for (int32_t step : steps) {
      SCOPED_TRACE(testing::Message() << setup.card << setup.beacon << " step " << step);
      CRuva revealed;
      CRuva composed;
      for (CRuva* r : {&revealed, &composed}) {
        loadCard(*r, plainCard(10));
        if (setup.beacon) fillBeaconLists(*r);
        r->cardMode = setup.card;
      }
      for (int32_t t = 0; t <= 1400; t += step) {
        if (t >= 700 && t - step < 700) {
          // New lists once every row is up: only the change itself can tell.
          for (CRuva* r : {&revealed, &composed}) r->selectStop(1);
        }
        revealed.animTimer = composed.animTimer = t;
        revealed.revealDisplayLists();
        composed.composeDisplayLists();
        ASSERT_EQ(revealed.dispNextAttr, composed.dispNextAttr) << t;
        ASSERT_EQ(revealed.dispNextHour, composed.dispNextHour) << t;
        ASSERT_EQ(revealed.dispNextNumber, composed.dispNextNumber) << t;
        for (const ListBlank& b : kDisplayedLists) {
          ASSERT_EQ(items(revealed.*b.list), items(composed.*b.list)) << t;
        }
      }
    }
  }
}

}  // namespace
