// The display settings that choose the variant of the display.
#ifndef RUVA_PLUGIN_SETTINGS_H_
#define RUVA_PLUGIN_SETTINGS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

// One key of section "Disp": its name as the file writes it and the value a missing
// key reads as.
struct DisplaySettingKey {
  std::string_view name;
  int32_t fallback;
};

inline constexpr std::string_view kDisplaySettingsFile = "RUVA_Spec.ini";
inline constexpr std::string_view kDisplaySettingsSection = "Disp";

// The keys in the order Initialize reads them.
inline constexpr DisplaySettingKey kDisplaySettingKeys[] = {
    {"useLegacyDisp", 0},  {"D01ABnum", 5},     {"DispType", 0},
    {"UnitDispEnable", 0}, {"NextStopType", 0},
};

// The key whose value stopListRows normalises.
inline constexpr std::size_t kStopListRowsKey = 1;

// The row count the seven-row list uses for a "D01ABnum" value: 3 and 5 stay, any
// other value gives 5.
int32_t stopListRows(int32_t value);

// Reads section "Disp" of "RUVA_Spec.ini" beside the module into the display state and
// the panel-map settings; missing keys take their defaults.
void readDisplaySettings();

#endif  // RUVA_PLUGIN_SETTINGS_H_
