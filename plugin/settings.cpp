// Reads the display variant from "RUVA_Spec.ini"; the module does so at every Initialize.
#include "plugin/settings.h"

#include <iterator>
#include <string>

#include "platform/platform.h"
#include "plugin/globals.h"

int32_t stopListRows(int32_t value) { return value == 3 || value == 5 ? value : 5; }

DisplaySettings readDisplaySettings(const char* file) {
  const std::string section(kDisplaySettingsSection);
  std::string names[std::size(kDisplaySettingKeys)];
  platform::ProfileIntKey keys[std::size(kDisplaySettingKeys)];
  for (std::size_t i = 0; i < std::size(kDisplaySettingKeys); ++i) {
    names[i] = kDisplaySettingKeys[i].name;
    keys[i] = {names[i].c_str(), kDisplaySettingKeys[i].fallback, kDisplaySettingKeys[i].fallback};
  }
  platform::readProfileInts(section.c_str(), keys, file);
  DisplaySettings settings;
  settings.useLegacyDisp = keys[kUseLegacyDispKey].value != 0;
  settings.D01ABnum = stopListRows(keys[kStopListRowsKey].value);
  settings.dispType = keys[kDispTypeKey].value != 0;
  settings.unitDispEnable = keys[kUnitDispEnableKey].value != 0;
  settings.nextStopTypeSetting = keys[kNextStopTypeKey].value;
  return settings;
}

void storeDisplaySettings(const DisplaySettings& settings) {
  ruva.useLegacyDisp = settings.useLegacyDisp;
  ruva.D01ABnum = settings.D01ABnum;
  dispType = settings.dispType;
  unitDispEnable = settings.unitDispEnable;
  nextStopTypeSetting = settings.nextStopTypeSetting;
}
