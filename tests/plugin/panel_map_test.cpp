// The panel map: which index carries which display value in each of the four variants,
// and that every other index keeps what the host left there.
#include "plugin/panel_map.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int32_t kUntouched = -7777;

// Gives every value the map may read a distinct number, so a swapped index shows.
void giveDistinctValues(CRuva& r) {
  int32_t next = 1000;
  for (FixedList* list :
       {&r.numberDigits,      &r.secondNumberDigits, &r.dispList7Attr,      &r.dispList7Time1Hour,
        &r.dispList7Time1Min, &r.dispList7Time1Sec,  &r.dispList7Time2Hour, &r.dispList7Time2Min,
        &r.dispList7Time2Sec, &r.dispList7Extra,     &r.dispList5Attr,      &r.dispList5Time1Hour,
        &r.dispList5Time1Min, &r.dispList5Time1Sec,  &r.dispList5Time2Hour, &r.dispList5Time2Min,
        &r.dispList5Time2Sec, &r.dispList5Number,    &r.dispList5GapMin,    &r.dispList5GapSec,
        &r.dispList5ColA,     &r.dispList5ColB,      &r.unitState}) {
    for (std::size_t k = 0; k < list->size(); ++k) (*list)[k] = next += 7;
  }
  for (int32_t* value : {&r.numberPrefix,     &r.secondNumberPrefix,
                         &r.cardTime1Hour,    &r.cardTime1Min,
                         &r.cardTime1Sec,     &r.cardTime2Hour,
                         &r.cardTime2Min,     &r.cardTime2Sec,
                         &r.curStopCardByte,  &r.cardHeaderByte,
                         &r.cardHeaderNumber, &r.dispNextAttr,
                         &r.dispNextHour,     &r.dispNextMin,
                         &r.dispNextSec,      &r.dispNextNumber,
                         &r.destAttr,         &r.destHour,
                         &r.destMin,          &r.destSec,
                         &r.destNumber,       &r.infoIdx,
                         &r.infoHour,         &r.infoMin,
                         &r.infoSec,          &r.infoNumber}) {
    *value = next += 7;
  }
  r.auxIndicator = true;
  r.cardMode = true;
  r.kmDigits.assign(4, 0);
  r.kmDigits[0] = 10;
  r.kmDigits[1] = 1;
  r.kmDigits[2] = 2;
  r.kmDigits[3] = 5;
}

// The expected writes of one variant, built from the layout tables.
struct Expected {
  std::map<int, int32_t> at;
  void put(int index, int32_t value) { at[index] = value; }
  void rows(int base, int step, const FixedList& list, int n, int divisor = 1) {
    for (int k = 0; k < n; ++k) put(base + step * k, list[k] / divisor);
  }
  void times(int base, const FixedList& h, const FixedList& m, const FixedList& s, int n) {
    rows(base, 3, h, n);
    rows(base + 1, 3, m, n);
    rows(base + 2, 3, s, n, 5);
  }
};

Expected standardCommon(const CRuva& r, bool units) {
  Expected e;
  if (units) e.rows(20, 1, r.unitState, 8);
  e.put(98, 12);
  e.put(99, 5);
  e.put(100, r.numberPrefix);
  e.rows(101, 1, r.numberDigits, 5);
  e.put(114, 1);
  e.put(116, r.secondNumberPrefix);
  e.rows(117, 1, r.secondNumberDigits, 5);
  e.put(122, r.cardTime1Hour);
  e.put(123, r.cardTime1Min);
  e.put(124, r.cardTime1Sec);
  e.put(125, r.cardTime2Hour);
  e.put(126, r.cardTime2Min);
  e.put(127, r.cardTime2Sec);
  e.put(128, r.curStopCardByte);
  e.put(129, 1);
  return e;
}

void fiveRowFamily(Expected& e, const CRuva& r, int gapRows, int columnRows) {
  e.put(111, r.dispNextHour);
  e.put(112, r.dispNextMin);
  e.put(113, r.dispNextSec / 5);
  e.put(115, r.dispNextNumber);
  e.rows(130, 1, r.dispList5Attr, 5);
  e.times(140, r.dispList5Time1Hour, r.dispList5Time1Min, r.dispList5Time1Sec, 5);
  e.times(160, r.dispList5Time2Hour, r.dispList5Time2Min, r.dispList5Time2Sec, 5);
  e.rows(180, 2, r.dispList5GapMin, gapRows);
  e.rows(181, 2, r.dispList5GapSec, gapRows, 5);
  e.rows(190, 1, r.dispList5Number, 5);
  e.rows(200, 2, r.dispList5ColA, columnRows);
  e.rows(201, 2, r.dispList5ColB, columnRows);
}

Expected expectedFor(const CRuva& r, const DisplaySettings& v) {
  Expected e;
  if (!v.useLegacyDisp) {
    e = standardCommon(r, v.unitDispEnable);
    if (v.dispType) {
      e.put(110, r.dispNextAttr);
      fiveRowFamily(e, r, 5, 5);
      return e;
    }
    e.put(106, r.destAttr);
    e.put(107, r.dispList7Attr[6]);
    e.put(110, r.infoIdx);
    e.put(111, r.infoHour);
    e.put(112, r.infoMin);
    e.put(113, r.infoSec);
    e.put(115, r.infoNumber);
    e.rows(130, 1, r.dispList7Attr, 6);
    e.times(140, r.dispList5Time1Hour, r.dispList5Time1Min, r.dispList5Time1Sec, 5);
    e.put(156, r.dispList7Time1Min[5]);
    e.put(157, r.dispList7Time1Sec[5] / 5);
    e.rows(161, 3, r.dispList7Time2Min, 6);
    e.rows(162, 3, r.dispList7Time2Sec, 6, 5);
    e.put(178, r.cardHeaderByte);
    e.put(179, r.cardHeaderNumber);
    e.put(180, r.destNumber);
    e.put(181, r.destHour);
    e.put(182, r.destMin);
    e.put(183, r.destSec);
    e.put(184, r.dispList7Time2Hour[6]);
    e.put(185, r.dispList7Time2Min[6]);
    e.put(186, r.dispList7Time2Sec[6]);
    e.rows(190, 1, r.dispList7Extra, 6);
    return e;
  }
  e.put(100, r.numberPrefix);
  e.rows(101, 1, r.numberDigits, 5);
  e.put(106, r.destAttr);
  e.put(107, r.dispList7Attr[6]);
  if (v.dispType) {
    e.put(110, r.dispNextAttr);
    e.put(116, r.dispNextAttr);
    fiveRowFamily(e, r, 4, 3);
  } else {
    e.rows(130, 1, r.dispList7Attr, 6);
    e.times(140, r.dispList7Time1Hour, r.dispList7Time1Min, r.dispList7Time1Sec, 6);
    e.times(160, r.dispList7Time2Hour, r.dispList7Time2Min, r.dispList7Time2Sec, 6);
  }
  e.put(207, 12);
  e.put(208, 5);
  e.rows(213, 1, r.unitState, 4);
  return e;
}

std::array<int32_t, 256> untouchedPanel() {
  std::array<int32_t, 256> panel;
  panel.fill(kUntouched);
  return panel;
}

TEST(PanelMap, EachVariantWritesExactlyItsIndices) {
  for (bool legacy : {false, true}) {
    for (bool dispType : {false, true}) {
      for (bool units : {false, true}) {
        CRuva r;
        giveDistinctValues(r);
        const DisplaySettings v{legacy, 5, dispType, units, 9};
        auto panel = untouchedPanel();
        writeLayoutPanel(r, v, panel.data());
        const Expected e = expectedFor(r, v);
        for (int i = 0; i < 256; ++i) {
          const auto found = e.at.find(i);
          EXPECT_EQ(panel[i], found == e.at.end() ? kUntouched : found->second)
              << "legacy " << legacy << " dispType " << dispType << " units " << units << " index "
              << i;
        }
      }
    }
  }
}

TEST(PanelMap, KmPostAndModeLampWithoutACard) {
  for (bool legacy : {false, true}) {
    CRuva r;
    DisplaySettings v;
    v.useLegacyDisp = legacy;
    r.kmDigits.assign(4, 7);
    auto panel = untouchedPanel();
    writeLayoutPanel(r, v, panel.data());
    EXPECT_EQ(panel[legacy ? 207 : 98], 300);
    EXPECT_EQ(panel[legacy ? 208 : 99], 10);
    if (!legacy) {
      EXPECT_EQ(panel[114], 0);
      r.beaconMode = true;
      writeLayoutPanel(r, v, panel.data());
      EXPECT_EQ(panel[114], 1);
      EXPECT_EQ(panel[98], 300);
    }
  }
}

TEST(PanelMap, NextStopTypeWhileAStopIsAnnounced) {
  const struct {
    bool legacy;
    int32_t announce;
    int32_t nextStopType;
    int32_t shown;
  } cases[] = {
      {false, 1, 7, 7}, {false, 1, 0, 0}, {false, 0, 7, 3},
      {true, 1, 7, 10}, {true, 1, 0, 0},  {true, 0, 7, 3},
  };
  for (const auto& c : cases) {
    CRuva r;
    DisplaySettings v;
    v.useLegacyDisp = c.legacy;
    r.dispNextAttr = 3;
    r.stopAnnounce = c.announce;
    auto panel = untouchedPanel();
    v.dispType = true;
    v.nextStopTypeSetting = c.nextStopType;
    writeLayoutPanel(r, v, panel.data());
    EXPECT_EQ(panel[110], c.shown) << c.legacy << " " << c.announce << " " << c.nextStopType;
    if (c.legacy) {
      EXPECT_EQ(panel[116], 3);
    }
    // The seven-row family has no such rule.
    v.dispType = false;
    writeLayoutPanel(r, v, panel.data());
    if (!c.legacy) {
      EXPECT_EQ(panel[110], r.infoIdx);
    }
  }
}

TEST(PanelMap, NoTimeSecondsShowAsTwelveWhereDivided) {
  CRuva r;
  DisplaySettings v;
  auto panel = untouchedPanel();
  writeLayoutPanel(r, v, panel.data());
  EXPECT_EQ(panel[142], 12);
  EXPECT_EQ(panel[157], 12);
  EXPECT_EQ(panel[113], 60);  // the info second is not divided
  EXPECT_EQ(panel[186], 60);
  v.dispType = true;
  writeLayoutPanel(r, v, panel.data());
  EXPECT_EQ(panel[113], 12);
}

TEST(SoundMap, CueValuesReachTheirSoundIndices) {
  CRuva r;
  for (int k = 0; k < 12; ++k) r.soundOut[k] = 100 + k;
  std::array<int32_t, 128> sound;
  sound.fill(kUntouched);
  writeSoundArray(r, sound.data());
  const std::map<int, int32_t> expected = {{14, 100}, {15, 102}, {16, 101}, {60, 105}, {61, 106},
                                           {62, 107}, {63, 109}, {64, 110}, {65, 111}, {66, 108}};
  for (int i = 0; i < 128; ++i) {
    const auto found = expected.find(i);
    EXPECT_EQ(sound[i], found == expected.end() ? kUntouched : found->second) << i;
  }
}

}  // namespace
