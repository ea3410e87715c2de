// The display settings read at Initialize from "RUVA_Spec.ini" beside the module.
#include "plugin/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"
#include "tests/support/vehicle_folder.h"

namespace {

struct Settings {
  bool legacy;
  int32_t rows;
  bool dispType;
  bool unitDisp;
  int32_t nextStopType;
};

// Points the module's settings path into `folder`, as attaching a module there does.
void attachIn(const VehicleFolder& folder) {
  attachModule((folder.prefix() + "ruva.so").c_str());
}

Settings readFromSettingsPath() {
  const DisplaySettings s = readDisplaySettings(specFilePath);
  return {s.useLegacyDisp, s.D01ABnum, s.dispType, s.unitDispEnable, s.nextStopTypeSetting};
}

TEST(DisplaySettings, ValuesAndDefaults) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file at all
    Settings expected;
  };
  const Case cases[] = {
      {"no file", nullptr, {false, 5, false, false, 0}},
      {"empty file", "", {false, 5, false, false, 0}},
      {"other section", "[Other]\nD01ABnum=3\nDispType=1\n", {false, 5, false, false, 0}},
      {"everything set",
       "[Disp]\nuseLegacyDisp=1\nD01ABnum=3\nDispType=1\nUnitDispEnable=7\nNextStopType=-4\n",
       {true, 3, true, true, -4}},
      {"three rows", "[Disp]\nD01ABnum=3\n", {false, 3, false, false, 0}},
      {"five rows", "[Disp]\nD01ABnum=5\n", {false, 5, false, false, 0}},
      {"four rows become five", "[Disp]\nD01ABnum=4\n", {false, 5, false, false, 0}},
      {"zero rows become five", "[Disp]\nD01ABnum=0\n", {false, 5, false, false, 0}},
      {"negative rows become five", "[Disp]\nD01ABnum=-3\n", {false, 5, false, false, 0}},
      {"text rows become five", "[Disp]\nD01ABnum=three\n", {false, 5, false, false, 0}},
      {"legacy 2", "[Disp]\nuseLegacyDisp=2\n", {true, 5, false, false, 0}},
      {"legacy -1", "[Disp]\nuseLegacyDisp=-1\n", {true, 5, false, false, 0}},
      {"legacy 0", "[Disp]\nuseLegacyDisp=0\nDispType=0\n", {false, 5, false, false, 0}},
      {"trailing text", "[Disp]\nNextStopType=12abc\nD01ABnum=3x\n", {false, 3, false, false, 12}},
      {"empty value", "[Disp]\nD01ABnum=\nNextStopType=\n", {false, 5, false, false, 0}},
      // Junk after the digits: the reader takes the digits and stops.
      {"words after digits",
       "[Disp]\nD01ABnum=3 rows\nDispType=1st\nNextStopType=7;8\n",
       {false, 3, true, false, 7}},
      {"a fraction", "[Disp]\nD01ABnum=+3.9\nNextStopType=-2.5\n", {false, 3, false, false, -2}},
      {"a comment",
       "[Disp]\nD01ABnum=  3\t# three\r\nUnitDispEnable=0 # off\r\n",
       {false, 3, false, false, 0}},
      {"hexadecimal digits, then junk",
       "[Disp]\nNextStopType=0x1Fzz\n",
       {false, 5, false, false, 31}},
      {"signs without digits",
       "[Disp]\nD01ABnum=-\nNextStopType=--3\nuseLegacyDisp=+x\n",
       {false, 5, false, false, 0}},
      {"more digits than 32 bits hold",
       "[Disp]\nNextStopType=99999999999\nD01ABnum=4294967299\n",
       {false, 3, false, false, 1215752191}},
      // The reader keeps 29 bytes of a value: a 3 in the 30th byte is cut away.
      {"29 bytes", "[Disp]\nD01ABnum=00000000000000000000000000003\n", {false, 3, false, false, 0}},
      {"30 bytes",
       "[Disp]\nD01ABnum=000000000000000000000000000003\n",
       {false, 5, false, false, 0}},
      {"binary junk",
       "[Disp]\nD01ABnum=3\x81\xAB\xFF\x01\nNextStopType=\x7F"
       "5\n",
       {false, 3, false, false, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VehicleFolder folder;
    if (c.file != nullptr) folder.write("RUVA_Spec.ini", c.file);
    attachIn(folder);
    const Settings got = readFromSettingsPath();
    EXPECT_EQ(got.legacy, c.expected.legacy);
    EXPECT_EQ(got.rows, c.expected.rows);
    EXPECT_EQ(got.dispType, c.expected.dispType);
    EXPECT_EQ(got.unitDisp, c.expected.unitDisp);
    EXPECT_EQ(got.nextStopType, c.expected.nextStopType);
  }
}

TEST(DisplaySettings, InitializeResetsThenReadsAndRereadsOnlyWhenCalled) {
  VehicleFolder folder;
  folder.write("RUVA_Spec.ini", "[Disp]\nuseLegacyDisp=1\nD01ABnum=3\nDispType=1\n");
  attachIn(folder);
  ruva.cardMode = true;
  ruva.progressBase = 77;
  speed = 50.0f;
  speedDigitCountdown = 400;
  Initialize(0);
  // The reset clears the layout flag with the others; the settings then set it again.
  EXPECT_TRUE(ruva.useLegacyDisp);
  EXPECT_EQ(ruva.D01ABnum, 3);
  EXPECT_TRUE(dispType);
  EXPECT_FALSE(ruva.cardMode);
  EXPECT_EQ(ruva.progressBase, 0);
  EXPECT_EQ(speed, 0.0f);
  EXPECT_EQ(speedDigitCountdown, 0);

  folder.write("RUVA_Spec.ini", "[Disp]\nD01ABnum=4\n");
  EXPECT_TRUE(ruva.useLegacyDisp);
  EXPECT_EQ(ruva.D01ABnum, 3);
  Initialize(0);
  EXPECT_FALSE(ruva.useLegacyDisp);
  EXPECT_EQ(ruva.D01ABnum, 5);
  EXPECT_FALSE(dispType);
}

}  // namespace
