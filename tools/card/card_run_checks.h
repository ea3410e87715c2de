// What the display makes of a parsed card as a train runs it: entries of the event and
// range tables that can never act, stop values the display shows otherwise, and a
// timetable or a line of km posts that cannot be meant. The stop changes come from the
// display's own stop selection, the windows from its own window rules.
#ifndef RUVA_TOOLS_CARD_CARD_RUN_CHECKS_H_
#define RUVA_TOOLS_CARD_CARD_RUN_CHECKS_H_

#include <string>
#include <vector>

#include "tools/card/card_lines.h"
#include "tools/card/lint_remark.h"

class CRuva;

// How far a section length may miss the distance between the km posts of its row and
// the next before the checker says so: the last digit that the display shows.
inline constexpr double kKmPostTolerance = 0.1;

// `km` for people: at most three decimals, without trailing zeros ("2.1", "12").
std::string kilometres(double km);

// Adds the remarks on the card that `display` holds, parsed from `lines`, to `out`. The
// run moves the display from stop to stop; its card stays as parsed.
void lintCardRun(CRuva& display, const CardLines& lines, std::vector<LintRemark>& out);

#endif  // RUVA_TOOLS_CARD_CARD_RUN_CHECKS_H_
