// The drive of a card written out as a scenario script for ruvahost: one command a
// line, a comment before every run and every stand, and a note and a snapshot at every
// card row, so that an author can read the drive, edit it and play it.
#ifndef RUVA_TOOLS_DRIVE_DRIVE_SCRIPT_H_
#define RUVA_TOOLS_DRIVE_DRIVE_SCRIPT_H_

#include <string>
#include <string_view>

#include "card/card_record.h"
#include "tools/drive/drive_plan.h"

// The script of `plan`, the drive of `card`, in the language of the messages (UTF-8).
// `shownCard` names the card file in the first comment. Snapshots go to CODE/row-NN.svg
// (the card code, the card row) under the folder that ruvahost's --out names.
std::string driveScript(const DrivePlan& plan, const CardRecord& card, std::string_view shownCard);

#endif  // RUVA_TOOLS_DRIVE_DRIVE_SCRIPT_H_
