// Hosts run sound and rendering on threads of their own, which they start and end
// while frames run. The system tells the module of every such thread; none of that may
// disturb the settings that Initialize reads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/support/module_host.h"

namespace {

TEST(HostThreads, ThreadsComingAndGoingLeaveTheSettingsRead) {
  VehicleFolder folder;
  folder.write("RUVA_Spec.ini", "[Disp]\nuseLegacyDisp=1\n");
  ModuleHost host(folder);
  host.start();
  std::atomic<bool> done{false};
  std::thread churn([&done] {
    while (!done) std::thread([] {}).join();
  });
  int defaultLayout = 0;
  for (int frame = 0; frame < 10000; ++frame) {
    host.api.Initialize(0);
    host.panel[207] = -1;  // only the legacy layout writes it
    host.frame(36000000 + frame);
    defaultLayout += host.panel[207] == -1;
  }
  done = true;
  churn.join();
  EXPECT_EQ(defaultLayout, 0);
}

}  // namespace
