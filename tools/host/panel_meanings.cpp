#include "tools/host/panel_meanings.h"

#include <functional>
#include <optional>

#include "tools/common/messages.h"

namespace {

using Visit = std::function<void(const std::string&, std::optional<int32_t>, ValueKind)>;
constexpr ValueKind kQ = ValueKind::kQuantity;
constexpr ValueKind kC = ValueKind::kCode;

void visitTime(const std::string& name, const TimeCell& t, const Visit& visit) {
  visit(message(Msg::kMeanHour, {name}), t.hour, kQ);
  visit(message(Msg::kMeanMinute, {name}), t.minute, kQ);
  visit(message(t.secondsInFives ? Msg::kMeanSecondFives : Msg::kMeanSecond, {name}), t.second, kQ);
}

void visitNumber(const std::string& name, const TrainNumberCodes& n, const Visit& visit) {
  visit(message(Msg::kMeanPrefix, {name}), n.prefix, ValueKind::kPrefix);
  for (std::size_t i = 0; i < n.digits.size(); ++i)
    visit(message(Msg::kMeanDigit, {name, std::to_string(i + 1)}), n.digits[i], kC);
  visit(message(Msg::kMeanSuffix, {name}), n.suffix, ValueKind::kSuffix);
}

void visitStop(const std::string& name, const std::optional<StopRecord>& stop, const Visit& visit) {
  if (!stop) return;
  visit(message(Msg::kMeanAttribute, {name}), stop->attr, kC);
  visitTime(message(Msg::kMeanTime, {name}), stop->time, visit);
  visit(message(Msg::kMeanNumber, {name}), stop->number, kC);
}

void visitRow(const std::string& name, const ListRow& row, const Visit& visit) {
  visit(message(Msg::kMeanAttribute, {name}), row.attr, kC);
  visitTime(message(Msg::kMeanTime1, {name}), row.time1, visit);
  visitTime(message(Msg::kMeanTime2, {name}), row.time2, visit);
  visitTime(message(Msg::kMeanGap, {name}), row.gap, visit);
  visit(message(Msg::kMeanNumber, {name}), row.number, kC);
  visit(message(Msg::kMeanValueA, {name}), row.colA, kQ);
  visit(message(Msg::kMeanValueB, {name}), row.colB, kQ);
}

// Every value of the view that comes from one panel index, with its name.
void visitView(const PanelView& v, const Visit& visit) {
  visit(message(Msg::kMeanClockHours), v.clockHour, kQ);
  visit(message(Msg::kMeanClockMinutes), v.clockMinute, kQ);
  visit(message(Msg::kMeanClockSeconds), v.clockSecond, kQ);
  const Msg speed[] = {Msg::kLabelSpeed, Msg::kMeanSpeedHundreds, Msg::kMeanSpeedTens,
                       Msg::kMeanSpeedOnes};
  for (std::size_t i = 0; i < v.speedDigits.size(); ++i)
    visit(message(speed[i]), v.speedDigits[i], kQ);
  if (v.modeLamp) visit(message(Msg::kMeanModeLamp), *v.modeLamp ? 1 : 0, ValueKind::kLamp);
  visit(message(Msg::kMeanKmWhole), v.kmHigh, kQ);
  visit(message(Msg::kMeanKmHundreds), v.kmLow, kQ);
  visit(message(Msg::kMeanProgressCode), v.progressCode, kC);
  visit(message(Msg::kMeanCueVariant), v.variantType0, kC);
  visit(message(Msg::kMeanCueKind), v.kindType23, kC);
  visit(message(Msg::kMeanCueSum), v.variantSum, kC);
  visitNumber(message(Msg::kMeanTrainNumber), v.number, visit);
  if (v.secondNumber) visitNumber(message(Msg::kMeanSecondNumber), *v.secondNumber, visit);
  if (v.secondTime1) visitTime(message(Msg::kMeanSecondTime1), *v.secondTime1, visit);
  if (v.secondTime2) visitTime(message(Msg::kMeanSecondTime2), *v.secondTime2, visit);
  visit(message(Msg::kMeanStopByte), v.stopByte, kC);
  visit(message(Msg::kMeanMarkerLamp), v.markerLamp, ValueKind::kLamp);
  visit(message(Msg::kMeanHeaderByte), v.headerByte, kC);
  visit(message(Msg::kMeanHeaderNumber), v.headerNumber, kC);
  visitStop(message(Msg::kMeanNextStop), v.next, visit);
  visitStop(message(Msg::kMeanDest), v.dest, visit);
  visitStop(message(Msg::kMeanInfo), v.info, visit);
  visit(message(Msg::kMeanInfoIndex), v.infoIndex, kC);
  for (std::size_t k = 0; k < v.rows.size(); ++k)
    visitRow(message(Msg::kMeanRow, {std::to_string(k)}), v.rows[k], visit);
  visitRow(message(Msg::kMeanLastStop), v.lastStop, visit);
  for (std::size_t k = 0; k < v.units.size(); ++k)
    visit(message(Msg::kMeanUnitLamp, {std::to_string(k + 1)}), v.units[k], ValueKind::kUnitLamp);
}

struct Named {
  std::string name;
  std::optional<int32_t> value;
  ValueKind kind;
};

std::vector<Named> valuesOf(const PanelView& view) {
  std::vector<Named> values;
  visitView(view, [&](const std::string& name, std::optional<int32_t> value, ValueKind kind) {
    values.push_back({name, value, kind});
  });
  return values;
}

}  // namespace

PanelMeanings panelMeanings(const Layout& layout) {
  // Each index in turn holds a value no other holds; the names whose value changes
  // against the all-zero panel are what that index carries, the first of them its kind.
  constexpr int32_t kProbe = 123456789;
  const std::array<int32_t, kSoundSize> sound{};
  const auto zero = valuesOf(decodePanel(layout, {}, sound));
  PanelMeanings meanings;
  meanings.kinds.fill(kQ);
  for (int i = 0; i < kPanelSize; ++i) {
    std::array<int32_t, kPanelSize> panel{};
    panel[i] = kProbe;
    const auto probed = valuesOf(decodePanel(layout, panel, sound));
    std::string& text = meanings.texts[static_cast<std::size_t>(i)];
    for (std::size_t f = 0; f < probed.size() && f < zero.size(); ++f) {
      if (probed[f].value == zero[f].value) continue;
      if (text.empty()) meanings.kinds[static_cast<std::size_t>(i)] = probed[f].kind;
      text += (text.empty() ? "" : "; ") + probed[f].name;
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
