// The display as a person reads it: a labelled text screen for the terminal and the
// same content as an SVG picture, which the replay page shows too.
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
  std::vector<std::string> rowNames;  // the card stop beside each list row, "" for none
  std::string lastStopName;
};

// Fonts of the pictures and the page: Japanese ones first (stop names, prefixes, marks).
constexpr const char* kScreenFonts =
    "'IPAGothic', 'IPAexGothic', 'Noto Sans Mono CJK JP', 'MS Gothic', 'Osaka-Mono', monospace";

std::string renderText(const PanelView& view, const ScreenContext& context);
// The picture as an SVG file.
std::string renderSvg(const PanelView& view, const ScreenContext& context);
// The same picture as its elements in drawing order, each a line of SVG: the first is
// the start tag of the <svg> element without its namespace (an HTML page needs none),
// the rest are its children. The line of frame, host time, speed and run is the text
// element with id "frame-line"; the clock and the train number have ids "clock" and
// "train", and list row K its times and stop name "row-K-time1", "row-K-time2" and
// "row-K-name" ("row-last-..." for the last stop).
std::vector<std::string> drawScreen(const PanelView& view, const ScreenContext& context);

// The layout in words, e.g. "standard layout, five-row list, unit lamps".
std::string layoutName(const Layout& layout);

#endif  // RUVA_TOOLS_HOST_SCREEN_H_
