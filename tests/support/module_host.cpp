#include "tests/support/module_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/platform/host_files.h"

namespace fs = std::filesystem;

std::string moduleFileName() { return fs::path(RUVA_MODULE_FILE).filename().string(); }

ModuleHost::ModuleHost(const VehicleFolder& folder, std::string_view subfolder) {
  // The copy is written and loaded through the ANSI code page, like every file that the
  // module itself opens, so a Japanese vehicle folder reaches the module's own path.
  std::string copy = folder.prefix();
  const char separator = copy.back();  // the system's own: the prefix ends in it
  if (!subfolder.empty()) {
    folder.makeFolder(subfolder);
    copy.append(subfolder) += separator;
  }
  copy += moduleFileName();
  std::ifstream built(RUVA_MODULE_FILE, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(built)),
                          std::istreambuf_iterator<char>());
  if (bytes.empty() || !platform::writeWholeFile(copy, bytes)) {
    ADD_FAILURE() << "cannot copy the module to " << copy;
    return;
  }
  std::string error;
  if (!library_.open(copy, error)) {
    ADD_FAILURE() << error;
    return;
  }
  std::string missing;
  if (!resolveModuleApi(library_, api, missing)) {
    ADD_FAILURE() << "the module does not export " << missing;
  }
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
