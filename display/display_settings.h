// The display settings: the five values of section "Disp" of "RUVA_Spec.ini" that
// choose the variant of the display, as one value. The module's one reader returns it;
// Initialize stores "useLegacyDisp" and "D01ABnum" in CRuva and the other three in the
// plug-in's globals, where the rest of the module reads them by name; the panel writer
// takes them together as this value, and so do the tools.
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
