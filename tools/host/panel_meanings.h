// What each panel and sound index carries in a layout, in words, for the replay page's
// table. The words are read off the display decoding itself (panel_view), so they name
// exactly what `show` and the pictures read from that index.
#ifndef RUVA_TOOLS_HOST_PANEL_MEANINGS_H_
#define RUVA_TOOLS_HOST_PANEL_MEANINGS_H_

#include <array>
#include <string>

#include "tools/host/panel_view.h"

// Per panel index, e.g. "row 2: time 1 hour" or "clock hours"; "" where the layout
// writes nothing.
std::array<std::string, kPanelSize> panelMeanings(const Layout& layout);

// Per sound index, the cue's name; "" where the module writes nothing.
std::array<std::string, kSoundSize> soundMeanings();

#endif  // RUVA_TOOLS_HOST_PANEL_MEANINGS_H_
