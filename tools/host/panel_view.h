// What the cab display shows, read back from the panel and sound arrays: the inverse
// of the module's panel map for each layout. Only what the layout in force writes is
// filled in; everything else stays absent.
#ifndef RUVA_TOOLS_HOST_PANEL_VIEW_H_
#define RUVA_TOOLS_HOST_PANEL_VIEW_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/blank_values.h"
#include "display/display_settings.h"
#include "plugin/panel_layout.h"

constexpr int kPanelSize = 256;
constexpr int kSoundSize = 256;
static_assert(kPanelSize >= panel::kPanelMinSize && kSoundSize >= panel::kSoundMinSize);

// The display settings choose which panel indices carry what; the tools read them
// with the module's own reader (plugin/settings.h).
using Layout = DisplaySettings;

// A time on the display. A part that the layout does not show is absent; the values
// are those of the panel (24 and 60 for nothing, 25 to 27 in the hour for marks).
struct TimeCell {
  std::optional<int32_t> hour;
  std::optional<int32_t> minute;
  std::optional<int32_t> second;
  bool secondsInFives = false;  // the panel holds seconds / 5 (12 for nothing)
  bool operator==(const TimeCell&) const = default;
};

struct StopRecord {
  std::optional<int32_t> attr;
  TimeCell time;
  std::optional<int32_t> number;
  bool operator==(const StopRecord&) const = default;
};

struct ListRow {
  std::optional<int32_t> attr;
  TimeCell time1;
  TimeCell time2;
  TimeCell gap;  // minutes and seconds to the next row
  std::optional<int32_t> number;
  std::optional<int32_t> colA;
  std::optional<int32_t> colB;
  bool operator==(const ListRow&) const = default;
};

struct TrainNumberCodes {
  int32_t prefix = 50;
  std::array<int32_t, 4> digits{};
  int32_t suffix = 40;
};

struct PanelView {
  Layout layout;
  int32_t clockHour = 0, clockMinute = 0, clockSecond = 0;
  std::array<int32_t, 4> speedDigits{};  // whole, hundreds, tens, ones as last refreshed
  std::optional<bool> modeLamp;
  int32_t kmHigh = kNoKmWhole;  // whole kilometres
  int32_t kmLow = kNoKmTenths;  // hundreds of metres
  int32_t progressCode = 0;
  int32_t variantType0 = 0;
  int32_t kindType23 = 0;
  int32_t variantSum = 0;
  TrainNumberCodes number;
  std::optional<TrainNumberCodes> secondNumber;
  std::optional<TimeCell> secondTime1;
  std::optional<TimeCell> secondTime2;
  std::optional<int32_t> stopByte;
  std::optional<int32_t> markerLamp;
  std::optional<int32_t> headerByte;
  std::optional<int32_t> headerNumber;
  std::optional<StopRecord> next;
  std::optional<StopRecord> dest;
  std::optional<StopRecord> info;
  std::optional<int32_t> infoIndex;
  std::vector<ListRow> rows;
  ListRow lastStop;
  std::vector<int32_t> units;
  std::vector<std::pair<int, int32_t>> sounds;  // sound index and value, in index order
};

// Decodes the arrays as the layout writes them.
PanelView decodePanel(const Layout& layout, const std::array<int32_t, kPanelSize>& panel,
                      const std::array<int32_t, kSoundSize>& sound);

// What the sound index cues, e.g. "arrival cue 1"; empty for an index the module does not write.
const char* soundName(int index);

// soundName in the language of the messages.
std::string soundLabel(int index);

#endif  // RUVA_TOOLS_HOST_PANEL_VIEW_H_
