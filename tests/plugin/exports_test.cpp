// The module seen from outside: its entry points, called the way the host calls them.
#include <gtest/gtest.h>

#include "tests/support/module_host.h"

namespace {

TEST(Exports, VersionIsTheSameBeforeAndAfterLoad) {
  VehicleFolder folder;
  ModuleHost host(folder);
  EXPECT_EQ(host.api.GetPluginVersion(), 131072);
  host.api.Load();
  EXPECT_EQ(host.api.GetPluginVersion(), 131072);
}

TEST(Exports, LoadTellsWhetherAnyCardFolderExists) {
  const struct {
    const char* cardList;  // null: no card list file
    bool result;
  } cases[] = {
      {nullptr, false},
      {"[ICCard]\n0=missing\n", false},
      {"[ICCard]\n3=missing\n7=cards\n", true},
  };
  for (const auto& c : cases) {
    VehicleFolder folder;
    folder.makeFolder("cards");
    if (c.cardList != nullptr) folder.write("RUVA_ICCard.ini", c.cardList);
    ModuleHost host(folder);
    EXPECT_EQ(host.start(), c.result) << (c.cardList != nullptr ? c.cardList : "no file");
  }
}

TEST(Exports, ElapseHandsTheHandlesBackUnchanged) {
  VehicleFolder folder;
  ModuleHost host(folder);
  host.start();
  HandleCommand out = host.frame(1000);
  EXPECT_EQ(out.brake, 7);
  EXPECT_EQ(out.power, 0);
  EXPECT_EQ(out.reverser, 1);
  EXPECT_EQ(out.constant, 0);

  host.api.SetBrake(3);
  out = host.frame(1016);
  EXPECT_EQ(out.brake, 3);

  // Out-of-range positions are stored as they come.
  host.api.SetPower(-5);
  host.api.SetReverser(99);
  out = host.frame(1032);
  EXPECT_EQ(out.brake, 3);
  EXPECT_EQ(out.power, -5);
  EXPECT_EQ(out.reverser, 99);
  EXPECT_EQ(out.constant, 0);
}

TEST(Exports, IgnoredEntryPointsChangeNothing) {
  // Two copies of the module get the same frames; one also gets every call that the
  // module ignores. Their outputs must not differ.
  VehicleFolder plainFolder;
  VehicleFolder busyFolder;
  ModuleHost plain(plainFolder);
  ModuleHost busy(busyFolder);
  plain.start();
  busy.start();
  for (int32_t step = 0; step < 50; ++step) {
    busy.api.KeyDown(step);
    busy.api.KeyUp(step);
    busy.api.HornBlow(step % 3);
    busy.api.SetSignal(step);
    busy.api.DoorClose();
    busy.api.Dispose();
    const int32_t time = 36000000 + step * 100;
    const HandleCommand a = plain.frame(time, 40.0f + step, 20.0f);
    const HandleCommand b = busy.frame(time, 40.0f + step, 20.0f);
    EXPECT_EQ(a.brake, b.brake);
    EXPECT_EQ(a.power, b.power);
    EXPECT_EQ(a.reverser, b.reverser);
    EXPECT_EQ(a.constant, b.constant);
    ASSERT_EQ(plain.panel, busy.panel) << "frame " << step;
    ASSERT_EQ(plain.sound, busy.sound) << "frame " << step;
  }
}

TEST(Exports, TwoLoadedCopiesKeepTheirOwnState) {
  VehicleFolder firstFolder;
  VehicleFolder secondFolder;
  ModuleHost first(firstFolder);
  ModuleHost second(secondFolder);
  first.start();
  second.start();
  first.api.SetBrake(2);
  EXPECT_EQ(first.frame(0).brake, 2);
  EXPECT_EQ(second.frame(0).brake, 7);
}

}  // namespace
