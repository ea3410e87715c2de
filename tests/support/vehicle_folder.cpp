#include "tests/support/vehicle_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

fs::path bytesToPath(std::string_view bytes) {
  // Card names are code-page bytes; they must reach the file system unchanged.
  return fs::path(std::string(bytes));
}

}  // namespace

VehicleFolder::VehicleFolder() {
  static std::atomic<unsigned> counter{0};
  std::random_device seed;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() /
                         ("ruva-test-" + std::to_string(seed()) + "-" + std::to_string(++counter));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a vehicle folder");
}

VehicleFolder::~VehicleFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string VehicleFolder::prefix() const {
  std::string text = path_.string();
  if (text.back() != fs::path::preferred_separator) text += static_cast<char>(fs::path::preferred_separator);
  return text;
}

void VehicleFolder::write(std::string_view relative, std::string_view bytes) const {
  const fs::path target = path_ / bytesToPath(relative);
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + target.string());
}

void VehicleFolder::makeFolder(std::string_view relative) const {
  fs::create_directories(path_ / bytesToPath(relative));
}
