// Reading the display back from the panel array: each layout finds its values at the
// indices where the module's panel map puts them, and the codes read as text.
#include "tools/host/panel_view.h"

#include <gtest/gtest.h>

#include <functional>

#include "tools/host/display_codes.h"

namespace {

using Panel = std::array<int32_t, kPanelSize>;
using Sound = std::array<int32_t, kSoundSize>;

// A panel whose every element holds its own index, so a decoded value names the
// index it came from.
Panel numberedPanel() {
  Panel panel{};
  for (int i = 0; i < kPanelSize; ++i) panel[i] = i;
  return panel;
}

Layout layoutOf(bool legacy, bool fiveRows, bool units = false) {
  Layout layout;
  layout.useLegacyDisp = legacy;
  layout.dispType = fiveRows;
  layout.unitDispEnable = units;
  return layout;
}

TEST(PanelView, EachLayoutReadsItsIndices) {
  struct Case {
    const char* what;
    Layout layout;
    std::function<std::optional<int32_t>(const PanelView&)> read;
    std::optional<int32_t> index;  // absent: the layout does not show it
  };
  using V = const PanelView&;
  const Layout stdSeven = layoutOf(false, false);
  const Layout stdFive = layoutOf(false, true);
  const Layout oldSeven = layoutOf(true, false);
  const Layout oldFive = layoutOf(true, true);
  const Case cases[] = {
      {"clock", oldFive, [](V v) { return v.clockSecond; }, 12},
      {"speed", stdSeven, [](V v) { return v.speedDigits[3]; }, 233},
      {"progress", oldSeven, [](V v) { return v.progressCode; }, 199},
      {"number suffix", oldSeven, [](V v) { return v.number.suffix; }, 105},
      {"km std", stdFive, [](V v) { return v.kmHigh; }, 98},
      {"km legacy", oldFive, [](V v) { return v.kmLow; }, 208},
      {"mode lamp legacy", oldSeven, [](V v) { return v.modeLamp ? 1 : std::optional<int32_t>(); },
       std::nullopt},
      {"second number", stdFive, [](V v) { return v.secondNumber->digits[0]; }, 117},
      {"second number legacy", oldFive,
       [](V v) { return v.secondNumber ? v.secondNumber->prefix : std::optional<int32_t>(); },
       std::nullopt},
      {"card time 2", stdSeven, [](V v) { return v.secondTime2->second; }, 127},
      {"info index", stdSeven, [](V v) { return v.infoIndex; }, 110},
      {"info seconds", stdSeven, [](V v) { return v.info->time.second; }, 113},
      {"dest number", stdSeven, [](V v) { return v.dest->number; }, 180},
      {"dest hour", stdSeven, [](V v) { return v.dest->time.hour; }, 181},
      {"dest attr legacy", oldFive, [](V v) { return v.dest->attr; }, 106},
      {"header number", stdSeven, [](V v) { return v.headerNumber; }, 179},
      {"next attr", stdFive, [](V v) { return v.next->attr; }, 110},
      {"next number legacy", oldFive, [](V v) { return v.next->number; }, 115},
      {"no next in seven rows", stdSeven, [](V v) { return v.next ? 1 : std::optional<int32_t>(); },
       std::nullopt},
      {"row 0 time 1 hour", stdSeven, [](V v) { return v.rows[0].time1.hour; }, 140},
      {"row 5 time 1 minute", stdSeven, [](V v) { return v.rows[5].time1.minute; }, 156},
      {"row 5 time 1 hour", stdSeven, [](V v) { return v.rows[5].time1.hour; }, std::nullopt},
      {"row 2 time 2 second", stdSeven, [](V v) { return v.rows[2].time2.second; }, 168},
      {"row 2 time 2 hour", stdSeven, [](V v) { return v.rows[2].time2.hour; }, std::nullopt},
      {"row 5 extra", stdSeven, [](V v) { return v.rows[5].number; }, 195},
      {"last stop attr", stdSeven, [](V v) { return v.lastStop.attr; }, 107},
      {"last stop time 2", stdSeven, [](V v) { return v.lastStop.time2.minute; }, 185},
      {"row 4 time 2 hour", stdFive, [](V v) { return v.rows[4].time2.hour; }, 172},
      {"row 3 gap seconds", stdFive, [](V v) { return v.rows[3].gap.second; }, 187},
      {"row 4 col B", stdFive, [](V v) { return v.rows[4].colB; }, 209},
      {"row 4 gap legacy", oldFive, [](V v) { return v.rows[4].gap.minute; }, std::nullopt},
      {"row 3 gap legacy", oldFive, [](V v) { return v.rows[3].gap.minute; }, 186},
      {"row 3 col A legacy", oldFive, [](V v) { return v.rows[3].colA; }, std::nullopt},
      {"row 2 col A legacy", oldFive, [](V v) { return v.rows[2].colA; }, 204},
      {"row 5 time 2 hour legacy", oldSeven, [](V v) { return v.rows[5].time2.hour; }, 175},
      {"unit 3 legacy", oldSeven, [](V v) { return v.units[3]; }, 216},
  };
  const Panel panel = numberedPanel();
  for (const Case& c : cases) {
    const PanelView view = decodePanel(c.layout, panel, Sound{});
    EXPECT_EQ(c.read(view), c.index) << c.what;
  }
}

TEST(PanelView, RowCountsAndUnitLampsFollowTheLayout) {
  const Panel panel = numberedPanel();
  EXPECT_EQ(decodePanel(layoutOf(false, false), panel, Sound{}).rows.size(), 6u);
  EXPECT_EQ(decodePanel(layoutOf(false, true), panel, Sound{}).rows.size(), 5u);
  EXPECT_TRUE(decodePanel(layoutOf(false, true, false), panel, Sound{}).units.empty());
  const PanelView withUnits = decodePanel(layoutOf(false, true, true), panel, Sound{});
  ASSERT_EQ(withUnits.units.size(), 8u);
  EXPECT_EQ(withUnits.units[7], 27);
  EXPECT_EQ(decodePanel(layoutOf(true, false, true), panel, Sound{}).units.size(), 4u);
}

TEST(PanelView, SoundsAreReadAtTheModulesIndices) {
  Sound sound{};
  sound[15] = 1;
  sound[66] = 2;
  const PanelView view = decodePanel(Layout{}, Panel{}, sound);
  ASSERT_EQ(view.sounds.size(), 10u);
  EXPECT_EQ(view.sounds[1], (std::pair<int, int32_t>{15, 1}));
  EXPECT_EQ(view.sounds[9], (std::pair<int, int32_t>{66, 2}));
  EXPECT_STREQ(soundName(15), "arrival cue 2");
  EXPECT_STREQ(soundName(17), "");
}

TEST(DisplayCodes, TrainNumbersReadAsTheyAreWritten) {
  struct Case {
    TrainNumberCodes codes;
    const char* text;
  };
  const Case cases[] = {
      {{3, {1, 2, 3, 4}, 8}, "回1234M"},    {{50, {10, 1, 2, 3}, 0}, "123A"},
      {{10, {9, 5, 0, 1}, 40}, "試単9501"}, {{42, {10, 10, 10, 7}, 33}, "構試7入"},
      {{50, {10, 30, 37, 28}, 17}, "NULL"}, {{50, {10, 10, 10, 10}, 40}, ""},
      {{0, {10, 10, 4, 2}, 34}, "42"},
  };
  for (const Case& c : cases) EXPECT_EQ(trainNumberText(c.codes), c.text);
}

TEST(DisplayCodes, TimesShowBlanksMarksAndFiveSecondSteps) {
  struct Case {
    TimeCell cell;
    const char* text;
  };
  const Case cases[] = {
      {{8, 30, 5, false}, "08:30:05"},  {{8, 30, 1, true}, "08:30:05"},
      {{24, 60, 12, true}, "--:--:--"}, {{24, 60, 60, false}, "--:--:--"},
      {{26, 60, 12, true}, "↓:--:--"},  {{25, 60, 12, true}, "停:--:--"},
      {{27, 5, 0, true}, "〓:05:00"},   {{std::nullopt, 45, 11, true}, "45:55"},
      {{25, 7, 60, false}, "停:07:--"}, {{}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(timeText(c.cell), c.text);
  EXPECT_EQ(kmPostText(300, 10), "-");
  EXPECT_EQ(kmPostText(12, 5), "12.5 km");
  EXPECT_EQ(kmPostText(0, 9), "0.9 km");
}

}  // namespace
