// The display settings that choose the variant of the display.
#ifndef RUVA_PLUGIN_SETTINGS_H_
#define RUVA_PLUGIN_SETTINGS_H_

// Reads section "Disp" of "RUVA_Spec.ini" beside the module into the display state and
// the panel-map settings; missing keys take their defaults.
void readDisplaySettings();

#endif  // RUVA_PLUGIN_SETTINGS_H_
