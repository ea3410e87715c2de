#include "tests/support/vehicle_folder.h"

#include <atomic>
#include <random>
#include <stdexcept>

#include "tools/platform/host_files.h"

namespace fs = std::filesystem;

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
  if (text.back() != fs::path::preferred_separator)
    text += static_cast<char>(fs::path::preferred_separator);
  return text;
}

// Names are code-page bytes and go through the platform's host-side helpers, which
// hand them to the file system the way the module's own reads do.
void VehicleFolder::write(std::string_view relative, std::string_view bytes) const {
  const std::size_t slash = relative.rfind('/');
  if (slash != std::string_view::npos) makeFolder(relative.substr(0, slash));
  const std::string target = prefix() + std::string(relative);
  if (!platform::writeWholeFile(target, bytes)) throw std::runtime_error("cannot write " + target);
}

void VehicleFolder::makeFolder(std::string_view relative) const {
  for (std::size_t end = 0; end != std::string_view::npos;) {
    end = relative.find('/', end + 1);
    const std::string target = prefix() + std::string(relative.substr(0, end));
    if (!platform::makeFolder(target)) throw std::runtime_error("cannot create " + target);
  }
}
