// Reads the display variant from "RUVA_Spec.ini"; the module does so at every Initialize.
#include "plugin/settings.h"

#include <string>

#include "platform/platform.h"
#include "plugin/globals.h"

int32_t stopListRows(int32_t value) { return value == 3 || value == 5 ? value : 5; }

DisplaySettings readDisplaySettings(const char* file) {
  const std::string section(kDisplaySettingsSection);
  const auto read = [&section, file](std::size_t index) {
    const DisplaySettingKey& key = kDisplaySettingKeys[index];
    return platform::readProfileInt(section.c_str(), std::string(key.name).c_str(), key.fallback,
                                    file);
  };
  DisplaySettings settings;
  settings.useLegacyDisp = read(kUseLegacyDispKey) != 0;
  settings.D01ABnum = stopListRows(read(kStopListRowsKey));
  settings.dispType = read(kDispTypeKey) != 0;
  settings.unitDispEnable = read(kUnitDispEnableKey) != 0;
  settings.nextStopTypeSetting = read(kNextStopTypeKey);
  return settings;
}

void storeDisplaySettings(const DisplaySettings& settings) {
  ruva.useLegacyDisp = settings.useLegacyDisp;
  ruva.D01ABnum = settings.D01ABnum;
  dispType = settings.dispType;
  unitDispEnable = settings.unitDispEnable;
  nextStopTypeSetting = settings.nextStopTypeSetting;
}

DisplaySettings displaySettingsInForce() {
  return {ruva.useLegacyDisp, ruva.D01ABnum, dispType, unitDispEnable, nextStopTypeSetting};
}
