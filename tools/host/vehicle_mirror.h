// A throw-away stand-in for a vehicle folder, so that the module can run "inside" an
// author's vehicle without anything being written there.
//
// The module looks for its settings files and card folders beside its own file. The
// mirror is a fresh temporary folder holding a copy of the module and of the two
// settings files, and a link to every other entry of the vehicle folder (a copy where
// the system refuses links). Card-folder entries that are relative to the vehicle
// folder therefore resolve as they would there; absolute entries are untouched.
#ifndef RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_
#define RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_

#include <filesystem>
#include <string>

class VehicleMirror {
 public:
  VehicleMirror() = default;
  VehicleMirror(const VehicleMirror&) = delete;
  VehicleMirror& operator=(const VehicleMirror&) = delete;
  // Removes the mirror (links, not what they point to).
  ~VehicleMirror();

  // Builds the mirror of `vehicle` with a copy of `module`. False, with a message for
  // the author in `error`, when either is missing or the mirror cannot be made.
  bool create(const std::filesystem::path& vehicle, const std::filesystem::path& module,
              std::string& error);

  const std::filesystem::path& folder() const { return folder_; }
  const std::filesystem::path& module() const { return module_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path module_;
};

#endif  // RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_
