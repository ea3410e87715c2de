// Reading the card list at Load: which of the 32 card folders named in
// "RUVA_ICCard.ini" beside the module exist.
#include <charconv>
#include <cstring>

#include "card/csv_reader.h"
#include "platform/platform.h"

bool CCsvread::readCardList() {
  // Each Load reads the file afresh, so an edited card list takes effect and repeated
  // Loads do not pile up entries.
  cardList.clear();
  // The module path is bounded by its array even if no terminator was written.
  const std::string module(modulePath, strnlen(modulePath, sizeof modulePath));
  // Without the module's own folder the only folder left would be the host process's
  // current one, whose files are not the vehicle's.
  const bool fits = platform::splitModulePath(module.c_str(), moduleDrive, moduleDir) &&
                    moduleDir[0] != '\0' &&
                    std::strlen(moduleDrive) + std::strlen(moduleDir) + kCardListFile.size() + 1 <=
                        sizeof cardListPath;
  if (!fits) {
    // No card list can be read from a folder whose paths do not fit.
    moduleDrive[0] = '\0';
    moduleDir[0] = '\0';
    cardListPath[0] = '\0';
    for (int entry = 0; entry < kCardListEntries; ++entry) cardList.emplace_back(kNullEntry);
    return false;
  }
  std::strcpy(cardListPath, moduleDrive);
  std::strcat(cardListPath, moduleDir);
  std::strcat(cardListPath, kCardListFile.data());

  // All 32 entries in one reading of the file.
  char keys[kCardListEntries][4] = {};
  // Zeroed: a value that does not fit may leave bytes of the buffer unwritten.
  char values[kCardListEntries][kPathSize] = {};
  platform::ProfileStringKey wanted[kCardListEntries];
  for (int entry = 0; entry < kCardListEntries; ++entry) {
    std::to_chars(keys[entry], keys[entry] + sizeof keys[entry] - 1, entry);
    wanted[entry] = {keys[entry], values[entry], sizeof values[entry]};
  }
  platform::readProfileStrings(kCardListSection.data(), wanted, kNullEntry.data(), cardListPath);

  const std::string folder = platform::appendPath(moduleDrive, moduleDir);
  bool anyExists = false;
  for (const char* value : values) {
    if (platform::pathExists(platform::appendPath(folder, value))) {
      anyExists = true;
      cardList.emplace_back(value);
    } else {
      cardList.emplace_back(kNullEntry);
    }
  }
  return anyExists;
}
