// A vehicle folder so deep that the module's own path does not fit its 260 bytes: the
// module gives up its two settings files and runs on defaults, without a card and
// without reading past a buffer.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/vehicle_folder.h"

namespace {

class LongModulePath : public ::testing::Test {
 protected:
  // Fills `relative` (a folder inside the vehicle folder) as a vehicle: settings that
  // choose the legacy layout, and a card folder with card 1234A.
  void fillVehicle(const std::string& relative) {
    folder.write(relative + "/RUVA_Spec.ini", "[Disp]\nuseLegacyDisp=1\n");
    folder.write(relative + "/RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
    folder.write(relative + "/cards/1234A.csv", "3,1234A\n7,0,First,83000\n7,0,Last,90000\n");
  }

  // Attaches the module file `modulePath`, starts a run, loads card 1234A and runs one
  // frame. Returns Load's result.
  bool runAt(const std::string& modulePath) {
    resetModuleState();
    attachModule(modulePath.c_str());
    const bool loaded = Load();
    Initialize(0);
    BeaconRecord beacon{};
    beacon.type = 1000;
    beacon.data = 123400;
    SetBeaconData(beacon);
    panel.fill(-1);
    VehicleStateRecord state{};
    state.time = 36000000;
    Elapse(state, panel.data(), sound.data());
    return loaded;
  }

  // A folder path below the vehicle folder whose module path is `length` bytes long.
  std::string folderForModulePath(std::size_t length) const {
    std::string relative = "v";
    const std::size_t fixed = folder.prefix().size() + std::string("/ruva.so").size();
    while (fixed + relative.size() + 51 < length) relative += "/" + std::string(50, 'd');
    relative += "/" + std::string(length - fixed - relative.size() - 1, 'e');
    return relative;
  }

  VehicleFolder folder;
  std::array<int32_t, 256> panel{};
  std::array<int32_t, 256> sound{};
};

TEST_F(LongModulePath, RunsOnDefaultsWithoutACard) {
  // The host's current folder holds a whole vehicle; none of it may stand in for the
  // module's own folder.
  fillVehicle("current");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path() / "current");
  const std::string tooLong = folder.prefix() + std::string(300, 'd') + "/ruva.so";
  const bool loaded = runAt(tooLong);
  std::filesystem::current_path(before);

  EXPECT_FALSE(loaded);
  EXPECT_STREQ(csvReader.modulePath, "");
  EXPECT_STREQ(specFilePath, "");
  EXPECT_EQ(csvReader.cardList, std::vector<std::string>(32, "NULL"));
  // The standard layout, no mode: the km post blank at 98 and 99, the legacy 207 untouched.
  EXPECT_FALSE(ruva.useLegacyDisp);
  EXPECT_FALSE(ruva.cardMode);
  EXPECT_EQ(panel[98], 300);
  EXPECT_EQ(panel[99], 10);
  EXPECT_EQ(panel[114], 0);
  EXPECT_EQ(panel[207], -1);
}

TEST_F(LongModulePath, TheLongestPathThatFitsStillWorks) {
  // "RUVA_ICCard.ini" is the longer name: module paths up to 251 bytes leave it room.
  const std::string deep = folderForModulePath(251);
  fillVehicle(deep);
  EXPECT_TRUE(runAt(folder.prefix() + deep + "/ruva.so"));
  EXPECT_TRUE(ruva.useLegacyDisp);
  EXPECT_TRUE(ruva.cardMode);
  EXPECT_EQ(ruva.card.trainNumber, "1234A");
  EXPECT_EQ(panel[207], 0);
}

}  // namespace
