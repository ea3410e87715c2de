// The replay page's record of a run: changes stored as runs, markers, the names beside
// the rows, and the panel table's meanings. The page itself is tested in a browser
// (report_browser_test.py).
#include "tools/host/html_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "plugin/settings.h"
#include "tests/support/module_host.h"
#include "tests/tools/source_file.h"
#include "tools/host/panel_meanings.h"

namespace fs = std::filesystem;

namespace {

TEST(ChangeList, KeepsChangesAsRunsOfEqualSteps) {
  struct Case {
    std::vector<std::pair<uint64_t, int64_t>> values;  // frame, value
    std::vector<int64_t> runs;
  };
  const Case cases[] = {
      {{{1, 0}, {2, 0}, {3, 0}}, {}},                             // never changes
      {{{1, 16}, {2, 32}, {3, 48}, {4, 64}}, {4, 1, 16}},         // the host clock
      {{{5, 7}, {6, 7}, {9, 2}, {13, -3}}, {1, 5, 7, 2, 4, -5}},  // steady between changes
      {{{1, 1}, {2, 2}, {3, 4}, {4, 6}}, {2, 1, 1, 2, 1, 2}},     // a new step, a new run
  };
  for (const Case& c : cases) {
    ChangeList list;
    for (const auto& [frame, value] : c.values) list.set(frame, value);
    EXPECT_EQ(list.runs(), c.runs);
  }
}

// The page's decoder reads this form (report_page.html, Series): a table of the runs
// that come more than once, a character each, and three base-64 numbers for the others.
TEST(ChangeList, WritesFrequentRunsAsOneCharacterAndTheOthersInBase64) {
  ChangeList blinking;
  for (uint64_t frame = 1; frame <= 4; ++frame) blinking.set(frame, frame % 2);
  std::ostringstream table;
  blinking.writeCode(table);
  EXPECT_EQ(table.str(), "[[1,1,-1,1,1,1],\"\xC2\xA1\xC2\xA0\xC2\xA1\xC2\xA0\"]");

  ChangeList once;
  once.set(1, 5);
  once.set(3, 2);
  once.set(5, -1);
  once.set(6, (int64_t{1} << 40));  // a step of 2^40 + 1: its low four bits in the first digit
  std::ostringstream escaped;
  once.writeCode(escaped);
  EXPECT_EQ(escaped.str(), "[[],\"ABKBCHABigggggggC\"]");
}

TEST(PanelMeanings, NameWhatEachLayoutWritesThere) {
  Layout fiveRows;
  fiveRows.dispType = true;
  fiveRows.unitDispEnable = true;
  Layout legacy;
  legacy.useLegacyDisp = true;
  struct Case {
    const Layout& layout;
    int index;
    const char* meaning;
  };
  const Case cases[] = {
      {fiveRows, 10, "clock hours"},
      {fiveRows, 23, "unit 4 lamp"},
      {fiveRows, 111, "next stop: time hour"},
      {fiveRows, 142, "row 0: time 1 second / 5"},
      {fiveRows, 201, "row 0: value B"},
      {fiveRows, 0, ""},
      {Layout{}, 23, ""},  // unit lamps off
      {Layout{}, 113, "info: time second"},
      {legacy, 207, "km post: whole km"},
      {legacy, 98, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(panelMeanings(c.layout).texts[c.index], c.meaning) << c.index;
  // How the page draws them over the run.
  const PanelMeanings kinds = panelMeanings(fiveRows);
  EXPECT_EQ(kinds.kinds[111], ValueKind::kQuantity);
  EXPECT_EQ(kinds.kinds[130], ValueKind::kCode);
  EXPECT_EQ(kinds.kinds[100], ValueKind::kPrefix);
  EXPECT_EQ(kinds.kinds[114], ValueKind::kLamp);
  EXPECT_EQ(kinds.kinds[23], ValueKind::kUnitLamp);
  EXPECT_EQ(soundMeanings()[14], "arrival cue 1");
}

// The example card run's start, played against the built module in a copy of the
// example vehicle, with a wrong expectation on the way.
TEST(ReportRecorder, RecordsTheExampleRunWithNamesAndMarkers) {
  const std::string cardName =
      "local/\x89\xf1"
      "1234A.csv";  // 回1234A.csv in code page 932
  const std::string card = readSource("examples/vehicle/" + cardName);
  // Under Wine the source tree's code page 932 file names do not map to Japanese names.
  if (card.empty()) GTEST_SKIP() << "the example card cannot be read by its byte name here";
  VehicleFolder folder;
  for (const char* file : {"RUVA_Spec.ini", "RUVA_ICCard.ini"})
    folder.write(file, readSource(std::string("examples/vehicle/") + file));
  folder.write(cardName, card);
  ModuleHost host(folder);
  StopNames names((folder.path() / moduleFileName()).string());
  ReportRecorder recorder(&names);
  RunSettings settings;
  const std::string spec = (folder.path() / "RUVA_Spec.ini").string();
  settings.readLayout = [spec] { return readDisplaySettings(spec.c_str()); };
  settings.stopNames = &names;
  settings.observer = &recorder;
  settings.keepGoing = true;
  ScenarioRunner runner(host.api, settings);
  runner.start();
  Scenario scenario;
  ScenarioError error;
  ASSERT_TRUE(parseScenario(
      "time 08:29:40\nwait 2 frames\nbeacon 1000 3123400\nwait 1 s\nexpect panel 10 = 7\n"
      "expect panel 10 = 6\nwait 2 frames\n",
      scenario, error));
  RunFailure failure;
  EXPECT_FALSE(runner.run(scenario, failure));
  EXPECT_EQ(failure.line, 5);  // the first failed expectation; the run went on
  EXPECT_EQ(runner.frames(), 2u + 63u + 2u);

  const NamedLists named = runner.names();
  // Card row 4 is a hidden timing point.
  const std::vector<std::string> rows = {"0 青葉台", "1 桜川", "2 緑町", "3 東浜", "5 港北"};
  std::vector<std::string> shown;
  for (const NamedStop& stop : named.rows)
    shown.push_back(std::to_string(stop.row) + " " + stop.name);
  EXPECT_EQ(shown, rows);
  EXPECT_EQ(named.nextStop.row, 1);
  EXPECT_EQ(named.nextStop.name, "桜川");
  ASSERT_GE(named.current, 0);
  EXPECT_EQ(names.stops()[static_cast<std::size_t>(named.current)], "青葉台");

  std::vector<std::string> seen;
  for (const ReportMarker& m : recorder.markers())
    seen.push_back(std::to_string(m.frame) + " " + m.kind + " " + m.label);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], "3 beacon beacon 1000 3123400, card 3123400: local/回1234A.csv, 11 stops");
  EXPECT_EQ(seen[1].substr(seen[1].find(' ')), " stop 青葉台");
  EXPECT_EQ(seen[2], "65 expect line 5: expected panel 10 = 7, got 8 (frame 65)");

  std::ostringstream page;
  recorder.writeHtml(page, "run <1> & more");
  const std::string html = page.str();
  EXPECT_EQ(html.find("http:"), std::string::npos);
  EXPECT_EQ(html.find("</script", html.find("const DATA")), html.rfind("</script"));
  EXPECT_NE(html.find("<title>run &lt;1&gt; &amp; more</title>"), std::string::npos);
  EXPECT_NE(html.find("\"frames\":67,"), std::string::npos);
}

}  // namespace
