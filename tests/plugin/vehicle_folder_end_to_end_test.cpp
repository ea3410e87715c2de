// The built module in a vehicle folder, driven from outside as the host drives it:
// settings files and card files with Japanese names beside it, card beacons, and the
// panel that results. On Windows this runs the real settings reader, lead-byte test and
// ANSI file names; natively, their stand-ins.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/module_host.h"
#include "tools/platform/host_text.h"

namespace {

// Text as vehicle authors write it: code page 932.
std::string sjis(const char* utf8) {
  const std::string bytes = platform::toCodePage932(utf8);
  if (bytes.empty()) ADD_FAILURE() << "cannot convert " << utf8 << " to code page 932";
  return bytes;
}

// A card of two stops whose train numbers and times show on the panel.
std::string card(const char* trainNumber, const char* secondTrainNumber) {
  return "0," + sjis("試運転") + "\r\n3," + sjis(trainNumber) + "\r\n12," +
         sjis(secondTrainNumber) +
         ",83000,246060\r\n"
         "7,30," +
         sjis("東駅") + ",83000,83030,1,100,100,12.5,0,1.5\r\n7,30," + sjis("西駅") +
         ",84000,84030,2,100,100,14.0,0,1.0\r\n";
}

constexpr int32_t kUntouched = -7777;
constexpr int32_t kHour = 3600000;

// Panel indices 100 to 105: prefix code, four digits, suffix code.
std::array<int32_t, 6> trainNumberShown(const ModuleHost& host) {
  return {host.panel[100], host.panel[101], host.panel[102],
          host.panel[103], host.panel[104], host.panel[105]};
}

TEST(VehicleFolderEndToEnd, CardBeaconsFindJapaneseCardFiles) {
  VehicleFolder vehicle;
  VehicleFolder elsewhere;
  // 時刻表 ends in 表 (95 5C): its trail byte must not pass for a separator.
  const std::string timetable = sjis("時刻表");
  const std::string absolute = elsewhere.prefix() + sjis("路線");
  vehicle.write("RUVA_ICCard.ini", "[ICCard]\r\n0=" + timetable + "\r\n1=" + absolute + "\r\n");
  vehicle.write(timetable + "/" + sjis("回1234A.csv"), card("回1234M", "工123M"));
  vehicle.write(timetable + "/1234B.csv", card("試単9501M", "NULL"));
  elsewhere.write(sjis("路線") + "/" + sjis("回1001234K.csv"), card("通回5678A", "通1234M"));

  ModuleHost host(vehicle);
  ASSERT_TRUE(host.start());
  host.panel.fill(kUntouched);
  host.frame(8 * kHour);
  EXPECT_EQ(host.panel[114], 0) << "no mode before the first card beacon";

  const struct {
    const char* what;
    int32_t code;
    std::array<int32_t, 6> number;
    std::array<int32_t, 6> second;
    int32_t auxIndicator;
  } cases[] = {
      {"回1234A.csv in a folder named 時刻表",
       3123400,
       {3, 1, 2, 3, 4, 8},
       // 工123M: the thousands place holds the trail byte of 工 (48), so it reads 24.
       {5, 24, 1, 2, 3, 8},
       0},
      {"1234B.csv beside it", 123401, {10, 9, 5, 0, 1, 8}, {50, 10, 30, 37, 28, 17}, 0},
      {"回1001234K.csv in an absolute folder",
       103123407,
       {3, 5, 6, 7, 8, 0},
       {50, 1, 2, 3, 4, 8},
       1},
      {"a missing card keeps the last one", 3999900, {3, 5, 6, 7, 8, 0}, {50, 1, 2, 3, 4, 8}, 1},
  };
  int32_t time = 8 * kHour;
  for (const auto& c : cases) {
    host.beacon(1000, c.code);
    host.frame(time += 100);
    EXPECT_EQ(trainNumberShown(host), c.number) << c.what;
    EXPECT_EQ((std::array<int32_t, 6>{host.panel[116], host.panel[117], host.panel[118],
                                      host.panel[119], host.panel[120], host.panel[121]}),
              c.second)
        << c.what;
    EXPECT_EQ(host.panel[129], c.auxIndicator) << c.what;
    EXPECT_EQ(host.panel[114], 1) << c.what;
  }
  // The second train number's times: 08:30:00 and no time.
  EXPECT_EQ((std::array<int32_t, 6>{host.panel[122], host.panel[123], host.panel[124],
                                    host.panel[125], host.panel[126], host.panel[127]}),
            (std::array<int32_t, 6>{8, 30, 0, 24, 60, 60}));
}

TEST(VehicleFolderEndToEnd, ModuleInAJapaneseFolderFindsItsFilesBesideIt) {
  VehicleFolder vehicle;
  // The module's own path is Japanese, as the loader reports it in the ANSI code page.
  const std::string folder = sjis("車両表");
  vehicle.write(folder + "/RUVA_Spec.ini", "[Disp]\r\nuseLegacyDisp=1\r\n");
  vehicle.write(folder + "/RUVA_ICCard.ini", "[ICCard]\r\n0=" + sjis("カード") + "\r\n");
  vehicle.write(folder + "/" + sjis("カード") + "/" + sjis("回1234A.csv"), card("回1234M", "NULL"));

  ModuleHost host(vehicle, folder);
  EXPECT_TRUE(host.start()) << "the card folder beside the module was not found";
  host.panel.fill(kUntouched);
  host.frame(8 * kHour);
  EXPECT_EQ(host.panel[207], 300) << "the settings beside the module were not read";
  EXPECT_EQ(host.panel[98], kUntouched);
  host.beacon(1000, 3123400);
  host.frame(8 * kHour + 100);
  EXPECT_EQ(trainNumberShown(host), (std::array<int32_t, 6>{3, 1, 2, 3, 4, 8}));
}

TEST(VehicleFolderEndToEnd, SettingsChooseTheLayoutAtEachInitialize) {
  VehicleFolder vehicle;
  ModuleHost host(vehicle);
  host.start();

  // Standard layout writes the km post at 98 and 99, the legacy one at 207 and 208.
  const struct {
    const char* settings;  // nullptr: no settings file
    bool legacy;
  } cases[] = {
      {nullptr, false},
      {"[Disp]\r\nuseLegacyDisp=-1\r\n", true},
      {"[Disp]\r\nuseLegacyDisp=0\r\nD01ABnum=-3\r\n", false},
      {"[Disp]\r\nuseLegacyDisp=2\r\n", true},
      {"[disp]\r\nUSELEGACYDISP = 1 \r\n", true},
      {"[Disp]\r\nuseLegacyDisp=\r\n", false},
  };
  // A legacy frame writes 207 and 208 and leaves 98 and 99 alone; a standard one the
  // other way round.
  const auto shownLayoutIsLegacy = [&host](int32_t time, const std::string& what) {
    host.panel.fill(kUntouched);
    host.frame(time);
    const bool legacy = host.panel[207] == 300 && host.panel[208] == 10;
    const bool standard = host.panel[98] == 300 && host.panel[99] == 10;
    EXPECT_NE(legacy, standard) << what;
    return legacy;
  };
  int32_t time = 8 * kHour;
  bool before = false;
  for (const auto& c : cases) {
    const std::string what = c.settings != nullptr ? c.settings : "(no file)";
    if (c.settings != nullptr) vehicle.write("RUVA_Spec.ini", c.settings);
    EXPECT_EQ(shownLayoutIsLegacy(time += 100, what), before) << what << ", before Initialize";
    host.api.Initialize(0);
    EXPECT_EQ(shownLayoutIsLegacy(time += 100, what), c.legacy) << what;
    before = c.legacy;
  }
}

}  // namespace
