#include "tools/host/panel_view.h"

#include <utility>

#include "tools/common/messages.h"

namespace {

using Panel = std::array<int32_t, kPanelSize>;

TimeCell clockTime(const Panel& p, int hour, bool fives) {
  return {p[hour], p[hour + 1], p[hour + 2], fives};
}

TimeCell minuteSecond(const Panel& p, int minute) {
  return {std::nullopt, p[minute], p[minute + 1], true};
}

TrainNumberCodes numberAt(const Panel& p, int first) {
  return {p[first], {p[first + 1], p[first + 2], p[first + 3], p[first + 4]}, p[first + 5]};
}

// The five-row list and the next-stop record; the legacy layout has fewer rows of
// running times (`gapRows`) and of values A and B (`columnRows`).
void decodeFiveRows(const Panel& p, int gapRows, int columnRows, PanelView& view) {
  view.next = StopRecord{p[panel::kNextStop], clockTime(p, panel::kNextStopTime, true),
                         p[panel::kNextStopNumber]};
  view.rows.resize(panel::kFiveRows);
  for (int k = 0; k < panel::kFiveRows; ++k) {
    ListRow& row = view.rows[k];
    row.attr = p[panel::kListAttr + k];
    row.time1 = clockTime(p, panel::kListTime1 + 3 * k, true);
    row.time2 = clockTime(p, panel::kListTime2 + 3 * k, true);
    if (k < gapRows) row.gap = minuteSecond(p, panel::kListGap + 2 * k);
    row.number = p[panel::kListNumber + k];
    if (k < columnRows) {
      row.colA = p[panel::kListColumns + 2 * k];
      row.colB = p[panel::kListColumns + 2 * k + 1];
    }
  }
}

void decodeStandard(const Layout& layout, const Panel& p, PanelView& view) {
  if (layout.unitDispEnable) {
    view.units.assign(p.begin() + panel::kUnits, p.begin() + panel::kUnits + panel::kUnitCount);
  }
  view.kmHigh = p[panel::kKmWhole];
  view.kmLow = p[panel::kKmTenths];
  view.modeLamp = p[panel::kModeLamp] != 0;
  view.secondNumber = numberAt(p, panel::kSecondNumber);
  view.secondTime1 = clockTime(p, panel::kSecondTime1, false);
  view.secondTime2 = clockTime(p, panel::kSecondTime2, false);
  view.stopByte = p[panel::kStopCardByte];
  view.markerLamp = p[panel::kMarkerLamp];
  if (!layout.dispType) {
    view.dest = StopRecord{p[panel::kDestAttr], clockTime(p, panel::kDestTime, false),
                           p[panel::kDestNumber]};
    view.info = StopRecord{std::nullopt, clockTime(p, panel::kNextStopTime, false),
                           p[panel::kNextStopNumber]};
    view.infoIndex = p[panel::kNextStop];
    view.headerByte = p[panel::kHeaderByte];
    view.headerNumber = p[panel::kHeaderNumber];
    view.rows.resize(panel::kSevenRowsShown);
    for (int k = 0; k < panel::kSevenRowsShown; ++k) {
      ListRow& row = view.rows[k];
      row.attr = p[panel::kListAttr + k];
      row.time1 = k < panel::kFiveRows ? clockTime(p, panel::kListTime1 + 3 * k, true)
                                       : minuteSecond(p, panel::kRow5Time1);
      row.time2 = minuteSecond(p, panel::kListTime2 + 1 + 3 * k);
      row.number = p[panel::kListNumber + k];
    }
    view.lastStop.attr = p[panel::kLastStopAttr];
    view.lastStop.time2 = clockTime(p, panel::kLastStopTime2, false);
    return;
  }
  decodeFiveRows(p, panel::kStandardGapRows, panel::kStandardColumnRows, view);
}

void decodeLegacy(const Layout& layout, const Panel& p, PanelView& view) {
  view.dest = StopRecord{p[panel::kDestAttr], {}, std::nullopt};
  view.lastStop.attr = p[panel::kLastStopAttr];
  if (layout.dispType) {
    decodeFiveRows(p, panel::kLegacyGapRows, panel::kLegacyColumnRows, view);
  } else {
    view.rows.resize(panel::kSevenRowsShown);
    for (int k = 0; k < panel::kSevenRowsShown; ++k) {
      ListRow& row = view.rows[k];
      row.attr = p[panel::kListAttr + k];
      row.time1 = clockTime(p, panel::kListTime1 + 3 * k, true);
      row.time2 = clockTime(p, panel::kListTime2 + 3 * k, true);
    }
  }
  view.kmHigh = p[panel::kLegacyKmWhole];
  view.kmLow = p[panel::kLegacyKmTenths];
  view.units.assign(p.begin() + panel::kLegacyUnits,
                    p.begin() + panel::kLegacyUnits + panel::kLegacyUnitCount);
}

}  // namespace

PanelView decodePanel(const Layout& layout, const Panel& p,
                      const std::array<int32_t, kSoundSize>& sound) {
  PanelView view;
  view.layout = layout;
  view.clockHour = p[panel::kClockHour];
  view.clockMinute = p[panel::kClockHour + 1];
  view.clockSecond = p[panel::kClockHour + 2];
  view.speedDigits = {p[panel::kSpeedWhole], p[panel::kSpeedWhole + 1], p[panel::kSpeedWhole + 2],
                      p[panel::kSpeedWhole + 3]};
  view.progressCode = p[panel::kProgressCode];
  view.variantType0 = p[panel::kVariantType0];
  view.kindType23 = p[panel::kKindType23];
  view.variantSum = p[panel::kVariantSum];
  view.number = numberAt(p, panel::kTrainNumber);
  if (layout.useLegacyDisp) {
    decodeLegacy(layout, p, view);
  } else {
    decodeStandard(layout, p, view);
  }
  for (const panel::SoundSlot& slot : panel::kSoundSlots)
    view.sounds.emplace_back(slot.index, sound[slot.index]);
  return view;
}

std::string soundLabel(int index) {
  // Keyed by the cue each sound index carries (CRuva::soundOut), the module's own fact.
  static constexpr std::pair<int, Msg> kCueNames[] = {
      {0, Msg::kSoundArrival1},  {2, Msg::kSoundArrival2}, {1, Msg::kSoundBrakeTone},
      {5, Msg::kSoundType0},     {6, Msg::kSoundType1},    {7, Msg::kSoundType23},
      {9, Msg::kSoundRangeStop}, {10, Msg::kSoundKmRange}, {11, Msg::kSoundBlankScreen},
      {8, Msg::kSoundNearPoint},
  };
  for (const panel::SoundSlot& slot : panel::kSoundSlots) {
    if (slot.index != index) continue;
    for (const auto& [cue, name] : kCueNames) {
      if (cue == slot.cue) return message(name);
    }
    return slot.name;
  }
  return "";
}

const char* soundName(int index) {
  for (const panel::SoundSlot& slot : panel::kSoundSlots) {
    if (slot.index == index) return slot.name;
  }
  return "";
}
