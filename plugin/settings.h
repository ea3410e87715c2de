// The one reader of the display settings, for the module and the tools alike.
#ifndef RUVA_PLUGIN_SETTINGS_H_
#define RUVA_PLUGIN_SETTINGS_H_

#include "display/display_settings.h"

// The settings in section "Disp" of the settings file `file`, read key by key with the
// system's settings reader in the order the file documents them; a missing file or key
// gives the key's default. "D01ABnum" is normalised to 3 or 5, since the stop list has
// layouts for those row counts alone. Changes nothing.
DisplaySettings readDisplaySettings(const char* file);

#endif  // RUVA_PLUGIN_SETTINGS_H_
