// Where the display state goes in the host's panel and sound arrays, per display
// variant. Straight-line copies; no search, no allocation.
#ifndef RUVA_PLUGIN_PANEL_MAP_H_
#define RUVA_PLUGIN_PANEL_MAP_H_

#include <cstdint>

#include "display/display_settings.h"
#include "display/ruva.h"
#include "plugin/panel_layout.h"

// Writes the route and stop indices of the layout that `variant` chooses into `panel`
// (at least panel::kPanelMinSize elements). Indices the variant does not own keep what
// the host left there.
void writeLayoutPanel(const CRuva& display, const DisplaySettings& variant, int32_t* panel);

// Writes the sound values into `sound` (at least panel::kSoundMinSize elements).
void writeSoundArray(const CRuva& display, int32_t* sound);

#endif  // RUVA_PLUGIN_PANEL_MAP_H_
