// Reads the display variant from "RUVA_Spec.ini"; the module does so at every Initialize.
#include "plugin/settings.h"

#include "platform/platform.h"

namespace {

constexpr char kSection[] = "Disp";

}  // namespace

DisplaySettings readDisplaySettings(const char* file) {
  const auto read = [file](const char* key, int32_t fallback) {
    return platform::readProfileInt(kSection, key, fallback, file);
  };
  DisplaySettings settings;
  settings.useLegacyDisp = read("useLegacyDisp", 0) != 0;
  settings.D01ABnum = read("D01ABnum", 5);
  settings.dispType = read("DispType", 0) != 0;
  settings.unitDispEnable = read("UnitDispEnable", 0) != 0;
  settings.nextStopTypeSetting = read("NextStopType", 0);
  if (settings.D01ABnum != 3 && settings.D01ABnum != 5) settings.D01ABnum = 5;
  return settings;
}
