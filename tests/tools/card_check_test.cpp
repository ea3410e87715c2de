// The card checker and the card views: the remarks on the broken example card, read
// against a checked-in listing, card names against card codes, card codes against a
// vehicle's card list, and times. The checker's cases are fixtures in checker/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "card/card_format.h"
#include "card/csv_reader.h"
#include "card/parser.h"
#include "display/card_fields_read.h"
#include "platform/platform.h"
#include "tests/support/vehicle_folder.h"
#include "tests/tools/source_file.h"
#include "tools/card/card_file_check.h"
#include "tools/card/card_lint.h"
#include "tools/card/card_names.h"
#include "tools/card/card_views.h"
#include "tools/card/vehicle_check.h"
#include "tools/card/vehicle_reader.h"
#include "tools/card/written_forms.h"

namespace {

TEST(CardCheck, ReportsEveryRemarkOfTheBrokenExampleCard) {
  const std::string card = readSource("examples/broken_card.csv");
  ASSERT_FALSE(card.empty());
  std::ostringstream out;
  RemarkReport report(ReportFormat::kText, out);
  report.add("broken_card.csv", lintCard(card, "broken_card.csv", true), card);
  EXPECT_EQ(out.str(), readSource("tests/tools/golden/broken_card_check.txt"));
}

// The checker lets a column stand blank where the display never reads its member: the
// list of those members must be the ones that no source of the display names.
TEST(CardCheck, TheDisplayIgnoresExactlyTheColumnsItIsSaidTo) {
  std::string sources;
  for (const std::string folder : {"display", "plugin", "route"}) {
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath(folder))) {
      if (entry.path().extension() != ".cpp") continue;
      sources += readSource(folder + "/" + entry.path().filename().string());
    }
  }
  ASSERT_FALSE(sources.empty());
  auto named = [&sources](std::string_view member) {
    for (std::size_t at = sources.find(member); at != std::string::npos;
         at = sources.find(member, at + 1)) {
      const char after = sources[at + member.size()];
      if (!std::isalnum(static_cast<unsigned char>(after)) && after != '_') return true;
    }
    return false;
  };
  for (const RowFormat& format : kRowFormats) {
    for (const CardColumn& c : format.columns) {
      if (c.member.empty()) continue;
      EXPECT_EQ(named(c.member), displayReads(c.field)) << c.member;
    }
  }
}

// What the checker makes of a field as written: the fixes it suggests are the text the
// author meant, in the form the module reads.
TEST(CardCheck, WrittenFormsGiveTheTextMeant) {
  const std::pair<const char*, const char*> times[] = {
      {"7:04", "070400"}, {"07:04:30", "070430"}, {"1500", "150000"}, {"830", "083000"},
      {"83000", ""},      {"7:75", ""},           {"25:00", ""},      {"7h04", ""},
  };
  for (const auto& [text, meant] : times) EXPECT_EQ(hhmmssOf(text).value_or(""), meant) << text;
  EXPECT_EQ(writtenDigits(" 0830"), 4);
  EXPECT_EQ(writtenDigits("000130"), 6);
  EXPECT_EQ(halfWidthDigits("\x82\x50\x82\x54\x82\x4F", false).value_or(""), "150");
  EXPECT_EQ(halfWidthDigits("１．５km", true).value_or(""), "1.5km");
  EXPECT_FALSE(halfWidthDigits("\x92\xE2", false));  // 停
  EXPECT_EQ(unquotedField(" \"a\"\"b\" ").value_or(""), "a\"b");
  EXPECT_FALSE(unquotedField("\"a"));
}

TEST(CardCheck, CardNamesAndCodesMeetBothWays) {
  const std::pair<const char*, int32_t> cases[] = {
      {"1234B.csv", 123401},
      {"\x89\xf1"
       "1234A.csv",
       3123400},
      {"1234.csv", 123499},
      {"0G.csv", 5},
      {"1002345S.csv", 100234511},
      {"-1234.csv", -123401},
      {"-1234A.csv", -123400},
      {"01234A.csv", -1},
      {"12345A.csv", -1},
      {"2345S.csv", 234511},
      {"1234a.CSV", 123400},
      {"x.csv", -1},
  };
  for (const auto& [name, code] : cases) {
    const std::optional<int32_t> found = cardCodeForFileName(name, -1);
    EXPECT_EQ(found.value_or(-1), code) << name;
  }
  EXPECT_FALSE(cardCodeForFileName("2345S.csv", 1));
  EXPECT_EQ(highestCardFolder(), 21);
  EXPECT_EQ(trainNumberOfCardCode(100234511), "2345S");
  EXPECT_EQ(cardFileNameInFolder("3301S.csv", 1).value_or(""), "1003301S.csv");
  EXPECT_EQ(cardFileNameInFolder("1001234A.csv", 0).value_or(""), "1234A.csv");
  EXPECT_FALSE(cardFileNameInFolder("3301S.csv", 22));
}

TEST(VehicleCheck, WarnsOfCardFoldersNamedByAbsolutePaths) {
  VehicleFolder vehicle;
  vehicle.write("cards/1234A.csv",
                "3,1234A\n7,150,A,82800,83000,1,50,20,0.0,0,0.0,1,0,0,1,x,0,1,1,,A,0\n");
  vehicle.write("RUVA_ICCard.ini", "[ICCard]\n0=" + vehicle.prefix() + "cards\n");
  std::ostringstream out;
  RemarkReport report(ReportFormat::kText, out);
  checkVehicle(vehicle.path().string(), "v", false, true, report);
  const LintCounts& counts = report.counts();
  EXPECT_EQ(counts.errors, 0) << out.str();
  EXPECT_EQ(counts.warnings, 1) << out.str();
  EXPECT_EQ(out.str().find("v/RUVA_ICCard.ini:2:1: warning: "), 0u) << out.str();
  EXPECT_NE(out.str().find("[S306]\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\n0      "), std::string::npos) << out.str();
}

constexpr std::string_view kOneStopCard =
    "3,1234A\n7,150,A,82800,83000,1,50,20,0.0,0,0.0,1,0,0,1,x,0,1,1,,A,0\n";

TEST(VehicleCheck, ChecksACardFileUpToTheSizeTheModuleReads) {
  VehicleFolder folder;
  std::string largest(kOneStopCard);
  largest += '#';
  largest.append(kCardFileLimit - kOneStopCard.size() - 2, 'x');
  largest += '\n';
  folder.write("largest.csv", largest);
  folder.write("larger.csv", largest + "#");
  std::string bytes;
  std::vector<LintRemark> remarks;
  EXPECT_TRUE(checkCardFile(folder.prefix() + "largest.csv", "1234A.csv", false, bytes, remarks));
  EXPECT_TRUE(remarks.empty());
  EXPECT_FALSE(checkCardFile(folder.prefix() + "larger.csv", "1234A.csv", false, bytes, remarks));
  ASSERT_EQ(remarks.size(), 1u);
  EXPECT_EQ(remarks[0].code, RemarkCode::kCardTooLarge);
  EXPECT_EQ(remarks[0].args, std::vector<std::string>{"1048576"});
}

TEST(VehicleCheck, ReadsNothingFromAFolderTooLongForTheModule) {
  VehicleFolder top;
  std::string absolute;
  ASSERT_TRUE(platform::makeAbsolute(top.path().string(), absolute));
  // The longest vehicle folder that the module reads from, then one a byte longer.
  const std::size_t longest = kLongestVehicleFolder - absolute.size() - 1;
  for (const std::size_t length : {longest, longest + 1}) {
    const std::string name(length, 'v');
    top.write(name + "/RUVA_ICCard.ini", "[ICCard]\n0=local\n");
    top.write(name + "/local/1234A.csv", kOneStopCard);
    std::ostringstream out;
    RemarkReport report(ReportFormat::kText, out);
    checkVehicle(top.prefix() + name, "v", false, true, report);
    if (length == longest) {
      EXPECT_EQ(out.str(), "Entry  Folder  Cards  With errors\n0      local   1      0\n");
    } else {
      EXPECT_EQ(report.counts().errors, 1);
      EXPECT_EQ(
          out.str().find("v:0:0: error: vehicle folder path too long for the module (the path is " +
                         std::to_string(kLongestVehicleFolder + 1) + " bytes long"),
          0u)
          << out.str();
    }
  }
}

TEST(CardViews, CardTimesReadAsAuthorsWriteThem) {
  const std::pair<int32_t, const char*> cases[] = {
      {83000, "08:30:00"},    {241500, "24:15:00"}, {246060, "--:--:--"}, {256060, "停"},
      {266060, "↓ (passes)"}, {276060, "〓"},       {240000, "24:00:00"},
  };
  for (const auto& [time, text] : cases) EXPECT_EQ(cardTimeText(time), text) << time;
}

TEST(CardViews, CardCodesNameTheFileAndFindIt) {
  VehicleFolder vehicle;
  vehicle.write("RUVA_ICCard.ini", "[ICCard]\n0=local\n1=rapid\n2=gone\n");
  vehicle.write(
      "local/\x89\xf1"
      "1234A.csv",
      "3,x\n");
  vehicle.write("rapid/1002345S.csv", "3,x\n");
  struct Case {
    int32_t code;
    bool found;
    const char* lines[3];
  };
  const Case cases[] = {
      {3123400, true, {"Folder       0\n", "File name    回1234A.csv\n", "Found        yes\n"}},
      {100234511, true, {"Number       1002345\n", "Suffix       11  S\n", "Found        yes\n"}},
      {123401, false, {"File name    1234B.csv\n", "Found        no", "Prefix       0  \n"}},
      {200123400, false, {"2=gone (no such folder: taken as NULL)\n", "NULL", "Found        no"}},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    EXPECT_EQ(explainCardCode(c.code, vehicle.path().string(), out), c.found) << c.code;
    for (const char* line : c.lines) {
      EXPECT_NE(out.str().find(line), std::string::npos) << c.code << " lacks " << line << "\n"
                                                         << out.str();
    }
  }
  std::ostringstream alone;
  EXPECT_TRUE(explainCardCode(-123401, "", alone));
  EXPECT_NE(alone.str().find("File name    -1234.csv\n"), std::string::npos) << alone.str();
  EXPECT_EQ(alone.str().find("Found"), std::string::npos);
}

TEST(CardViews, PreviewWalksTheListedStopsInRunningOrder) {
  const std::string card =
      "3,123A\n"
      "7,60,One,80000,80030,1\n"
      "7,60,Hidden,80100,80130,2,0,0,1.0,1\n"
      "7,60,Two,80200,80230,3\n"
      "7,0,Three,80400,246060,4\n";
  std::ostringstream out;
  previewCard(parseCardText(card), 5, out);
  const std::string text = out.str();
  const std::size_t one = text.find("== Current stop: row 0 One");
  const std::size_t two = text.find("== Current stop: row 2 Two");
  const std::size_t three = text.find("== Current stop: row 3 Three");
  ASSERT_NE(one, std::string::npos) << text;
  ASSERT_NE(two, std::string::npos) << text;
  ASSERT_NE(three, std::string::npos) << text;
  EXPECT_LT(one, two);
  EXPECT_LT(two, three);
  EXPECT_EQ(text.find("row 1 Hidden"), std::string::npos);
  EXPECT_NE(text.find("Next stop      08:02:00  attr 0  no. 3"), std::string::npos) << text;
  // A hidden first row is current all the same once the card beacon has loaded the card.
  std::ostringstream hiddenFirst;
  previewCard(parseCardText("7,60,Hidden,80000,80030,1,0,0,0.0,1\n" + card.substr(7)), 5,
              hiddenFirst);
  EXPECT_EQ(hiddenFirst.str().find("== Current stop: row 0 Hidden"), 0u) << hiddenFirst.str();
}

}  // namespace
