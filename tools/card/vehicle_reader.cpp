#include "tools/card/vehicle_reader.h"

#include <cstring>

#include "platform/platform.h"

namespace {

// Any name of the module file gives the same folders; the card list's path is the
// longest that the module builds in its folder.
constexpr std::string_view kModuleFile = "ruva";

}  // namespace

std::unique_ptr<CCsvread> readerInVehicle(const std::string& vehicle, bool* anyFolder) {
  auto reader = std::make_unique<CCsvread>();
  const std::string module = platform::appendPath(vehicle, kModuleFile);
  if (module.size() >= sizeof reader->modulePath) return nullptr;
  std::memcpy(reader->modulePath, module.c_str(), module.size() + 1);
  const bool found = reader->readCardList();
  if (anyFolder != nullptr) *anyFolder = found;
  // The module reads no card list from a folder whose card-list path does not fit.
  if (reader->cardListPath[0] == '\0') return nullptr;
  return reader;
}
