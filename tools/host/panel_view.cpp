#include "tools/host/panel_view.h"

#include "platform/platform.h"

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
// running times (`gapRows`) and of values A and B (`valueRows`).
void decodeFiveRows(const Panel& p, int gapRows, int valueRows, PanelView& view) {
  view.next = StopRecord{p[110], clockTime(p, 111, true), p[115]};
  view.rows.resize(5);
  for (int k = 0; k < 5; ++k) {
    ListRow& row = view.rows[k];
    row.attr = p[130 + k];
    row.time1 = clockTime(p, 140 + 3 * k, true);
    row.time2 = clockTime(p, 160 + 3 * k, true);
    if (k < gapRows) row.gap = minuteSecond(p, 180 + 2 * k);
    row.number = p[190 + k];
    if (k < valueRows) {
      row.colA = p[200 + 2 * k];
      row.colB = p[201 + 2 * k];
    }
  }
}

void decodeStandard(const Layout& layout, const Panel& p, PanelView& view) {
  if (layout.unitDisplay) view.units.assign(p.begin() + 20, p.begin() + 28);
  view.kmHigh = p[98];
  view.kmLow = p[99];
  view.modeLamp = p[114] != 0;
  view.secondNumber = numberAt(p, 116);
  view.secondTime1 = clockTime(p, 122, false);
  view.secondTime2 = clockTime(p, 125, false);
  view.stopByte = p[128];
  view.markerLamp = p[129];
  if (!layout.fiveRowList) {
    view.dest = StopRecord{p[106], clockTime(p, 181, false), p[180]};
    view.info = StopRecord{std::nullopt, clockTime(p, 111, false), p[115]};
    view.infoIndex = p[110];
    view.headerByte = p[178];
    view.headerNumber = p[179];
    view.rows.resize(6);
    for (int k = 0; k < 6; ++k) {
      ListRow& row = view.rows[k];
      row.attr = p[130 + k];
      row.time1 = k < 5 ? clockTime(p, 140 + 3 * k, true) : minuteSecond(p, 156);
      row.time2 = minuteSecond(p, 161 + 3 * k);
      row.number = p[190 + k];
    }
    view.lastStop.attr = p[107];
    view.lastStop.time2 = clockTime(p, 184, false);
    return;
  }
  decodeFiveRows(p, 5, 5, view);
}

void decodeLegacy(const Layout& layout, const Panel& p, PanelView& view) {
  view.dest = StopRecord{p[106], {}, std::nullopt};
  view.lastStop.attr = p[107];
  if (layout.fiveRowList) {
    decodeFiveRows(p, 4, 3, view);
  } else {
    view.rows.resize(6);
    for (int k = 0; k < 6; ++k) {
      ListRow& row = view.rows[k];
      row.attr = p[130 + k];
      row.time1 = clockTime(p, 140 + 3 * k, true);
      row.time2 = clockTime(p, 160 + 3 * k, true);
    }
  }
  view.kmHigh = p[207];
  view.kmLow = p[208];
  view.units.assign(p.begin() + 213, p.begin() + 217);
}

}  // namespace

Layout readLayout(const std::string& settingsFile) {
  const char* file = settingsFile.c_str();
  Layout layout;
  layout.legacy = platform::readProfileInt("Disp", "useLegacyDisp", 0, file) != 0;
  layout.fiveRowList = platform::readProfileInt("Disp", "DispType", 0, file) != 0;
  layout.unitDisplay = platform::readProfileInt("Disp", "UnitDispEnable", 0, file) != 0;
  layout.nextStopType = platform::readProfileInt("Disp", "NextStopType", 0, file);
  return layout;
}

PanelView decodePanel(const Layout& layout, const Panel& p,
                      const std::array<int32_t, kSoundSize>& sound) {
  PanelView view;
  view.layout = layout;
  view.clockHour = p[10];
  view.clockMinute = p[11];
  view.clockSecond = p[12];
  view.speedDigits = {p[230], p[231], p[232], p[233]};
  view.progressCode = p[199];
  view.variantType0 = p[198];
  view.kindType23 = p[248];
  view.variantSum = p[81];
  view.number = numberAt(p, 100);
  if (layout.legacy) {
    decodeLegacy(layout, p, view);
  } else {
    decodeStandard(layout, p, view);
  }
  for (const SoundName& entry : kSoundNames)
    view.sounds.emplace_back(entry.index, sound[entry.index]);
  return view;
}

const char* soundName(int index) {
  for (const SoundName& entry : kSoundNames) {
    if (entry.index == index) return entry.name;
  }
  return "";
}
