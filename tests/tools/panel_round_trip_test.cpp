// The module's panel map and ruvahost's reader share one panel layout: whatever the
// module writes in a layout, the reader finds again as the same display value.
#include <gtest/gtest.h>

#include <memory>

#include "display/ruva.h"
#include "plugin/panel_map.h"
#include "tools/host/panel_view.h"

namespace {

constexpr int32_t kUntouched = -7;

// Every displayed value distinct and positive, seconds in multiples of five so that the
// panel's seconds / 5 read back exactly.
std::unique_ptr<CRuva> distinctDisplay() {
  auto d = std::make_unique<CRuva>();
  int32_t next = 1;
  auto fill = [&](FixedList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = next++;
  };
  auto fillSeconds = [&](FixedList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = 5 * next++;
  };
  for (FixedList* list :
       {&d->dispList7Attr, &d->dispList7Time1Hour, &d->dispList7Time1Min, &d->dispList7Time2Hour,
        &d->dispList7Time2Min, &d->dispList7Extra, &d->dispList5Attr, &d->dispList5Time1Hour,
        &d->dispList5Time1Min, &d->dispList5Time2Hour, &d->dispList5Time2Min, &d->dispList5Number,
        &d->dispList5GapMin, &d->dispList5ColA, &d->dispList5ColB, &d->numberDigits,
        &d->secondNumberDigits, &d->unitState}) {
    fill(*list);
  }
  for (FixedList* list : {&d->dispList7Time1Sec, &d->dispList7Time2Sec, &d->dispList5Time1Sec,
                          &d->dispList5Time2Sec, &d->dispList5GapSec}) {
    fillSeconds(*list);
  }
  for (int32_t* value : {&d->numberPrefix,     &d->secondNumberPrefix,
                         &d->cardTime1Hour,    &d->cardTime1Min,
                         &d->cardTime1Sec,     &d->cardTime2Hour,
                         &d->cardTime2Min,     &d->cardTime2Sec,
                         &d->curStopCardByte,  &d->destAttr,
                         &d->destHour,         &d->destMin,
                         &d->destSec,          &d->destNumber,
                         &d->infoIdx,          &d->infoHour,
                         &d->infoMin,          &d->infoSec,
                         &d->infoNumber,       &d->cardHeaderByte,
                         &d->cardHeaderNumber, &d->dispNextAttr,
                         &d->dispNextHour,     &d->dispNextMin,
                         &d->dispNextNumber}) {
    *value = next++;
  }
  d->dispNextSec = 5 * next++;
  d->cardMode = true;
  d->auxIndicator = true;
  d->kmDigits.assign(4, 0);
  d->kmDigits[0] = 1;
  d->kmDigits[1] = 2;
  d->kmDigits[2] = 3;
  d->kmDigits[3] = 4;
  return d;
}

// `hour` absent where the layout shows minutes and seconds only.
void expectTime(const TimeCell& cell, std::optional<int32_t> hour, int32_t minute, int32_t second) {
  EXPECT_EQ(cell.hour, hour);
  EXPECT_EQ(cell.minute, minute);
  ASSERT_TRUE(cell.second);
  EXPECT_EQ(cell.secondsInFives ? *cell.second * 5 : *cell.second, second);
}

void expectNumber(const TrainNumberCodes& codes, int32_t prefix, const FixedList& digits) {
  EXPECT_EQ(codes.prefix, prefix);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(codes.digits[i], digits[i]);
  EXPECT_EQ(codes.suffix, digits[4]);
}

void expectFiveRows(const CRuva& d, const PanelView& view, std::size_t gapRows,
                    std::size_t columnRows) {
  ASSERT_TRUE(view.next);
  EXPECT_EQ(view.next->attr, d.dispNextAttr);
  expectTime(view.next->time, d.dispNextHour, d.dispNextMin, d.dispNextSec);
  EXPECT_EQ(view.next->number, d.dispNextNumber);
  ASSERT_EQ(view.rows.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    const ListRow& row = view.rows[k];
    EXPECT_EQ(row.attr, d.dispList5Attr[k]);
    expectTime(row.time1, d.dispList5Time1Hour[k], d.dispList5Time1Min[k], d.dispList5Time1Sec[k]);
    expectTime(row.time2, d.dispList5Time2Hour[k], d.dispList5Time2Min[k], d.dispList5Time2Sec[k]);
    EXPECT_EQ(row.number, d.dispList5Number[k]);
    EXPECT_EQ(row.gap.minute.has_value(), k < gapRows);
    if (k < gapRows) expectTime(row.gap, std::nullopt, d.dispList5GapMin[k], d.dispList5GapSec[k]);
    EXPECT_EQ(row.colA, k < columnRows ? std::optional<int32_t>(d.dispList5ColA[k]) : std::nullopt);
    EXPECT_EQ(row.colB, k < columnRows ? std::optional<int32_t>(d.dispList5ColB[k]) : std::nullopt);
  }
}

TEST(PanelRoundTrip, EveryLayoutReadsBackWhatTheModuleWrote) {
  const std::unique_ptr<CRuva> display = distinctDisplay();
  const CRuva& d = *display;
  for (int variantBits = 0; variantBits < 8; ++variantBits) {
    Layout layout;
    layout.useLegacyDisp = (variantBits & 1) != 0;
    layout.dispType = (variantBits & 2) != 0;
    layout.unitDispEnable = (variantBits & 4) != 0;
    SCOPED_TRACE("legacy " + std::to_string(layout.useLegacyDisp) + ", five rows " +
                 std::to_string(layout.dispType) + ", units " +
                 std::to_string(layout.unitDispEnable));
    std::array<int32_t, kPanelSize> panelArray;
    panelArray.fill(kUntouched);
    std::array<int32_t, kSoundSize> soundArray;
    soundArray.fill(kUntouched);
    writeLayoutPanel(d, layout, panelArray.data());
    writeSoundArray(d, soundArray.data());
    const PanelView view = decodePanel(layout, panelArray, soundArray);

    expectNumber(view.number, d.numberPrefix, d.numberDigits);
    EXPECT_EQ(view.kmHigh, 123);
    EXPECT_EQ(view.kmLow, 4);
    for (const auto& [index, value] : view.sounds) EXPECT_NE(value, kUntouched) << index;
    if (layout.useLegacyDisp) {
      ASSERT_TRUE(view.dest);
      EXPECT_EQ(view.dest->attr, d.destAttr);
      EXPECT_EQ(view.lastStop.attr, d.dispList7Attr[6]);
      EXPECT_EQ(view.units, std::vector<int32_t>(d.unitState.begin(), d.unitState.begin() + 4));
      if (layout.dispType) {
        expectFiveRows(d, view, 4, 3);
        continue;
      }
      ASSERT_EQ(view.rows.size(), 6u);
      for (std::size_t k = 0; k < 6; ++k) {
        const ListRow& row = view.rows[k];
        EXPECT_EQ(row.attr, d.dispList7Attr[k]);
        expectTime(row.time1, d.dispList7Time1Hour[k], d.dispList7Time1Min[k],
                   d.dispList7Time1Sec[k]);
        expectTime(row.time2, d.dispList7Time2Hour[k], d.dispList7Time2Min[k],
                   d.dispList7Time2Sec[k]);
      }
      continue;
    }

    EXPECT_EQ(view.units.empty(), !layout.unitDispEnable);
    if (layout.unitDispEnable) {
      EXPECT_EQ(view.units, std::vector<int32_t>(d.unitState.begin(), d.unitState.end()));
    }
    EXPECT_EQ(view.modeLamp, true);
    ASSERT_TRUE(view.secondNumber && view.secondTime1 && view.secondTime2);
    expectNumber(*view.secondNumber, d.secondNumberPrefix, d.secondNumberDigits);
    expectTime(*view.secondTime1, d.cardTime1Hour, d.cardTime1Min, d.cardTime1Sec);
    expectTime(*view.secondTime2, d.cardTime2Hour, d.cardTime2Min, d.cardTime2Sec);
    EXPECT_EQ(view.stopByte, d.curStopCardByte);
    EXPECT_EQ(view.markerLamp, 1);
    if (layout.dispType) {
      expectFiveRows(d, view, 5, 5);
      continue;
    }
    ASSERT_TRUE(view.dest && view.info);
    EXPECT_EQ(view.dest->attr, d.destAttr);
    expectTime(view.dest->time, d.destHour, d.destMin, d.destSec);
    EXPECT_EQ(view.dest->number, d.destNumber);
    EXPECT_EQ(view.infoIndex, d.infoIdx);
    expectTime(view.info->time, d.infoHour, d.infoMin, d.infoSec);
    EXPECT_EQ(view.info->number, d.infoNumber);
    EXPECT_EQ(view.headerByte, d.cardHeaderByte);
    EXPECT_EQ(view.headerNumber, d.cardHeaderNumber);
    ASSERT_EQ(view.rows.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
      const ListRow& row = view.rows[k];
      EXPECT_EQ(row.attr, d.dispList7Attr[k]);
      if (k < 5) {
        expectTime(row.time1, d.dispList5Time1Hour[k], d.dispList5Time1Min[k],
                   d.dispList5Time1Sec[k]);
      } else {
        expectTime(row.time1, std::nullopt, d.dispList7Time1Min[k], d.dispList7Time1Sec[k]);
      }
      expectTime(row.time2, std::nullopt, d.dispList7Time2Min[k], d.dispList7Time2Sec[k]);
      EXPECT_EQ(row.number, d.dispList7Extra[k]);
    }
    EXPECT_EQ(view.lastStop.attr, d.dispList7Attr[6]);
    expectTime(view.lastStop.time2, d.dispList7Time2Hour[6], d.dispList7Time2Min[6],
               d.dispList7Time2Sec[6]);
  }
}

}  // namespace
