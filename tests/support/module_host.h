// Drives the built module from outside, as the host simulator does: the module is
// copied into a vehicle folder and loaded from there, so it finds its settings files
// beside itself, and every copy starts with fresh static state.
#ifndef RUVA_TESTS_SUPPORT_MODULE_HOST_H_
#define RUVA_TESTS_SUPPORT_MODULE_HOST_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/host_records.h"
#include "tests/support/vehicle_folder.h"
#include "tools/common/module_api.h"
#include "tools/platform/shared_library.h"

// The file name of the built module ("ruva.so" or "ruva.dll").
std::string moduleFileName();

class ModuleHost {
 public:
  // Copies the module into `folder`, or into its folder `subfolder` (a byte-string name
  // in the ANSI code page), and loads it from there; fails the current test if it
  // cannot.
  explicit ModuleHost(const VehicleFolder& folder, std::string_view subfolder = {});
  ModuleHost(const ModuleHost&) = delete;
  ModuleHost& operator=(const ModuleHost&) = delete;

  // The host's start-up order: Load, SetVehicleSpec, Initialize. Returns Load's result.
  bool start();
  // One frame at host time `timeMs` with the given speed and traction value.
  HandleCommand frame(int32_t timeMs, float speedKmh = 0.0f, float traction = 0.0f);
  void beacon(int32_t type, int32_t data);

  ModuleApi api{};
  std::array<int32_t, 256> panel{};
  std::array<int32_t, 256> sound{};

 private:
  platform::SharedLibrary library_;
};

#endif  // RUVA_TESTS_SUPPORT_MODULE_HOST_H_
