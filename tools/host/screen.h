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

// The card stop behind something the display shows.
struct NamedStop {
  int32_t row = -1;  // the stop's row among the card's stop rows, counted from 0; -1: unknown
  std::string name;  // UTF-8
};

// The card stops behind the lists and the next-stop record of a frame.
struct NamedLists {
  int current = -1;             // the current stop, an index of StopNames::stops(); -1: none
  std::vector<NamedStop> rows;  // per row of PanelView::rows
  NamedStop lastStop;
  NamedStop nextStop;
};

// True when a row of the lists (the last stop's included) has its card stop.
inline bool anyRowNamed(const NamedLists& stops) {
  for (const NamedStop& stop : stops.rows) {
    if (stop.row >= 0) return true;
  }
  return stops.lastStop.row >= 0;
}

// When and where the screen was taken, and the sounds started since the last one.
struct ScreenContext {
  uint64_t frame = 0;
  int32_t hostTimeMs = 0;
  double speedKmh = 0.0;
  double odometerM = 0.0;
  std::vector<SoundStart> soundsStarted;
  NamedLists stops;  // shown beside the codes where known
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
// "train", list row K its times, card row and stop name "row-K-time1", "row-K-time2",
// "row-K-card" and "row-K-name" ("row-last-..." for the last stop), and the next stop's
// card row and name "next-card" and "next-name".
std::vector<std::string> drawScreen(const PanelView& view, const ScreenContext& context);

// The layout in words, e.g. "standard layout, five-row list, unit lamps".
std::string layoutName(const Layout& layout);

#endif  // RUVA_TOOLS_HOST_SCREEN_H_
