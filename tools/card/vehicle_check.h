// `ruvacard vehicle`: a whole vehicle folder as the module will read it. The display
// settings, the card list, every card file in every card folder, and the names of the
// card files that no card code reaches; then a table of the card folders.
#ifndef RUVA_TOOLS_CARD_VEHICLE_CHECK_H_
#define RUVA_TOOLS_CARD_VEHICLE_CHECK_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/card/remark_report.h"

// Remarks on one card file of a vehicle beyond the card check's, such as those of its
// drive: from the card file's path and the vehicle folder's, both absolute.
using MoreCardRemarks =
    std::function<std::vector<LintRemark>(const std::string& cardFile, const std::string& vehicle)>;

// Adds the remarks on the vehicle in `folder` (shown as `shownFolder`) to `report`,
// then, when there was an error or a warning or `withTable` asks for it, the table:
// entry, folder, cards found, cards with errors. Notes come only `withNotes`; `more`,
// when given, adds its remarks to each card file's. A vehicle without remarks thus
// prints nothing unless asked.
void checkVehicle(const std::string& folder, std::string_view shownFolder, bool withNotes,
                  bool withTable, RemarkReport& report, const MoreCardRemarks& more = {});

#endif  // RUVA_TOOLS_CARD_VEHICLE_CHECK_H_
