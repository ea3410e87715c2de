// The module's sixteen entry points as a host program sees them: resolved by name
// from a loaded library, or filled with stand-ins by a test.
#ifndef RUVA_TOOLS_HOST_MODULE_API_H_
#define RUVA_TOOLS_HOST_MODULE_API_H_

#include <cstdint>
#include <string>

#include "platform/shared_library.h"
#include "base/host_records.h"

struct ModuleApi {
  bool (*Load)();
  void (*Dispose)();
  int32_t (*GetPluginVersion)();
  void (*SetVehicleSpec)(VehicleSpecRecord);
  void (*Initialize)(int32_t);
  HandleCommand (*Elapse)(VehicleStateRecord, int32_t*, int32_t*);
  void (*SetPower)(int32_t);
  void (*SetBrake)(int32_t);
  void (*SetReverser)(int32_t);
  void (*KeyDown)(int32_t);
  void (*KeyUp)(int32_t);
  void (*HornBlow)(int32_t);
  void (*DoorOpen)();
  void (*DoorClose)();
  void (*SetSignal)(int32_t);
  void (*SetBeaconData)(BeaconRecord);
};

// Fills `api` from `library`. Returns false with the names that are not exported,
// comma-separated, in `missing`; the entries found are filled all the same.
bool resolveModuleApi(const platform::SharedLibrary& library, ModuleApi& api, std::string& missing);

#endif  // RUVA_TOOLS_HOST_MODULE_API_H_
