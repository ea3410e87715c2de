// The display settings: the five values of section "Disp" of "RUVA_Spec.ini" that
// choose the variant of the display. Read at every Initialize into CRuva; the panel
// map and the stop selection act on them, and the tools read the same file through the
// same reader to know the layout.
#ifndef RUVA_DISPLAY_DISPLAY_SETTINGS_H_
#define RUVA_DISPLAY_DISPLAY_SETTINGS_H_

#include <cstdint>

struct DisplaySettings {
  bool useLegacyDisp = false;       // legacy panel layout instead of the standard one
  int32_t D01ABnum = 0;             // rows of the seven-row list taken from a card: 3 or 5
  bool dispType = false;            // five-row family instead of the seven-row one
  bool unitDispEnable = false;      // standard layout: write the eight unit lamps
  int32_t nextStopTypeSetting = 0;  // shown for the next stop while a stop is announced
};

#endif  // RUVA_DISPLAY_DISPLAY_SETTINGS_H_
