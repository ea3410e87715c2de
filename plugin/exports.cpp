// The entry points: each stores what the host hands over or passes the call on, and
// each ends in a catch-all so that no exception reaches the host.
#include "plugin/exports.h"

#include "plugin/beacon_intake.h"
#include "plugin/frame_cycle.h"
#include "plugin/globals.h"
#include "plugin/settings.h"

namespace {

constexpr int32_t kPluginVersion = 0x20000;

}  // namespace

RUVA_EXPORT bool Load() {
  bool anyCardFolder = false;
  try {
    anyCardFolder = csvReader.readCardList();
  } catch (...) {
  }
  powerNotch = 0;
  brakeNotch = 7;
  reverser = 1;
  return anyCardFolder;
}

RUVA_EXPORT void Dispose() {}

RUVA_EXPORT int32_t GetPluginVersion() { return kPluginVersion; }

RUVA_EXPORT void SetVehicleSpec(VehicleSpecRecord spec) { lastVehicleSpec = spec; }

RUVA_EXPORT void Initialize(int32_t) {
  try {
    speed = 0.0f;
    ruva.resetForTrain();
    storeDisplaySettings(readDisplaySettings(specFilePath));
    speedDigitCountdown = 0;
  } catch (...) {
  }
}

RUVA_EXPORT HandleCommand Elapse(VehicleStateRecord state, int32_t* panel, int32_t* sound) {
  try {
    return runFrame(state, panel, sound);
  } catch (...) {
    return handleOutput;
  }
}

RUVA_EXPORT void SetPower(int32_t notch) { powerNotch = notch; }

RUVA_EXPORT void SetBrake(int32_t notch) { brakeNotch = notch; }

RUVA_EXPORT void SetReverser(int32_t position) { reverser = position; }

RUVA_EXPORT void KeyDown(int32_t) {}

RUVA_EXPORT void KeyUp(int32_t) {}

RUVA_EXPORT void HornBlow(int32_t) {}

RUVA_EXPORT void DoorOpen() { ruva.doorOpened = true; }

RUVA_EXPORT void DoorClose() {}

RUVA_EXPORT void SetSignal(int32_t) {}

RUVA_EXPORT void SetBeaconData(BeaconRecord beacon) {
  try {
    takeBeacon(beacon.type, beacon.data);
  } catch (...) {
  }
}
