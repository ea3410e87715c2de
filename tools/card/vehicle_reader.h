// The module's card reader as the module itself would hold it in a vehicle folder: the
// checks and views that say what the module finds in a vehicle all start from it.
#ifndef RUVA_TOOLS_CARD_VEHICLE_READER_H_
#define RUVA_TOOLS_CARD_VEHICLE_READER_H_

#include <cstddef>
#include <memory>
#include <string>

#include "card/csv_reader.h"

// The longest path of a vehicle folder, in bytes, that the module reads its settings
// files from: its paths hold the folder, a separator and the card list's name.
inline constexpr std::size_t kLongestVehicleFolder =
    CCsvread::kPathSize - 1 - 1 - kCardListFile.size();

// A card reader placed in the vehicle folder `vehicle` (absolute) as the module would be,
// its card list read, with what that reading returned (the result of Load) into
// `anyFolder` when given; null where the folder's path is too long for the module's
// paths, so that the module reads neither settings file there.
std::unique_ptr<CCsvread> readerInVehicle(const std::string& vehicle, bool* anyFolder = nullptr);

#endif  // RUVA_TOOLS_CARD_VEHICLE_READER_H_
