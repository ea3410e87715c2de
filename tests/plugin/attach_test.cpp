#include "plugin/attach.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/globals.h"

namespace {

TEST(Attach, BuildsTheSettingsPathBesideTheModule) {
  attachModule("/vehicles/train a/ruva.so");
  EXPECT_STREQ(csvReader.modulePath, "/vehicles/train a/ruva.so");
  EXPECT_STREQ(specFilePath, "/vehicles/train a/RUVA_Spec.ini");
  EXPECT_EQ(ruva.vehicleState, &lastVehicleState);
  EXPECT_EQ(ruva.frameTime, &deltaTime);
}

TEST(Attach, TooLongAPathLeavesThePathsEmpty) {
  const std::string folder = "/" + std::string(250, 'd') + "/";
  attachModule((folder + "ruva.so").c_str());  // fits 260, settings path does not
  EXPECT_STREQ(specFilePath, "");

  attachModule((folder + std::string(300, 'n')).c_str());
  EXPECT_STREQ(csvReader.modulePath, "");
  EXPECT_STREQ(specFilePath, "");
  EXPECT_EQ(ruva.frameTime, &deltaTime);
}

}  // namespace
