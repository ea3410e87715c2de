// Every card of the example vehicle and of tests/tools/drive/ driven from its first stop
// to its last through the built module. The drive must play, and its trace must show
// every listed stop become the current one in order, the train standing still at each
// stop when it does and running through each passing stop, and no departure before the
// card's departure time.
#include "tools/drive/card_drive.h"

#include <gtest/gtest.h>

#include <sstream>

#include "plugin/settings.h"
#include "tests/support/module_host.h"
#include "tests/tools/source_file.h"
#include "tools/host/scenario.h"
#include "tools/host/scenario_runner.h"

namespace {

constexpr int64_t kDayMs = 24 * 3600000LL;

// The vehicle files beside the cards: the card list and the display settings.
const char* const kVehicleFiles[] = {"RUVA_ICCard.ini", "RUVA_Spec.ini"};

struct TracedFrame {
  int32_t timeMs = 0;
  PanelView view;
};

// The display after every frame in which something changed, read back from the trace.
std::vector<TracedFrame> replay(const std::string& trace, const Layout& layout) {
  std::vector<TracedFrame> frames;
  std::array<int32_t, kPanelSize> panel{};
  std::array<int32_t, kSoundSize> sound{};
  std::istringstream lines(trace);
  std::string line;
  std::getline(lines, line);  // the header
  long long frame = -1;
  int32_t timeMs = 0;
  auto flush = [&] {
    if (frame >= 0) frames.push_back({timeMs, decodePanel(layout, panel, sound)});
  };
  while (std::getline(lines, line)) {
    long long at = 0;
    int32_t time = 0;
    char kind[8] = {};
    int index = 0;
    int32_t value = 0;
    if (std::sscanf(line.c_str(), "%lld,%d,%7[a-z],%d,%d", &at, &time, kind, &index, &value) != 5 ||
        std::string_view(kind) == "note") {
      continue;
    }
    if (at != frame) flush();
    frame = at;
    timeMs = time;
    (std::string_view(kind) == "panel" ? panel : sound)[static_cast<std::size_t>(index)] = value;
  }
  flush();
  return frames;
}

bool sameTime(const TimeCell& cell, int32_t hhmmss) {
  const int32_t hour = std::max(0, hhmmss / 10000);
  const int32_t minute = std::max(0, hhmmss / 100 - hour * 100);
  int32_t second = std::max(0, hhmmss - hhmmss / 100 * 100);
  if (cell.secondsInFives) second /= 5;
  return cell.hour.value_or(hour) == hour && cell.minute.value_or(minute) == minute &&
         cell.second.value_or(second) == second;
}

// The card row that the first row of the list shows, or -1 while it is blank or shows
// none of the card's listed rows.
int32_t rowShown(const ListRow& shown, const CardRecord& card) {
  for (int32_t r = 0; r < card.stopCount; ++r) {
    const auto i = static_cast<std::size_t>(r);
    if (card.stopFlag9[i]) continue;
    if (sameTime(shown.time1, card.stopTime1[i]) && sameTime(shown.time2, card.stopTime2[i]) &&
        shown.attr.value_or(0) == std::max(0, card.stopAttr[i]) &&
        shown.colA.value_or(card.stopCol6[i]) == card.stopCol6[i] &&
        shown.colB.value_or(card.stopCol7[i]) == card.stopCol7[i]) {
      return r;
    }
  }
  return -1;
}

// What the trace of a drive of `card` must show.
void checkTrace(const std::vector<TracedFrame>& frames, const CardRecord& card) {
  std::vector<int32_t> listed;
  for (int32_t r = 0; r < card.stopCount; ++r) {
    if (!card.stopFlag9[static_cast<std::size_t>(r)]) listed.push_back(r);
  }
  std::vector<int32_t> current;
  int32_t standing = -1;  // the stop the train stands at until it departs
  for (const TracedFrame& f : frames) {
    const bool moving = f.view.speedDigits[0] > 0;  // as last refreshed, at most 579 ms ago
    if (standing >= 0 && moving) {
      // The card's departure time on the day of this frame: never after the frame.
      const int32_t departure = card.stopTime2[static_cast<std::size_t>(standing)];
      if (const std::optional<int64_t> ms = cardClockMs(departure)) {
        const int64_t late = ((f.timeMs - *ms) % kDayMs + kDayMs) % kDayMs;
        EXPECT_LT(late, kDayMs / 2) << "row " << standing << " left at " << f.timeMs << " ms";
      }
      standing = -1;
    }
    if (f.view.rows.empty()) continue;
    const int32_t r = rowShown(f.view.rows[0], card);
    if (r < 0 || (!current.empty() && current.back() == r)) continue;
    current.push_back(r);
    const bool passes = isHour26Mark(card.stopTime1[static_cast<std::size_t>(r)]) &&
                        r + 1 < card.stopCount;
    EXPECT_EQ(moving, passes) << "row " << r << " became the current stop at " << f.timeMs
                              << " ms";
    if (!passes) standing = r;
  }
  EXPECT_EQ(current, listed);
}

// Drives `cardFile` (a path below `folder`) and checks its trace.
void driveAndCheck(const VehicleFolder& folder, const std::string& cardFile) {
  SCOPED_TRACE(cardFile);
  ModuleHost host(folder);
  const CardDrive drive = driveCard(folder.prefix() + cardFile, folder.prefix());
  ASSERT_EQ(drive.outcome, CardDrive::Outcome::kReady) << drive.error;
  Scenario scenario;
  ScenarioError error;
  ASSERT_TRUE(parseScenario(drive.script, scenario, error)) << error.line << ": " << error.message;

  std::ostringstream trace;
  TraceWriter writer(trace);
  RunSettings settings;
  const std::string spec = folder.prefix() + "RUVA_Spec.ini";
  settings.readLayout = [spec] { return readDisplaySettings(spec.c_str()); };
  settings.snapshotFolder = folder.path() / "snapshots";
  settings.trace = &writer;
  ScenarioRunner runner(host.api, settings);
  runner.start();
  RunFailure failure;
  ASSERT_TRUE(runner.run(scenario, failure)) << failure.line << ": " << failure.message;
  checkTrace(replay(trace.str(), readDisplaySettings(spec.c_str())), drive.card);
}

// Drives every card file of the card folders `folders` of the vehicle in the source
// tree at `vehicle`; returns how many it drove.
int driveVehicle(const std::string& vehicle, std::initializer_list<const char*> folders) {
  int driven = 0;
  for (const std::string& card : sourceCards(vehicle, folders)) {
    VehicleFolder folder;
    for (const char* file : kVehicleFiles) folder.write(file, readSource(vehicle + "/" + file));
    folder.write(card, readSource(vehicle + "/" + card));
    driveAndCheck(folder, card);
    ++driven;
  }
  return driven;
}

TEST(CardDrive, DrivesEveryFixtureCard) {
  EXPECT_EQ(driveVehicle("tests/tools/drive", {"cards"}), 5);
}

TEST(CardDrive, DrivesEveryExampleCard) {
  EXPECT_GE(driveVehicle("examples/vehicle", {"local", "rapid"}), 2);
}

// A card that no card beacon would load is not driven, and the reason names the file.
TEST(CardDrive, RefusesCardsThatNoCodeLoads) {
  VehicleFolder folder;
  for (const char* file : kVehicleFiles) {
    folder.write(file, readSource(std::string("tests/tools/drive/") + file));
  }
  const std::string card = readSource("tests/tools/drive/cards/2003A.csv");
  folder.write("cards/2003A.csv", card);
  folder.write("cards/short.csv", card);
  folder.write("elsewhere/2003A.csv", card);
  folder.write("elsewhere/1002003A.csv", card);
  folder.write("cards/2009A.csv", "0,no stops\n");
  struct Case {
    const char* file;
    CardDrive::Outcome outcome;
    const char* error;
  };
  const Case cases[] = {
      {"cards/2003A.csv", CardDrive::Outcome::kReady, ""},
      {"cards/short.csv", CardDrive::Outcome::kNotDrivable, "no card code selects this file"},
      // The code reads the same card from its own folder.
      {"elsewhere/2003A.csv", CardDrive::Outcome::kReady, ""},
      {"elsewhere/1002003A.csv", CardDrive::Outcome::kNotDrivable,
       "card code 100200300 looks in card folder 1"},
      {"cards/2009A.csv", CardDrive::Outcome::kNotDrivable, "no stop rows"},
      {"cards/none.csv", CardDrive::Outcome::kBadInput, "cannot read"},
  };
  setLanguage(Language::kEnglish);
  for (const Case& c : cases) {
    const CardDrive drive = driveCard(folder.prefix() + c.file, folder.prefix());
    EXPECT_EQ(drive.outcome, c.outcome) << c.file;
    EXPECT_NE(drive.error.find(c.error), std::string::npos) << drive.error;
  }
  folder.write("cards/2003A.csv", card + "7,0,x,100600,246060\n");
  EXPECT_NE(driveCard(folder.prefix() + "elsewhere/2003A.csv", folder.prefix()).error.find(
                "card code 200300 makes the module read cards/2003A.csv"),
            std::string::npos);
  // Without a vehicle folder the card's folder lies in it.
  EXPECT_EQ(driveCard(folder.prefix() + "cards/2003A.csv", "").shownCard, "cards/2003A.csv");
}

}  // namespace
