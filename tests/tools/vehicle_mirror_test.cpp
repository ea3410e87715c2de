// The mirror of a vehicle folder: the module runs beside copies of the settings and
// links to the card folders, and the author's folder is never written.
#include "tools/host/vehicle_mirror.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/platform.h"
#include "tests/support/vehicle_folder.h"

namespace fs = std::filesystem;

namespace {

// Every entry under `root` with its contents (files) or "/" (folders).
std::map<std::string, std::string> listing(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string contents = "/";
    if (entry.is_regular_file()) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      contents = bytes.str();
    }
    entries[fs::relative(entry.path(), root).string()] = contents;
  }
  return entries;
}

std::string readText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(VehicleMirror, HoldsTheModuleSettingsAndCardFoldersAndLeavesTheVehicleAlone) {
  VehicleFolder vehicle;
  VehicleFolder build;
  build.write("ruva.so", "module bytes");
  vehicle.write("RUVA_Spec.ini", "[Disp]\nDispType=1\n");
  vehicle.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
  vehicle.write(
      "cards/\x89\xf1"
      "1234A.csv",
      "3,\x89\xf1"
      "1234A\n");
  vehicle.write("ruva.so", "an older module");
  const auto before = listing(vehicle.path());
  {
    VehicleMirror mirror;
    std::string error;
    ASSERT_TRUE(mirror.create(vehicle.path(), build.path() / "ruva.so", error)) << error;
    EXPECT_EQ(readText(mirror.module()), "module bytes");
    EXPECT_EQ(mirror.module().parent_path(), mirror.folder());
    EXPECT_EQ(readText(mirror.folder() / "RUVA_Spec.ini"), "[Disp]\nDispType=1\n");
    EXPECT_FALSE(fs::is_symlink(mirror.folder() / "RUVA_Spec.ini"));
    // The card's name is code-page bytes: it is read the way the module reads it.
    const std::string cards =
        (mirror.folder() / "cards").string() + static_cast<char>(fs::path::preferred_separator);
    const std::string kai = "\x89\xf1";  // 回
    std::string card;
    EXPECT_TRUE(platform::readFile(cards + kai + "1234A.csv", card));
    EXPECT_EQ(card, "3," + kai + "1234A\n");
    // Writing into the mirror's own files does not reach the vehicle.
    std::ofstream(mirror.folder() / "RUVA_Spec.ini") << "changed";
    EXPECT_TRUE(fs::exists(mirror.folder()));
  }
  EXPECT_EQ(listing(vehicle.path()), before);
}

TEST(VehicleMirror, IsRemovedWithItsOwner) {
  VehicleFolder vehicle;
  VehicleFolder build;
  build.write("ruva.so", "x");
  vehicle.makeFolder("cards");
  fs::path folder;
  {
    VehicleMirror mirror;
    std::string error;
    ASSERT_TRUE(mirror.create(vehicle.path(), build.path() / "ruva.so", error)) << error;
    folder = mirror.folder();
  }
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_TRUE(fs::is_directory(vehicle.path() / "cards"));
}

TEST(VehicleMirror, MissingInputsAreNamed) {
  VehicleFolder vehicle;
  vehicle.write("ruva.so", "x");
  struct Case {
    fs::path vehicle;
    fs::path module;
    const char* message;
  };
  const Case cases[] = {
      {vehicle.path() / "nowhere", vehicle.path() / "ruva.so", "vehicle folder not found"},
      {vehicle.path(), vehicle.path() / "gone.so", "module not found"},
      {vehicle.path() / "ruva.so", vehicle.path() / "ruva.so", "vehicle folder not found"},
  };
  for (const Case& c : cases) {
    VehicleMirror mirror;
    std::string error;
    EXPECT_FALSE(mirror.create(c.vehicle, c.module, error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

}  // namespace
