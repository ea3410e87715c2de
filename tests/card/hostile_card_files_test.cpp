// Card files and card lists as they turn up on authors' machines at their worst: things
// that are not files, files nobody may read, huge or binary contents, odd line ends and
// card-list entries far longer than the reader's buffer.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "card/csv_reader.h"
#include "card/parser.h"
#include "tests/card/card_dump.h"
#include "tests/card/module_beside.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

// Card code of file "<number>A.csv" in card folder 0.
int32_t codeOf(int32_t number) {
  return number * 100;
}

class HostileCardFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    placeModule(*reader, folder);
    folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
    folder.write("cards/1000A.csv", "3,good\n7,0,First,83000\n7,0,Last,90000\n");
    ASSERT_TRUE(reader->readCardList());
  }

  std::string cardPath(const std::string& name) const { return folder.prefix() + "cards/" + name; }

  VehicleFolder folder;
  std::unique_ptr<CCsvread> reader = std::make_unique<CCsvread>();
};

#if !defined(_WIN32)
// Reads as an ordinary user while it lives, when the tests run as the superuser, whom
// no file mode keeps out.
class Unprivileged {
 public:
  Unprivileged() : saved_(::geteuid()) {
    if (saved_ == 0 && ::seteuid(kNobody) != 0) std::perror("seteuid");
  }
  ~Unprivileged() {
    if (saved_ == 0 && ::seteuid(0) != 0) std::perror("seteuid");
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  uid_t saved_;
};
#endif

TEST_F(HostileCardFiles, WhatDoesNotOpenAsAFileLeavesTheLastCard) {
  // Each case makes "<number>A.csv" in the card folder.
  const struct {
    int32_t number;
    std::function<void(const std::string& path)> make;
  } cases[] = {
    {1001, [](const std::string& path) { fs::create_directory(path); }},
#if !defined(_WIN32)
    {1002, [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
    {1003, [](const std::string& path) { fs::create_symlink("nowhere.csv", path); }},
    {1004, [](const std::string& path) { fs::create_symlink(fs::path(path).filename(), path); }},
    {1005,
     [](const std::string& path) {
       std::ofstream(path) << "3,secret\n7,0,Hidden,83000\n";
       fs::permissions(path, fs::perms::none);
     }},
#endif
  };
  for (const auto& c : cases) c.make(cardPath(std::to_string(c.number) + "A.csv"));
#if !defined(_WIN32)
  // The folders stay open to everyone; only the unreadable card is closed.
  fs::permissions(folder.path(), fs::perms::others_exec | fs::perms::others_read,
                  fs::perm_options::add);
  Unprivileged user;
#endif
  const std::string prepared = dumpCard(preparedCardRecord());
  for (const auto& c : cases) {
    const std::string name = std::to_string(c.number) + "A.csv";
    SCOPED_TRACE(name);
    EXPECT_EQ(reader->loadCard(codeOf(1000)).trainNumber, "good");
    const CardRecord again = reader->loadCard(codeOf(c.number));
    EXPECT_EQ(again.trainNumber, "good");
    EXPECT_EQ(again.stopCount, 2);
    EXPECT_EQ(dumpCard(reader->parseCardFile(cardPath(name))), prepared);
  }
}

TEST_F(HostileCardFiles, BeforeAnyCardAFolderGivesNoStops) {
  folder.makeFolder("cards/2000A.csv");
  const CardRecord card = reader->loadCard(codeOf(2000));
  EXPECT_EQ(card.stopCount, 0);
  EXPECT_TRUE(card.stopCode.empty());
}

std::string randomBytes(std::size_t size) {
  std::mt19937 generator(20240611);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

// NUL bytes in a train number, in the row type, in a name and in a time.
constexpr char kNulCard[] =
    "3,12\0"
    "34M\n7\0,3,Na\0me,83\0"
    "000,83030\n";

TEST_F(HostileCardFiles, ContentsAreReadAsTheyStand) {
  // The files fill the card file limit, or nearly: a larger one would count as missing.
  const std::string megabyteOfNines(kCardFileLimit - 64, '9');
  const struct {
    const char* name;
    std::string bytes;
    std::function<void(const CardRecord&)> check;
  } cases[] = {
      {"a megabyte of random bytes", randomBytes(kCardFileLimit),
       [](const CardRecord& c) {
         EXPECT_LE(c.stopCount, 63);
         EXPECT_EQ(c.stopCode.size(), 64u);
         EXPECT_EQ(c.stopCodeNumber.size(), 64u);
       }},
      {"one line of a megabyte: a number too long for any integer",
       "7," + megabyteOfNines + ",Name,83000\n",
       [](const CardRecord& c) {
         EXPECT_EQ(c.stopCount, 1);
         EXPECT_EQ(c.stopGapSec[0], -1);
         EXPECT_EQ(c.stopName[0], "Name");
         EXPECT_EQ(c.stopTime1[0], 83000);
       }},
      {"one line of a megabyte: commas only", "7" + std::string(kCardFileLimit - 64, ','),
       [](const CardRecord& c) {
         EXPECT_EQ(c.stopCount, 1);
         EXPECT_EQ(c.stopGapSec[0], -1);
         EXPECT_EQ(c.stopName[0], "");
         EXPECT_EQ(c.stopTime1[0], 246060);
         EXPECT_EQ(c.stopCode[0], "");
         EXPECT_EQ(c.stopCodeNumber[0], 0);
         EXPECT_EQ(c.stopCol21[0], 0);
       }},
      {"one line of a megabyte: a train number", "3," + megabyteOfNines,
       [&](const CardRecord& c) { EXPECT_EQ(c.trainNumber, megabyteOfNines); }},
      // Lone CRs end no line: the whole file is one row of type 0.
      {"CR-only line ends", "0,Card\r3,1234M\r7,3,NameA,83000,83030\r",
       [](const CardRecord& c) {
         EXPECT_EQ(c.cardName, "Card\r3");
         EXPECT_EQ(c.trainNumber, "NULL");
         EXPECT_EQ(c.stopCount, 0);
       }},
      // NUL bytes are bytes like any other: texts keep them, numbers end at them.
      {"NUL bytes inside lines", std::string(kNulCard, sizeof kNulCard - 1),
       [](const CardRecord& c) {
         EXPECT_EQ(c.trainNumber, std::string("12\0"
                                              "34M",
                                              6));
         EXPECT_EQ(c.stopCount, 1);
         EXPECT_EQ(c.stopName[0], std::string("Na\0me", 5));
         EXPECT_EQ(c.stopTime1[0], 240083);
         EXPECT_EQ(c.stopTime2[0], 83030);
       }},
  };
  int32_t number = 3000;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ++number;
    folder.write("cards/" + std::to_string(number) + "A.csv", c.bytes);
    const CardRecord card = reader->loadCard(codeOf(number));
    c.check(card);
    EXPECT_EQ(dumpCard(card), dumpCard(parseCardText(c.bytes)));
  }
}

TEST_F(HostileCardFiles, CardListEntriesLongerThanTheBufferAreCut) {
#if defined(_WIN32)
  GTEST_SKIP() << "folders this deep need paths longer than Windows allows";
#endif
  // The reader keeps 259 bytes of a value: the cut value is what is looked up.
  const std::string cutName = "cards/" + std::string(253, 'x');
  ASSERT_EQ(cutName.size(), 259u);
  folder.makeFolder(cutName);
  const std::string absoluteFolder = folder.prefix() + "abs";
  folder.makeFolder("abs");
  folder.write("abs/2001234A.csv", "3,absolute\n7,0,Only,83000\n");
  // An absolute folder too deep to be named in 259 bytes.
  std::string deep = "deep";
  while (folder.prefix().size() + deep.size() < 300) deep += "/" + std::string(40, 'd');
  folder.makeFolder(deep);

  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=" + cutName + std::string(2000, 'y') +
                                      "\n1=" + std::string(5000, 'z') + "\n2=" + absoluteFolder +
                                      "\n3=" + folder.prefix() + deep + "\n");
  CCsvread fresh;
  placeModule(fresh, folder);
  EXPECT_TRUE(fresh.readCardList());
  ASSERT_EQ(fresh.cardList.size(), 32u);
  EXPECT_EQ(fresh.cardList[0], cutName);
  EXPECT_EQ(fresh.cardList[1], "NULL");
  EXPECT_EQ(fresh.cardList[2], absoluteFolder);
  EXPECT_EQ(fresh.cardList[3], "NULL");
  // An absolute folder is used as it stands, whatever the module's folder.
  EXPECT_EQ(fresh.loadCard(codeOf(2001234)).trainNumber, "absolute");
}

}  // namespace
