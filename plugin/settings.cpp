// Reads the display variant from "RUVA_Spec.ini" at every Initialize.
#include "plugin/settings.h"

#include <string>

#include "platform/platform.h"
#include "plugin/globals.h"

namespace {

int32_t readSetting(std::size_t index) {
  const DisplaySettingKey& key = kDisplaySettingKeys[index];
  const std::string section(kDisplaySettingsSection);
  const std::string name(key.name);
  return platform::readProfileInt(section.c_str(), name.c_str(), key.fallback, specFilePath);
}

}  // namespace

int32_t stopListRows(int32_t value) {
  // The stop list has layouts for three and five rows alone.
  return value == 3 || value == 5 ? value : 5;
}

void readDisplaySettings() {
  // The keys are read in the order the file documents them; only the row count is
  // normalised.
  ruva.useLegacyDisp = readSetting(0) != 0;
  ruva.D01ABnum = readSetting(kStopListRowsKey);
  dispType = readSetting(2) != 0;
  unitDispEnable = readSetting(3) != 0;
  nextStopTypeSetting = readSetting(4);
  ruva.D01ABnum = stopListRows(ruva.D01ABnum);
}
