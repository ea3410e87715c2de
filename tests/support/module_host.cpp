#include "tests/support/module_host.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

std::string moduleFileName() {
  return fs::path(RUVA_MODULE_FILE).filename().string();
}

namespace {

template <typename Function>
void resolve(const platform::SharedLibrary& library, const char* name, Function& out) {
  out = reinterpret_cast<Function>(library.symbol(name));
  if (out == nullptr) ADD_FAILURE() << "the module does not export " << name;
}

}  // namespace

ModuleHost::ModuleHost(const VehicleFolder& folder) {
  const fs::path copy = folder.path() / moduleFileName();
  fs::copy_file(RUVA_MODULE_FILE, copy, fs::copy_options::overwrite_existing);
  std::string error;
  if (!library_.open(copy.string(), error)) {
    ADD_FAILURE() << error;
    return;
  }
  resolve(library_, "Load", api.Load);
  resolve(library_, "Dispose", api.Dispose);
  resolve(library_, "GetPluginVersion", api.GetPluginVersion);
  resolve(library_, "SetVehicleSpec", api.SetVehicleSpec);
  resolve(library_, "Initialize", api.Initialize);
  resolve(library_, "Elapse", api.Elapse);
  resolve(library_, "SetPower", api.SetPower);
  resolve(library_, "SetBrake", api.SetBrake);
  resolve(library_, "SetReverser", api.SetReverser);
  resolve(library_, "KeyDown", api.KeyDown);
  resolve(library_, "KeyUp", api.KeyUp);
  resolve(library_, "HornBlow", api.HornBlow);
  resolve(library_, "DoorOpen", api.DoorOpen);
  resolve(library_, "DoorClose", api.DoorClose);
  resolve(library_, "SetSignal", api.SetSignal);
  resolve(library_, "SetBeaconData", api.SetBeaconData);
}

bool ModuleHost::start() {
  const bool result = api.Load();
  api.SetVehicleSpec(VehicleSpecRecord{});
  api.Initialize(0);
  return result;
}

HandleCommand ModuleHost::frame(int32_t timeMs, float speedKmh, float traction) {
  VehicleStateRecord state{};
  state.time = timeMs;
  state.speed = speedKmh;
  state.traction = traction;
  return api.Elapse(state, panel.data(), sound.data());
}

void ModuleHost::beacon(int32_t type, int32_t data) {
  BeaconRecord record{};
  record.type = type;
  record.data = data;
  api.SetBeaconData(record);
}
