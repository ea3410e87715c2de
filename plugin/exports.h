// The sixteen entry points that the host simulator finds by name.
//
// Conventions of this boundary:
// 1. Plain C names, no decoration; the records are passed and returned by value and the
//    platform's calling convention decides how they travel.
// 2. The host calls every entry point on one thread, one call at a time.
// 3. Nothing reports an error: bad input is clamped or ignored where it is read.
// 4. No C++ exception leaves an entry point; a failure ends the call quietly.
// 5. Only these symbols are visible outside the module.
#ifndef RUVA_PLUGIN_EXPORTS_H_
#define RUVA_PLUGIN_EXPORTS_H_

#include <cstdint>

#include "base/host_records.h"

#if defined(_WIN32)
#define RUVA_EXPORT extern "C" __declspec(dllexport)
#else
#define RUVA_EXPORT extern "C" __attribute__((visibility("default")))
#endif

RUVA_EXPORT bool Load();
RUVA_EXPORT void Dispose();
RUVA_EXPORT int32_t GetPluginVersion();
RUVA_EXPORT void SetVehicleSpec(VehicleSpecRecord spec);
RUVA_EXPORT void Initialize(int32_t brakePosition);
RUVA_EXPORT HandleCommand Elapse(VehicleStateRecord state, int32_t* panel, int32_t* sound);
RUVA_EXPORT void SetPower(int32_t notch);
RUVA_EXPORT void SetBrake(int32_t notch);
RUVA_EXPORT void SetReverser(int32_t position);
RUVA_EXPORT void KeyDown(int32_t key);
RUVA_EXPORT void KeyUp(int32_t key);
RUVA_EXPORT void HornBlow(int32_t horn);
RUVA_EXPORT void DoorOpen();
RUVA_EXPORT void DoorClose();
RUVA_EXPORT void SetSignal(int32_t signal);
RUVA_EXPORT void SetBeaconData(BeaconRecord beacon);

// The sixteen names, in the order above: host programs resolve the entry points through
// this list, and the build writes the linker's export lists from it.
// clang-format off
#define RUVA_EXPORT_NAMES(X)                                                              \
  X(Load) X(Dispose) X(GetPluginVersion) X(SetVehicleSpec) X(Initialize) X(Elapse)        \
  X(SetPower) X(SetBrake) X(SetReverser) X(KeyDown) X(KeyUp) X(HornBlow) X(DoorOpen)      \
  X(DoorClose) X(SetSignal) X(SetBeaconData)
// clang-format on

#endif  // RUVA_PLUGIN_EXPORTS_H_
