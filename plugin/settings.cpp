// Reads the display variant from "RUVA_Spec.ini" at every Initialize.
#include "plugin/settings.h"

#include "platform/platform.h"
#include "plugin/globals.h"

namespace {

constexpr char kSection[] = "Disp";

int32_t readSetting(const char* key, int32_t fallback) {
  return platform::readProfileInt(kSection, key, fallback, specFilePath);
}

}  // namespace

void readDisplaySettings() {
  // The keys are read in the order the file documents them; only the row count is
  // normalised, since the stop list has layouts for three and five rows alone.
  ruva.useLegacyDisp = readSetting("useLegacyDisp", 0) != 0;
  ruva.D01ABnum = readSetting("D01ABnum", 5);
  dispType = readSetting("DispType", 0) != 0;
  unitDispEnable = readSetting("UnitDispEnable", 0) != 0;
  nextStopTypeSetting = readSetting("NextStopType", 0);
  if (ruva.D01ABnum != 3 && ruva.D01ABnum != 5) ruva.D01ABnum = 5;
}
