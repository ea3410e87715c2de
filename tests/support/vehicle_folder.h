// A throw-away vehicle folder on disk: the place where the module, its settings files
// and its card folders sit. Removed with everything in it when the object goes.
#ifndef RUVA_TESTS_SUPPORT_VEHICLE_FOLDER_H_
#define RUVA_TESTS_SUPPORT_VEHICLE_FOLDER_H_

#include <filesystem>
#include <string>
#include <string_view>

class VehicleFolder {
 public:
  VehicleFolder();
  VehicleFolder(const VehicleFolder&) = delete;
  VehicleFolder& operator=(const VehicleFolder&) = delete;
  ~VehicleFolder();

  const std::filesystem::path& path() const { return path_; }
  // The folder as a byte string with a trailing separator.
  std::string prefix() const;
  // Writes `bytes` to `relative` (a byte-string path in the ANSI code page, folders
  // separated by '/'), creating folders on the way.
  void write(std::string_view relative, std::string_view bytes) const;
  // Creates the folder `relative` and the folders on the way to it.
  void makeFolder(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

#endif  // RUVA_TESTS_SUPPORT_VEHICLE_FOLDER_H_
