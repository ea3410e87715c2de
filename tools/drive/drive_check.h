// What a driver would see go wrong on the drive of one card: the card is driven through
// the module linked into this program, from its first stop row to its last as
// `ruvahost --card` drives it, and the display is judged from what the module writes
// into the panel and sound arrays, read back through the panel layout.
//
// Where the display is comes from the module too: before the drive, each listed stop
// row is made the current stop in turn (the stop-select card beacon, at standstill) and
// what the display then shows of the stops is kept. During the drive, whenever the
// display shows one of those, it is at that row. No rule of the display is copied here.
#ifndef RUVA_TOOLS_DRIVE_DRIVE_CHECK_H_
#define RUVA_TOOLS_DRIVE_DRIVE_CHECK_H_

#include <string>
#include <vector>

#include "tools/card/lint_remark.h"

// The remarks on the drive of the card file `cardFile` of the vehicle folder `vehicle`
// (an absolute path; both byte strings in the ANSI code page), in line order: a stop
// the display never gives as the next one, a stop time it never shows or shows blank,
// an event or range cue that never sounds, a stand after which the display does not
// move on, a run whose display never reaches the last stop. None when the card cannot
// be driven (no stop rows, or no card code loads this file); the vehicle check names
// those.
std::vector<LintRemark> driveCheckRemarks(const std::string& cardFile, const std::string& vehicle);

#endif  // RUVA_TOOLS_DRIVE_DRIVE_CHECK_H_
