#include "tools/host/vehicle_mirror.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <random>
#include <vector>

#include "card/csv_reader.h"
#include "tools/platform/host_files.h"
#include "platform/platform.h"
#include "plugin/settings.h"
#include "tools/common/messages.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopiedFiles[] = {kDisplaySettingsFile, kCardListFile};

// One level of the mirror above the module's folder, for names that climb.
constexpr const char* kLevel = "u";

bool makeFreshFolder(fs::path& out) {
  std::random_device seed;
  std::error_code ec;
  const fs::path base = fs::temp_directory_path(ec);
  if (ec) return false;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("ruvahost-" + std::to_string(seed()));
    if (fs::create_directory(candidate, ec)) {
      out = candidate;
      return true;
    }
  }
  return false;
}

// A path without the empty last part that a trailing separator leaves.
fs::path withoutTrailingSeparator(fs::path path) {
  return path.has_parent_path() && !path.has_filename() ? path.parent_path() : path;
}

bool isCardFileName(const fs::path& name) {
  std::string extension = name.extension().string();
  for (char& c : extension) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return extension == ".csv";
}

// The card folders that the vehicle's card list names relative to the vehicle folder,
// found by the module's own card-list reader as the module would find them there,
// lexically normal and shortest first.
std::vector<fs::path> relativeCardFolders(const std::string& vehicle, const fs::path& module) {
  CCsvread reader;
  std::snprintf(reader.modulePath, sizeof reader.modulePath, "%s",
                platform::appendPath(vehicle, module.filename().string()).c_str());
  reader.readCardList();
  std::vector<fs::path> names;
  for (const std::string& entry : reader.cardList) {
    if (entry == kNullEntry) continue;
    const fs::path name =
        withoutTrailingSeparator(platform::fileSystemPath(entry).lexically_normal());
    if (name.has_root_name() || name.has_root_directory()) continue;
    // An empty entry names the vehicle folder itself.
    names.push_back(name.empty() ? fs::path(".") : name);
  }
  std::stable_sort(names.begin(), names.end(), [](const fs::path& a, const fs::path& b) {
    return std::distance(a.begin(), a.end()) < std::distance(b.begin(), b.end());
  });
  return names;
}

// How many levels `name` climbs above the folder it counts from (a normal name climbs
// only at its start).
std::size_t climb(const fs::path& name) {
  std::size_t up = 0;
  for (auto part = name.begin(); part != name.end() && *part == ".."; ++part) ++up;
  return up;
}

bool linkOrCopyFile(const fs::path& file, const fs::path& place) {
  std::error_code ec;
  fs::create_symlink(file, place, ec);
  if (!ec) return true;
  ec.clear();
  return fs::copy_file(file, place, ec);
}

}  // namespace

bool mirrorCardFiles(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  // A folder that cannot be read gives the module no card either.
  for (fs::directory_iterator it(from, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    const fs::path name = it->path().filename();
    std::error_code kind;
    if (!isCardFileName(name) || !it->is_regular_file(kind)) continue;
    const fs::path place = to / name;
    if (fs::exists(fs::symlink_status(place, kind))) continue;
    if (!linkOrCopyFile(fs::absolute(it->path(), kind), place)) return false;
  }
  return true;
}

VehicleMirror::~VehicleMirror() {
  if (root_.empty()) return;
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

bool VehicleMirror::makeFolders(const fs::path& folder) {
  if (made_.count(folder) != 0) return true;
  if (folder.empty() || folder == folder.parent_path() || !makeFolders(folder.parent_path()))
    return false;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(folder, ec)) || !fs::create_directory(folder, ec)) return false;
  made_.insert(folder);
  return true;
}

bool VehicleMirror::mirrorCardFolder(const fs::path& target, const fs::path& place) {
  // A folder of the mirror's own (the module's, or one on the way to another card
  // folder) takes the card files; a place that an earlier link covers is done.
  if (made_.count(place) != 0) return mirrorCardFiles(target, place);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(place, ec))) return true;
  // Below a link the place would lie in the vehicle folder: that folder is not there.
  if (!makeFolders(place.parent_path())) return true;
  fs::create_directory_symlink(target, place, ec);
  if (!ec) return true;
  ec.clear();
  if (!fs::create_directory(place, ec)) return false;
  made_.insert(place);
  return mirrorCardFiles(target, place);
}

bool VehicleMirror::create(const fs::path& vehicle, const fs::path& module, std::string& error) {
  std::error_code ec;
  // The vehicle folder by its bytes, as the module names the files it reads.
  std::string vehicleBytes;
  if (!platform::makeAbsolute(vehicle.string(), vehicleBytes)) vehicleBytes = vehicle.string();
  const fs::path vehicleFolder =
      withoutTrailingSeparator(platform::fileSystemPath(vehicleBytes).lexically_normal());
  if (!fs::is_directory(vehicleFolder, ec)) {
    error = message(Msg::kVehicleFolderNotFound, {vehicle.string()});
    return false;
  }
  if (!fs::is_regular_file(module, ec)) {
    error = message(Msg::kModuleNotFound, {module.string()});
    return false;
  }
  if (!makeFreshFolder(root_)) {
    error = message(Msg::kCannotCreateTemporary);
    return false;
  }
  root_ = root_.lexically_normal();
  made_.insert(root_);
  const std::vector<fs::path> cardFolders = relativeCardFolders(vehicleBytes, module);
  folder_ = root_;
  std::size_t depth = 0;
  for (const fs::path& name : cardFolders) depth = std::max(depth, climb(name));
  for (std::size_t level = 0; level < depth; ++level) folder_ /= kLevel;
  if (!makeFolders(folder_)) {
    error = message(Msg::kCannotCreateTemporary);
    return false;
  }
  module_ = folder_ / module.filename();
  if (!fs::copy_file(module, module_, ec)) {
    error = message(Msg::kCannotCopyModule, {folder_.string(), ec.message()});
    return false;
  }
  for (std::string_view name : kCopiedFiles) {
    const fs::path file = vehicleFolder / name;
    // Only a file: a pipe or a device in its place would hold the copy up for ever.
    if (!fs::is_regular_file(file, ec)) continue;
    if (!fs::copy_file(file, folder_ / name, ec)) {
      error = message(Msg::kCannotMirror, {file.string(), folder_.string()});
      return false;
    }
  }
  for (const fs::path& name : cardFolders) {
    const fs::path target = (vehicleFolder / name).lexically_normal();
    if (!mirrorCardFolder(withoutTrailingSeparator(target),
                          withoutTrailingSeparator((folder_ / name).lexically_normal()))) {
      error = message(Msg::kCannotMirror, {target.string(), folder_.string()});
      return false;
    }
  }
  return true;
}
