// Puts a CCsvread's module file into a vehicle folder, as process attach would.
#ifndef RUVA_TESTS_CARD_MODULE_BESIDE_H_
#define RUVA_TESTS_CARD_MODULE_BESIDE_H_

#include <cstring>
#include <string>

#include "card/csv_reader.h"
#include "tests/support/vehicle_folder.h"

inline void placeModule(CCsvread& reader, const VehicleFolder& folder) {
  const std::string path = folder.prefix() + "ruva.so";
  ASSERT_LT(path.size(), sizeof reader.modulePath);
  std::strcpy(reader.modulePath, path.c_str());
}

#endif  // RUVA_TESTS_CARD_MODULE_BESIDE_H_
