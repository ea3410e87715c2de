#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "card/csv_reader.h"
#include "tests/card/module_beside.h"

namespace {

class CardSelection : public ::testing::Test {
 protected:
  void SetUp() override { placeModule(*reader, folder); }

  // A card whose train number tells which file it came from.
  static std::string cardText(const std::string& marker) {
    return "3," + marker + "\n7,0,First,83000,83030\n7,0,Last,90000,90030\n";
  }
  void writeCard(const std::string& path, const std::string& marker) {
    folder.write(path, cardText(marker));
  }

  VehicleFolder folder;
  std::unique_ptr<CCsvread> reader = std::make_unique<CCsvread>();
};

TEST_F(CardSelection, CodesNameFolderAndFile) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n1=cards1\n");
  const struct {
    int32_t code;
    const char* file;
  } cases[] = {
      {123401, "cards0/1234B.csv"},
      {3123400,
       "cards0/\x89\xF1"
       "1234A.csv"},
      {103123407,
       "cards1/\x89\xF1"
       "1001234K.csv"},
      {123499, "cards0/1234.csv"},
      {44123400, "cards0/1234A.csv"},
      {5, "cards0/0G.csv"},
      {-123401, "cards0/-1234.csv"},
      {22000000,
       "cards0/\x8D\x5C\x89\xF1"
       "0A.csv"},  // 構回: the second byte is a backslash
  };
  for (const auto& c : cases) writeCard(c.file, c.file);
  ASSERT_TRUE(reader->readCardList());
  for (const auto& c : cases) {
    const CardRecord card = reader->loadCard(c.code);
    EXPECT_EQ(card.trainNumber, c.file) << c.code;
    EXPECT_EQ(card.stopCount, 2) << c.code;
  }
}

TEST_F(CardSelection, AMissingFileGivesTheLastCardAgain) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n");
  writeCard("cards0/1234A.csv", "first");
  folder.makeFolder("cards0/5678A.csv");
  ASSERT_TRUE(reader->readCardList());

  const CardRecord none = reader->loadCard(999900);
  EXPECT_EQ(none.stopCount, 0);
  EXPECT_TRUE(none.stopCode.empty());

  EXPECT_EQ(reader->loadCard(123400).trainNumber, "first");
  for (int32_t missing : {999900, 567800, 100123400, -1}) {
    const CardRecord again = reader->loadCard(missing);
    EXPECT_EQ(again.trainNumber, "first") << missing;
    EXPECT_EQ(again.stopCount, 2) << missing;
  }
}

TEST_F(CardSelection, ACardFileLargerThanTheLimitIsACardThatIsNotThere) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n");
  // The card's rows, then a comment line that fills the file to `size` bytes.
  const auto sized = [](const std::string& marker, std::size_t size) {
    std::string text = cardText(marker) + "#";
    text.resize(size - 1, 'x');
    return text + "\n";
  };
  writeCard("cards0/1111A.csv", "in force");
  folder.write("cards0/2222A.csv", sized("under", kCardFileLimit - 1));
  folder.write("cards0/3333A.csv", sized("at", kCardFileLimit));
  folder.write("cards0/4444A.csv", sized("over", kCardFileLimit + 1));
  ASSERT_TRUE(reader->readCardList());
  EXPECT_EQ(reader->loadCard(222200).trainNumber, "under");
  EXPECT_EQ(reader->loadCard(333300).trainNumber, "at");
  EXPECT_EQ(reader->loadCard(111100).trainNumber, "in force");
  const CardRecord kept = reader->loadCard(444400);
  EXPECT_EQ(kept.trainNumber, "in force");
  EXPECT_EQ(kept.stopCount, 2);
  // The tools read a card file as a card beacon does.
  EXPECT_EQ(reader->parseCardFile("cards0/3333A.csv").trainNumber, "at");
  EXPECT_EQ(reader->parseCardFile("cards0/4444A.csv").stopCount, 0);
}

TEST_F(CardSelection, HandsOutACopy) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n");
  writeCard("cards0/1234A.csv", "first");
  reader->readCardList();
  CardRecord card = reader->loadCard(123400);
  card.stopName[0] = "changed";
  EXPECT_EQ(reader->cachedCard.stopName[0], "First");
  EXPECT_EQ(reader->loadCard(999900).stopName[0], "First");
}

TEST_F(CardSelection, MissingFolderEntriesLookInAFolderNamedNull) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=missing\n");
  reader->readCardList();
  writeCard("missing/1234A.csv", "made after Load");
  EXPECT_EQ(reader->loadCard(123400).stopCount, 0);

  writeCard("NULL/1234A.csv", "null folder");
  EXPECT_EQ(reader->loadCard(123400).trainNumber, "null folder");
}

TEST_F(CardSelection, AbsoluteFolderEntriesAreUsedAsTheyStand) {
  VehicleFolder elsewhere;
  elsewhere.write("1234A.csv", cardText("elsewhere"));
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=" + elsewhere.path().string() + "\n");
  reader->readCardList();
  EXPECT_EQ(reader->loadCard(123400).trainNumber, "elsewhere");
}

TEST_F(CardSelection, AnEmptyFolderEntryMeansTheModuleFolder) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=\n");
  writeCard("1234A.csv", "beside the module");
  reader->readCardList();
  EXPECT_EQ(reader->loadCard(123400).trainNumber, "beside the module");
}

TEST_F(CardSelection, BeforeLoadNoCardIsFound) {
  // Not even in the folder named NULL of the host's current folder.
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  writeCard("NULL/1234A.csv", "current folder");
  for (int32_t code : {123400, 2100000000, INT32_MAX, INT32_MIN}) {
    EXPECT_EQ(reader->loadCard(code).stopCount, 0) << code;
  }
  std::filesystem::current_path(before);
}

// An editor that saves by renaming: the card file is missing now and then. A load that
// finds it reads it whole; one that does not keeps the card it had.
TEST_F(CardSelection, ACardFileThatComesAndGoesNeverBlanksTheCard) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n");
  writeCard("cards0/1234A.csv", "saved");
  ASSERT_TRUE(reader->readCardList());
  ASSERT_EQ(reader->loadCard(123400).stopCount, 2);
  const std::filesystem::path card = folder.path() / "cards0" / "1234A.csv";
  const std::filesystem::path aside = folder.path() / "cards0" / "1234A.bak";
  std::atomic<bool> done{false};
  std::thread editor([&] {
    std::error_code error;
    while (!done) {
      std::filesystem::rename(card, aside, error);
      std::filesystem::rename(aside, card, error);
    }
  });
  int blank = 0;
  for (int load = 0; load < 20000; ++load) blank += reader->loadCard(123400).stopCount != 2;
  done = true;
  editor.join();
  EXPECT_EQ(blank, 0);
}

}  // namespace
