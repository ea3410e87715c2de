#include "card/csv_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "card/parser.h"
#include "tests/card/card_dump.h"
#include "tests/card/module_beside.h"

namespace {

class CsvReader : public ::testing::Test {
 protected:
  void SetUp() override { placeModule(*reader, folder); }

  VehicleFolder folder;
  std::unique_ptr<CCsvread> reader = std::make_unique<CCsvread>();
};

TEST_F(CsvReader, RelativePathsCountFromTheModuleFolder) {
  reader->readCardList();
  const std::string separator(1, folder.prefix().back());  // the system's own
  std::string resolved;
  ASSERT_TRUE(reader->resolveCardPath("cards" + separator + "1234A.csv", resolved));
  EXPECT_EQ(resolved, folder.prefix() + "cards" + separator + "1234A.csv");
  VehicleFolder elsewhere;
  ASSERT_TRUE(reader->resolveCardPath(elsewhere.prefix() + "1234A.csv", resolved));
  EXPECT_EQ(resolved, elsewhere.prefix() + "1234A.csv");
}

TEST_F(CsvReader, BeforeLoadOnlyAbsolutePathsResolve) {
  std::string resolved;
  EXPECT_FALSE(reader->resolveCardPath("1234A.csv", resolved));
  EXPECT_TRUE(reader->resolveCardPath(folder.prefix() + "1234A.csv", resolved));
}

TEST_F(CsvReader, ParsesTheFileThatAPathNames) {
  reader->readCardList();
  folder.write("cards/lf.csv", "0,Card\n3,1234M\n7,3,NameA,83000,83030\n7,4,NameB,1500\n");
  folder.write("cards/crlf.csv", "0,Card\r\n3,1234M\r\n7,3,NameA,83000,83030\r\n7,4,NameB,1500");
  folder.makeFolder("cards/folder.csv");

  const CardRecord lf = reader->parseCardFile("cards/lf.csv");
  EXPECT_EQ(lf.trainNumber, "1234M");
  EXPECT_EQ(lf.stopCount, 2);
  EXPECT_EQ(lf.stopTime1[1], 241500);
  EXPECT_EQ(dumpCard(reader->parseCardFile("cards/crlf.csv")), dumpCard(lf));
  EXPECT_EQ(dumpCard(reader->parseCardFile(folder.prefix() + "cards/lf.csv")), dumpCard(lf));

  // "NULL", a missing file and a folder all give the prepared record.
  const std::string prepared = dumpCard(preparedCardRecord());
  for (const char* path : {"NULL", "cards/missing.csv", "cards/folder.csv", ""}) {
    const CardRecord c = reader->parseCardFile(path);
    EXPECT_EQ(dumpCard(c), prepared) << path;
    EXPECT_EQ(c.stopCode.size(), 64u) << path;
  }
}

TEST_F(CsvReader, ParsingAFileCanReportToAListener) {
  struct Counter : CardDiagnostics {
    void remark(const CardRemark& r) override { lines += std::to_string(r.line) + ' '; }
    std::string lines;
  } counter;
  folder.write("card.csv", "3,1234M\n7,x\n");
  reader->readCardList();
  EXPECT_EQ(reader->parseCardFile("card.csv", &counter).stopGapSec[0], -1);
  EXPECT_EQ(counter.lines, "2 2 2 ");  // gap, name "end", columns left out
}

}  // namespace
