// The drive check on cards that drive as they should, in every layout of the display:
// the display comes to every stop in order and every cue of their tables sounds. What
// is planted in the fixture vehicles of tests/tools/checker/drives/ is found there, with
// its card line, by the checker's golden test.
#include "tools/drive/drive_check.h"

#include <gtest/gtest.h>

#include "tests/support/vehicle_folder.h"
#include "tests/tools/source_file.h"

namespace {

// The remarks other than D102 on every card of the vehicle in the source tree at
// `vehicle`, copied with the display settings `settings`.
std::vector<std::string> driveRemarks(const std::string& vehicle,
                                      std::initializer_list<const char*> cardFolders,
                                      const std::string& settings) {
  VehicleFolder folder;
  folder.write("RUVA_ICCard.ini", readSource(vehicle + "/RUVA_ICCard.ini"));
  folder.write("RUVA_Spec.ini", settings);
  const std::vector<std::string> cards = sourceCards(vehicle, cardFolders);
  for (const std::string& card : cards) folder.write(card, readSource(vehicle + "/" + card));
  std::vector<std::string> found;
  for (const std::string& card : cards) {
    for (const LintRemark& r : driveCheckRemarks(folder.prefix() + card, folder.path().string())) {
      // In the seven-row lists of three rows, the lists stay as they are for the last stops
      // of a run, so some of their times are never shown: a true remark of its own.
      if (r.code == RemarkCode::kTimeNotShown) continue;
      found.push_back(card + ":" + std::to_string(r.line) + ": " + std::string(remarkId(r.code)));
    }
  }
  return found;
}

TEST(DriveCheck, FindsNothingOnGoodCardsInAnyLayout) {
  // Each pair of the three choices (legacy lists, display type, rows) in both of its
  // values, in four layouts rather than all eight: a drive of the example cards is long.
  struct Layout {
    const char* legacy;
    const char* dispType;
    const char* rows;
  };
  for (const Layout& layout : {Layout{"0", "0", "3"}, Layout{"0", "1", "5"},
                               Layout{"1", "0", "5"}, Layout{"1", "1", "3"}}) {
    const std::string settings = std::string("[Disp]\nuseLegacyDisp=") + layout.legacy +
                                 "\nD01ABnum=" + layout.rows + "\nDispType=" + layout.dispType +
                                 "\nUnitDispEnable=1\nNextStopType=7\n";
    SCOPED_TRACE(settings);
    EXPECT_EQ(driveRemarks("examples/vehicle", {"local", "rapid"}, settings),
              std::vector<std::string>{});
    EXPECT_EQ(driveRemarks("tests/tools/drive", {"cards"}, settings),
              std::vector<std::string>{});
  }
}

}  // namespace
