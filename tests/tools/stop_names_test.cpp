// The card stops that ruvahost names beside the display, played with the built module:
// they come from the card in force, and whatever bytes a name holds, it shows.
#include "tools/host/stop_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "plugin/settings.h"
#include "tests/support/module_host.h"
#include "tests/support/sample_card.h"
#include "tools/common/text_layout.h"
#include "tools/host/html_report.h"

namespace fs = std::filesystem;

namespace {

// The sample run with its stop names "Stop0", "Stop1", ... renamed `name` + "0", ...
std::string renamedCard(const std::string& name) {
  std::string text = sampleCardCsv(5, 1.0);
  for (std::size_t at = text.find(",Stop"); at != std::string::npos;
       at = text.find(",Stop", at + 1)) {
    text.replace(at + 1, 4, name);
  }
  return text;
}

// `script` played in `folder` by the module copied there, the stops named and recorded.
struct HostRun {
  explicit HostRun(const VehicleFolder& folder)
      : host(folder), names((folder.path() / moduleFileName()).string()), recorder(&names) {}

  void play(const std::string& script, const fs::path& snapshots = ".") {
    RunSettings settings;
    settings.snapshotFolder = snapshots;
    settings.stopNames = &names;
    settings.observer = &recorder;
    ScenarioRunner runner(host.api, settings);
    runner.start();
    Scenario scenario;
    ScenarioError error;
    ASSERT_TRUE(parseScenario(script, scenario, error)) << error.message;
    RunFailure failure;
    ASSERT_TRUE(runner.run(scenario, failure)) << failure.message;
    for (const NamedStop& stop : runner.names().rows) shown.push_back(stop.name);
  }

  ModuleHost host;
  StopNames names;
  ReportRecorder recorder;
  std::vector<std::string> shown;  // the names beside the rows at the end
};

TEST(StopNames, ComeFromTheCardInForceOnly) {
  VehicleFolder folder;
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
  // Two cards of the same times: only the names tell them apart.
  folder.write("cards/1234A.csv", renamedCard("Old"));
  folder.write("cards/1235A.csv", renamedCard("New"));
  HostRun run(folder);
  run.play(
      "time 07:59:00\nbeacon 1000 123400\nwait 1 s\nbeacon 1000 123500\nwait 1 s\n"
      "beacon 1000 999900\nwait 1 s\n");
  // The missing card leaves the second in force, from its first stop.
  EXPECT_EQ(run.shown, (std::vector<std::string>{"New0", "New1", "New2", "New3", "New4", ""}));
  EXPECT_EQ(run.names.stops(), (std::vector<std::string>{"New0", "New1", "New2", "New3", "New4"}));
  std::vector<std::string> stops;
  for (const ReportMarker& marker : run.recorder.markers()) {
    if (marker.kind == "stop") stops.push_back(marker.label);
  }
  EXPECT_EQ(stops, (std::vector<std::string>{"Old0", "New0"}));
}

TEST(StopNames, ShowInSnapshotsAsVisibleCharactersWhateverTheirBytes) {
  VehicleFolder folder;
  folder.write("RUVA_ICCard.ini", "[ICCard]\n0=cards\n");
  std::string card = sampleCardCsv(5, 1.0);
  const std::string bytes("Ctrl\x1aZ\0nul\x7f\r\x81", 13);
  card.replace(card.find("Stop0"), 5, bytes);
  folder.write("cards/1234A.csv", card);
  HostRun run(folder);
  run.play("time 07:59:00\nbeacon 1000 123400\nwait 1 s\nsnapshot shot.svg\n", folder.path());
  std::ifstream in(folder.path() / "shot.svg", std::ios::binary);
  std::ostringstream svg;
  svg << in.rdbuf();
  // The file is valid UTF-8 with no control character but its line ends.
  std::istringstream lines(svg.str());
  for (std::string line; std::getline(lines, line);) EXPECT_EQ(visibleText(line), line);
  EXPECT_NE(svg.str().find(">Ctrl␚Z␀nul␡␍"), std::string::npos) << svg.str();
}

TEST(VisibleText, ReplacesWhatDoesNotShow) {
  const std::pair<std::string, std::string> cases[] = {
      {"緑町 ok", "緑町 ok"},
      {std::string("\0\t\n\x1b\x1f", 5), "␀␉␊␛␟"},
      {"a\xC2\x85z\xEF\xBF\xBF", "a�z�"},                    // a C1 control, a noncharacter
      {"\xE7\xB7\x91\xFF\xC0\xAF\xED\xA0\x80", "緑������"},  // stray, overlong, surrogate
      {"\xE7\xB7", "��"},                                    // cut short
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(visibleText(in), out);
}

}  // namespace
