#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "card/csv_reader.h"
#include "tests/card/module_beside.h"

namespace {

class CardList : public ::testing::Test {
 protected:
  void SetUp() override { placeModule(*reader, folder); }

  std::vector<std::string> expectedList(std::initializer_list<std::pair<int, std::string>> kept) {
    std::vector<std::string> list(32, "NULL");
    for (const auto& [index, value] : kept) list[static_cast<std::size_t>(index)] = value;
    return list;
  }

  VehicleFolder folder;
  std::unique_ptr<CCsvread> reader = std::make_unique<CCsvread>();
};

TEST_F(CardList, NoSettingsFileGivesThirtyTwoNulls) {
  EXPECT_FALSE(reader->readCardList());
  EXPECT_EQ(reader->cardList, expectedList({}));
  EXPECT_EQ(std::string(reader->cardListPath), folder.prefix() + "RUVA_ICCard.ini");
  EXPECT_EQ(std::string(reader->moduleDrive) + reader->moduleDir, folder.prefix());
}

TEST_F(CardList, KeepsTheEntriesThatExist) {
  VehicleFolder elsewhere;
  folder.makeFolder("cards0");
  folder.makeFolder("\x89\xF1\x97\x70");  // 回用
  folder.write("plain.txt", "not a folder, but it exists");
  folder.write("RUVA_ICCard.ini",
               "[ICCard]\n0=cards0\n5=\x89\xF1\x97\x70\n7=missing\n9=plain.txt\n"
               "12=" +
                   elsewhere.path().string() + "\n31=cards0\n32=cards0\n");
  EXPECT_TRUE(reader->readCardList());
  EXPECT_EQ(reader->cardList, expectedList({{0, "cards0"},
                                            {5, "\x89\xF1\x97\x70"},
                                            {9, "plain.txt"},
                                            {12, elsewhere.path().string()},
                                            {31, "cards0"}}));
}

TEST_F(CardList, OnlyMissingFoldersGiveFalse) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=missing\n[Other]\n2=.\n");
  EXPECT_FALSE(reader->readCardList());
  EXPECT_EQ(reader->cardList, expectedList({}));
}

TEST_F(CardList, AnEmptyValueNamesTheModuleFolder) {
  folder.write("RUVA_ICCard.ini", "[ICCard]\n1=\n");
  EXPECT_TRUE(reader->readCardList());
  EXPECT_EQ(reader->cardList, expectedList({{1, ""}}));
}

TEST_F(CardList, AFolderNamedNullCountsForEveryMissingKey) {
  folder.makeFolder("NULL");
  EXPECT_TRUE(reader->readCardList());
  EXPECT_EQ(reader->cardList, expectedList({}));
}

TEST_F(CardList, EveryReadStartsAfresh) {
  folder.makeFolder("cards0");
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards0\n");
  reader->readCardList();
  folder.write("RUVA_ICCard.ini", "[ICCard]\n3=cards0\n");
  for (int load = 0; load < 200; ++load) reader->readCardList();
  EXPECT_EQ(reader->cardList, expectedList({{3, "cards0"}}));
}

TEST_F(CardList, AModuleFolderTooLongForThePathsReadsNothing) {
  // The folder fits its own buffer, but not with the card list's file name.
  const std::string longFolder = "/" + std::string(250, 'd') + "/";
  const std::string tooLongFolder = "/" + std::string(254, 'd') + "/";
  for (const std::string& module : {longFolder + "ruva.so", tooLongFolder + "x"}) {
    CCsvread longReader;
    ASSERT_LT(module.size(), sizeof longReader.modulePath);
    std::strcpy(longReader.modulePath, module.c_str());
    EXPECT_FALSE(longReader.readCardList()) << module.size();
    EXPECT_EQ(longReader.cardList, expectedList({})) << module.size();
    EXPECT_STREQ(longReader.cardListPath, "");
  }
  // An unknown module folder reads nothing either, not even from the current folder.
  CCsvread unknown;
  EXPECT_FALSE(unknown.readCardList());
  EXPECT_EQ(unknown.cardList, expectedList({}));
  EXPECT_STREQ(unknown.cardListPath, "");
  // Nor does a module path that fills its whole array without a terminator overrun it.
  CCsvread unterminated;
  std::memset(unterminated.modulePath, 'a', sizeof unterminated.modulePath);
  unterminated.readCardList();
  EXPECT_EQ(unterminated.cardList.size(), 32u);
}

}  // namespace
