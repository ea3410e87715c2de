#include "tools/host/vehicle_mirror.h"

#include <random>

#include "card/csv_reader.h"
#include "plugin/settings.h"
#include "tools/common/messages.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopiedFiles[] = {kDisplaySettingsFile, kCardListFile};

bool isCopiedFile(const fs::path& name) {
  for (std::string_view copied : kCopiedFiles) {
    if (name == fs::path(copied)) return true;
  }
  return false;
}

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

// Links `target` in as `link`; copies it where the system does not allow links.
bool mirrorEntry(const fs::directory_entry& entry, const fs::path& link) {
  std::error_code ec;
  const fs::path target = fs::absolute(entry.path(), ec);
  if (ec) return false;
  if (entry.is_directory(ec)) {
    fs::create_directory_symlink(target, link, ec);
  } else {
    fs::create_symlink(target, link, ec);
  }
  if (!ec) return true;
  ec.clear();
  fs::copy(target, link, fs::copy_options::recursive, ec);
  return !ec;
}

}  // namespace

VehicleMirror::~VehicleMirror() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

bool VehicleMirror::create(const fs::path& vehicle, const fs::path& module, std::string& error) {
  std::error_code ec;
  if (!fs::is_directory(vehicle, ec)) {
    error = message(Msg::kVehicleFolderNotFound, {vehicle.string()});
    return false;
  }
  if (!fs::is_regular_file(module, ec)) {
    error = message(Msg::kModuleNotFound, {module.string()});
    return false;
  }
  if (!makeFreshFolder(folder_)) {
    error = message(Msg::kCannotCreateTemporary);
    return false;
  }
  module_ = folder_ / module.filename();
  if (!fs::copy_file(module, module_, ec)) {
    error = message(Msg::kCannotCopyModule, {folder_.string(), ec.message()});
    return false;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(vehicle, ec)) {
    const fs::path name = entry.path().filename();
    if (name == module.filename()) continue;
    const fs::path mirrored = folder_ / name;
    const bool done = isCopiedFile(name) ? fs::copy_file(entry.path(), mirrored, ec)
                                         : mirrorEntry(entry, mirrored);
    if (!done) {
      error = message(Msg::kCannotMirror, {entry.path().string(), folder_.string()});
      return false;
    }
  }
  if (ec) {
    error = message(Msg::kCannotReadVehicle, {vehicle.string(), ec.message()});
    return false;
  }
  return true;
}
