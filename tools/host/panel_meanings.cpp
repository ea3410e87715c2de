#include "tools/host/panel_meanings.h"

#include <functional>
#include <optional>

#include "tools/common/messages.h"

namespace {

using Visit = std::function<void(const std::string&, std::optional<int32_t>)>;

void visitTime(const std::string& name, const TimeCell& t, const Visit& visit) {
  visit(message(Msg::kMeanHour, {name}), t.hour);
  visit(message(Msg::kMeanMinute, {name}), t.minute);
  visit(message(t.secondsInFives ? Msg::kMeanSecondFives : Msg::kMeanSecond, {name}), t.second);
}

void visitNumber(const std::string& name, const TrainNumberCodes& n, const Visit& visit) {
  visit(message(Msg::kMeanPrefix, {name}), n.prefix);
  for (std::size_t i = 0; i < n.digits.size(); ++i)
    visit(message(Msg::kMeanDigit, {name, std::to_string(i + 1)}), n.digits[i]);
  visit(message(Msg::kMeanSuffix, {name}), n.suffix);
}

void visitStop(const std::string& name, const std::optional<StopRecord>& stop, const Visit& visit) {
  if (!stop) return;
  visit(message(Msg::kMeanAttribute, {name}), stop->attr);
  visitTime(message(Msg::kMeanTime, {name}), stop->time, visit);
  visit(message(Msg::kMeanNumber, {name}), stop->number);
}

void visitRow(const std::string& name, const ListRow& row, const Visit& visit) {
  visit(message(Msg::kMeanAttribute, {name}), row.attr);
  visitTime(message(Msg::kMeanTime1, {name}), row.time1, visit);
  visitTime(message(Msg::kMeanTime2, {name}), row.time2, visit);
  visitTime(message(Msg::kMeanGap, {name}), row.gap, visit);
  visit(message(Msg::kMeanNumber, {name}), row.number);
  visit(message(Msg::kMeanValueA, {name}), row.colA);
  visit(message(Msg::kMeanValueB, {name}), row.colB);
}

// Every value of the view that comes from one panel index, with its name.
void visitView(const PanelView& v, const Visit& visit) {
  visit(message(Msg::kMeanClockHours), v.clockHour);
  visit(message(Msg::kMeanClockMinutes), v.clockMinute);
  visit(message(Msg::kMeanClockSeconds), v.clockSecond);
  const Msg speed[] = {Msg::kLabelSpeed, Msg::kMeanSpeedHundreds, Msg::kMeanSpeedTens,
                       Msg::kMeanSpeedOnes};
  for (std::size_t i = 0; i < v.speedDigits.size(); ++i) visit(message(speed[i]), v.speedDigits[i]);
  if (v.modeLamp) visit(message(Msg::kMeanModeLamp), *v.modeLamp ? 1 : 0);
  visit(message(Msg::kMeanKmWhole), v.kmHigh);
  visit(message(Msg::kMeanKmHundreds), v.kmLow);
  visit(message(Msg::kMeanProgressCode), v.progressCode);
  visit(message(Msg::kMeanCueVariant), v.variantType0);
  visit(message(Msg::kMeanCueKind), v.kindType23);
  visit(message(Msg::kMeanCueSum), v.variantSum);
  visitNumber(message(Msg::kMeanTrainNumber), v.number, visit);
  if (v.secondNumber) visitNumber(message(Msg::kMeanSecondNumber), *v.secondNumber, visit);
  if (v.secondTime1) visitTime(message(Msg::kMeanSecondTime1), *v.secondTime1, visit);
  if (v.secondTime2) visitTime(message(Msg::kMeanSecondTime2), *v.secondTime2, visit);
  visit(message(Msg::kMeanStopByte), v.stopByte);
  visit(message(Msg::kMeanMarkerLamp), v.markerLamp);
  visit(message(Msg::kMeanHeaderByte), v.headerByte);
  visit(message(Msg::kMeanHeaderNumber), v.headerNumber);
  visitStop(message(Msg::kMeanNextStop), v.next, visit);
  visitStop(message(Msg::kMeanDest), v.dest, visit);
  visitStop(message(Msg::kMeanInfo), v.info, visit);
  visit(message(Msg::kMeanInfoIndex), v.infoIndex);
  for (std::size_t k = 0; k < v.rows.size(); ++k)
    visitRow(message(Msg::kMeanRow, {std::to_string(k)}), v.rows[k], visit);
  visitRow(message(Msg::kMeanLastStop), v.lastStop, visit);
  for (std::size_t k = 0; k < v.units.size(); ++k)
    visit(message(Msg::kMeanUnitLamp, {std::to_string(k + 1)}), v.units[k]);
}

std::vector<std::pair<std::string, std::optional<int32_t>>> valuesOf(const PanelView& view) {
  std::vector<std::pair<std::string, std::optional<int32_t>>> values;
  visitView(view, [&](const std::string& name, std::optional<int32_t> value) {
    values.emplace_back(name, value);
  });
  return values;
}

}  // namespace

std::array<std::string, kPanelSize> panelMeanings(const Layout& layout) {
  // Each index in turn holds a value no other holds; the names whose value changes
  // against the all-zero panel are what that index carries.
  constexpr int32_t kProbe = 123456789;
  const std::array<int32_t, kSoundSize> sound{};
  const auto zero = valuesOf(decodePanel(layout, {}, sound));
  std::array<std::string, kPanelSize> meanings;
  for (int i = 0; i < kPanelSize; ++i) {
    std::array<int32_t, kPanelSize> panel{};
    panel[i] = kProbe;
    const auto probed = valuesOf(decodePanel(layout, panel, sound));
    for (std::size_t f = 0; f < probed.size() && f < zero.size(); ++f) {
      if (probed[f].second == zero[f].second) continue;
      meanings[i] += (meanings[i].empty() ? "" : "; ") + probed[f].first;
    }
  }
  return meanings;
}

std::array<std::string, kSoundSize> soundMeanings() {
  std::array<std::string, kSoundSize> meanings;
  for (const panel::SoundSlot& entry : panel::kSoundSlots) {
    meanings[entry.index] = soundLabel(entry.index);
  }
  return meanings;
}
