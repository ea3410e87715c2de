// The one reader of the display settings, for the module and the tools alike, and the
// keys it reads, which the authors' checker names.
#ifndef RUVA_PLUGIN_SETTINGS_H_
#define RUVA_PLUGIN_SETTINGS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/display_settings.h"
#include "plugin/globals.h"

// One key of section "Disp": its name as the file writes it and the value a missing
// key reads as.
struct DisplaySettingKey {
  std::string_view name;
  int32_t fallback;
};

inline constexpr std::string_view kDisplaySettingsFile = "RUVA_Spec.ini";
inline constexpr std::string_view kDisplaySettingsSection = "Disp";

// The keys in the order they are read.
inline constexpr DisplaySettingKey kDisplaySettingKeys[] = {
    {"useLegacyDisp", 0},  {"D01ABnum", 5},     {"DispType", 0},
    {"UnitDispEnable", 0}, {"NextStopType", 0},
};

// Each key's place in kDisplaySettingKeys; "D01ABnum" is the one stopListRows
// normalises.
inline constexpr std::size_t kUseLegacyDispKey = 0;
inline constexpr std::size_t kStopListRowsKey = 1;
inline constexpr std::size_t kDispTypeKey = 2;
inline constexpr std::size_t kUnitDispEnableKey = 3;
inline constexpr std::size_t kNextStopTypeKey = 4;

// The row count the seven-row list uses for a "D01ABnum" value: 3 and 5 stay, any
// other value gives 5, since the stop list has layouts for those row counts alone.
int32_t stopListRows(int32_t value);

// The settings in section "Disp" of the settings file `file`, read with the system's
// settings reader in the order of kDisplaySettingKeys (key by key on Windows; the native
// stand-in reads the file once); a missing file or key gives the key's default, and
// "D01ABnum" goes through stopListRows. Changes nothing.
DisplaySettings readDisplaySettings(const char* file);

// Stores `settings` where the module keeps them: "useLegacyDisp" and "D01ABnum" in
// CRuva, the other three in their globals.
void storeDisplaySettings(const DisplaySettings& settings);

// The settings in force, gathered from those places, for the panel writer. Inline: the
// panel writer asks for them in every frame.
inline DisplaySettings displaySettingsInForce() {
  return {ruva.useLegacyDisp, ruva.D01ABnum, dispType, unitDispEnable, nextStopTypeSetting};
}

#endif  // RUVA_PLUGIN_SETTINGS_H_
