// What each panel and sound index carries in a layout, in words, for the replay page's
// table. The words are read off the display decoding itself (panel_view), so they name
// exactly what `show` and the pictures read from that index.
#ifndef RUVA_TOOLS_HOST_PANEL_MEANINGS_H_
#define RUVA_TOOLS_HOST_PANEL_MEANINGS_H_

#include <array>
#include <cstdint>
#include <string>

#include "tools/host/panel_view.h"

// What kind of value an index holds, which says how to draw it over time: quantities
// as lines, the rest as lanes of states, named by value where the kind has names.
enum class ValueKind : uint8_t {
  kQuantity,  // times, digits, the km post, values of the card's columns
  kCode,      // attributes, stop numbers, bytes, cue codes: named by their numbers
  kLamp,      // 0 off, 1 on
  kUnitLamp,  // 0 idle, 1 powering, 2 braking
  kPrefix,    // a train-number prefix picture
  kSuffix,    // a train-number suffix picture
  kSound,     // a sound value: -10000 off, 0 on, 1 start, 2 keep
};

struct PanelMeanings {
  // Per panel index, e.g. "row 2: time 1 hour" or "clock hours"; "" where the layout
  // writes nothing.
  std::array<std::string, kPanelSize> texts;
  std::array<ValueKind, kPanelSize> kinds;  // kQuantity where the layout writes nothing
};

PanelMeanings panelMeanings(const Layout& layout);

// Per sound index, the cue's name; "" where the module writes nothing.
std::array<std::string, kSoundSize> soundMeanings();

#endif  // RUVA_TOOLS_HOST_PANEL_MEANINGS_H_
