#include "tools/host/module_api.h"

namespace {

template <typename Function>
void resolve(const platform::SharedLibrary& library, const char* name, Function& out,
             std::string& missing) {
  out = reinterpret_cast<Function>(library.symbol(name));
  if (out != nullptr) return;
  if (!missing.empty()) missing += ", ";
  missing += name;
}

}  // namespace

bool resolveModuleApi(const platform::SharedLibrary& library, ModuleApi& api,
                      std::string& missing) {
  missing.clear();
  resolve(library, "Load", api.Load, missing);
  resolve(library, "Dispose", api.Dispose, missing);
  resolve(library, "GetPluginVersion", api.GetPluginVersion, missing);
  resolve(library, "SetVehicleSpec", api.SetVehicleSpec, missing);
  resolve(library, "Initialize", api.Initialize, missing);
  resolve(library, "Elapse", api.Elapse, missing);
  resolve(library, "SetPower", api.SetPower, missing);
  resolve(library, "SetBrake", api.SetBrake, missing);
  resolve(library, "SetReverser", api.SetReverser, missing);
  resolve(library, "KeyDown", api.KeyDown, missing);
  resolve(library, "KeyUp", api.KeyUp, missing);
  resolve(library, "HornBlow", api.HornBlow, missing);
  resolve(library, "DoorOpen", api.DoorOpen, missing);
  resolve(library, "DoorClose", api.DoorClose, missing);
  resolve(library, "SetSignal", api.SetSignal, missing);
  resolve(library, "SetBeaconData", api.SetBeaconData, missing);
  return missing.empty();
}
