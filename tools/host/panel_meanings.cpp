#include "tools/host/panel_meanings.h"

#include <functional>
#include <optional>

namespace {

using Visit = std::function<void(const std::string&, std::optional<int32_t>)>;

void visitTime(const std::string& name, const TimeCell& t, const Visit& visit) {
  const std::string fives = t.secondsInFives ? " / 5" : "";
  visit(name + " hour", t.hour);
  visit(name + " minute", t.minute);
  visit(name + " second" + fives, t.second);
}

void visitNumber(const std::string& name, const TrainNumberCodes& n, const Visit& visit) {
  visit(name + " prefix", n.prefix);
  for (std::size_t i = 0; i < n.digits.size(); ++i)
    visit(name + " digit " + std::to_string(i + 1), n.digits[i]);
  visit(name + " suffix", n.suffix);
}

void visitStop(const std::string& name, const std::optional<StopRecord>& stop,
               const Visit& visit) {
  if (!stop) return;
  visit(name + ": attribute", stop->attr);
  visitTime(name + ": time", stop->time, visit);
  visit(name + ": number", stop->number);
}

void visitRow(const std::string& name, const ListRow& row, const Visit& visit) {
  visit(name + ": attribute", row.attr);
  visitTime(name + ": time 1", row.time1, visit);
  visitTime(name + ": time 2", row.time2, visit);
  visitTime(name + ": gap", row.gap, visit);
  visit(name + ": number", row.number);
  visit(name + ": value A", row.colA);
  visit(name + ": value B", row.colB);
}

// Every value of the view that comes from one panel index, with its name.
void visitView(const PanelView& v, const Visit& visit) {
  visit("clock hours", v.clockHour);
  visit("clock minutes", v.clockMinute);
  visit("clock seconds", v.clockSecond);
  const char* speed[] = {"speed", "speed hundreds digit", "speed tens digit", "speed ones digit"};
  for (std::size_t i = 0; i < v.speedDigits.size(); ++i) visit(speed[i], v.speedDigits[i]);
  if (v.modeLamp) visit("mode lamp", *v.modeLamp ? 1 : 0);
  visit("km post: whole km", v.kmHigh);
  visit("km post: hundreds of metres", v.kmLow);
  visit("progress code", v.progressCode);
  visit("cue variant (type 0)", v.variantType0);
  visit("cue kind (types 2, 3)", v.kindType23);
  visit("cue variants summed", v.variantSum);
  visitNumber("train number", v.number, visit);
  if (v.secondNumber) visitNumber("second train number", *v.secondNumber, visit);
  if (v.secondTime1) visitTime("second train time 1", *v.secondTime1, visit);
  if (v.secondTime2) visitTime("second train time 2", *v.secondTime2, visit);
  visit("current stop's card byte", v.stopByte);
  visit("marker lamp", v.markerLamp);
  visit("card header byte", v.headerByte);
  visit("card header number", v.headerNumber);
  visitStop("next stop", v.next, visit);
  visitStop("dest", v.dest, visit);
  visitStop("info", v.info, visit);
  visit("info: index", v.infoIndex);
  for (std::size_t k = 0; k < v.rows.size(); ++k) visitRow("row " + std::to_string(k), v.rows[k], visit);
  visitRow("last stop", v.lastStop, visit);
  for (std::size_t k = 0; k < v.units.size(); ++k) visit("unit " + std::to_string(k + 1) + " lamp", v.units[k]);
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
  for (const panel::SoundSlot& entry : panel::kSoundSlots) meanings[entry.index] = entry.name;
  return meanings;
}
