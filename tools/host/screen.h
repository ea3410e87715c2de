// The display as a person reads it: a labelled text screen for the terminal and the
// same content as an SVG picture.
#ifndef RUVA_TOOLS_HOST_SCREEN_H_
#define RUVA_TOOLS_HOST_SCREEN_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tools/host/panel_view.h"

struct SoundStart {
  int index;
  uint64_t frame;
};

// When and where the screen was taken, and the sounds started since the last one.
struct ScreenContext {
  uint64_t frame = 0;
  int32_t hostTimeMs = 0;
  double speedKmh = 0.0;
  double odometerM = 0.0;
  std::vector<SoundStart> soundsStarted;
};

std::string renderText(const PanelView& view, const ScreenContext& context);
std::string renderSvg(const PanelView& view, const ScreenContext& context);

// The layout in words, e.g. "standard layout, five-row list, unit lamps".
std::string layoutName(const Layout& layout);

#endif  // RUVA_TOOLS_HOST_SCREEN_H_
