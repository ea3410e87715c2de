// The mirror of a vehicle folder: the module runs beside copies of the settings and
// links to the card folders, and the author's folder is never written.
#include "tools/host/vehicle_mirror.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
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

// A link made where the system allows links, e.g. not under every Windows.
bool linked(const fs::path& target, const fs::path& link) {
  std::error_code ec;
  fs::create_directory_symlink(target, link, ec);
  return !ec;
}

std::set<std::string> names(const fs::path& folder) {
  std::set<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder))
    found.insert(entry.path().filename().string());
  return found;
}

TEST(VehicleMirror, HoldsOnlyWhatTheModuleReadsAndFollowsNoLinkOutOfIt) {
  VehicleFolder top;
  VehicleFolder build;
  build.write("ruva.so", "x");
  top.write("train/RUVA_ICCard.ini",
            "[ICCard]\n0=cards\n1=../shared\n2=nested/deep/\n3=.\n4=missing\n5=/nowhere\n");
  top.write("train/cards/1234A.csv", "3,1234A\n");
  top.write("shared/9999A.csv", "3,9999A\n");
  top.write("train/nested/deep/5678A.csv", "3,5678A\n");
  top.write("train/root.CSV", "3,1A\n");
  top.write("train/notes.txt", "not a card");
  top.write("train/textures/panel.png", "picture");
  // Links that climb: a copy that followed them would never end.
  linked(top.path() / "train", top.path() / "train" / "up");
  linked(top.path() / "train" / "cards", top.path() / "train" / "cards" / "loop");
  VehicleMirror mirror;
  std::string error;
  ASSERT_TRUE(mirror.create(top.path() / "train", build.path() / "ruva.so", error)) << error;
  const fs::path& folder = mirror.folder();
  // Each card folder where the module's folder names it, "../shared" included.
  for (const char* card : {"cards/1234A.csv", "../shared/9999A.csv", "nested/deep/5678A.csv",
                           "root.CSV", "RUVA_ICCard.ini", "ruva.so"}) {
    EXPECT_TRUE(fs::is_regular_file(folder / card)) << card;
  }
  EXPECT_EQ(names(folder.parent_path()), (std::set<std::string>{"shared", "u"}));
  EXPECT_EQ(names(folder),
            (std::set<std::string>{"RUVA_ICCard.ini", "cards", "nested", "root.CSV", "ruva.so"}));
}

TEST(VehicleMirror, CopiesTheCardFilesOfAFolderAndNothingBelowIt) {
  VehicleFolder top;
  for (const char* file :
       {"from/a.csv", "from/B.CSV", "from/notes.txt", "from/sub/c.csv", "outside.csv"}) {
    top.write(file, "3,1234A\n");
  }
  std::error_code ec;
  fs::create_symlink(top.path() / "outside.csv", top.path() / "from" / "link.csv", ec);
  const bool fileLinked = !ec;
  linked(top.path() / "from", top.path() / "from" / "loop");
  linked(top.path(), top.path() / "from" / "up.csv");
  top.makeFolder("to");
  ASSERT_TRUE(mirrorCardFiles(top.path() / "from", top.path() / "to"));
  std::set<std::string> expected{"a.csv", "B.CSV"};
  if (fileLinked) expected.insert("link.csv");
  EXPECT_EQ(names(top.path() / "to"), expected);
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
