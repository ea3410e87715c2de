#include "plugin/attach.h"

#include <cstring>

#include "platform/module_entry.h"
#include "platform/platform.h"
#include "plugin/globals.h"
#include "plugin/settings.h"

namespace {

// Writes the concatenation of `parts` into `out` when it fits with its terminator;
// otherwise leaves `out` empty and returns false.
template <std::size_t N>
bool joinBounded(char (&out)[N], std::initializer_list<const char*> parts) {
  std::size_t length = 0;
  for (const char* part : parts) length += std::strlen(part);
  out[0] = '\0';
  if (length >= N) return false;
  for (const char* part : parts) std::strcat(out, part);
  return true;
}

}  // namespace

void attachModule(const char* moduleFileName) {
  if (moduleFileName == nullptr) moduleFileName = "";
  char drive[3];
  char dir[256];
  if (joinBounded(csvReader.modulePath, {moduleFileName}) &&
      platform::splitModulePath(moduleFileName, drive, dir)) {
    joinBounded(specFilePath, {drive, dir, kDisplaySettingsFile.data()});
  } else {
    csvReader.modulePath[0] = '\0';
    specFilePath[0] = '\0';
  }
  ruva.vehicleState = &lastVehicleState;
  ruva.frameTime = &deltaTime;
}

void platform::moduleAttached(const char* moduleFileName) {
  attachModule(moduleFileName);
}
