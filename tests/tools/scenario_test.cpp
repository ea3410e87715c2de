// Scenario scripts: what each command line turns into, and the line and reason of
// every kind of bad line.
#include "tools/host/scenario.h"

#include <gtest/gtest.h>

namespace {

Command parseOne(const std::string& line) {
  Scenario scenario;
  ScenarioError error;
  EXPECT_TRUE(parseScenario(line, scenario, error)) << line << ": " << error.message;
  EXPECT_EQ(scenario.commands.size(), 1u) << line;
  return scenario.commands.empty() ? Command{} : scenario.commands[0];
}

TEST(Scenario, CommandsCarryTheirValues) {
  struct Case {
    const char* line;
    CommandKind kind;
    double number;
    double amount;
    bool counted;  // a ramp over metres, a wait in frames
    int32_t integer;
    int32_t value;
  };
  const Case cases[] = {
      {"step 20", CommandKind::kStep, 0, 0, false, 20, 0},
      {"time 08:30", CommandKind::kTime, 0, 0, false, 30600000, 0},
      {"time 1:02:03.045", CommandKind::kTime, 0, 0, false, 3723045, 0},
      {"time 5000", CommandKind::kTime, 0, 0, false, 5000, 0},
      {"speed 87.5", CommandKind::kSpeed, 87.5, 0, false, 0, 0},
      {"speed 40 km/h", CommandKind::kSpeed, 40, 0, false, 0, 0},
      {"accelerate to 80 over 500 m", CommandKind::kRamp, 80, 500, true, 0, 0},
      {"accelerate to 80 km/h over 1.5km", CommandKind::kRamp, 80, 1500, true, 0, 0},
      {"brake to 0 in 20 s", CommandKind::kRamp, 0, 20000, false, 0, 0},
      {"brake to 30 in 2 min", CommandKind::kRamp, 30, 120000, false, 0, 0},
      {"drive 1200 m", CommandKind::kDrive, 0, 1200, false, 0, 0},
      {"drive 2.5 km", CommandKind::kDrive, 0, 2500, false, 0, 0},
      {"wait 30 s", CommandKind::kWait, 0, 30000, false, 0, 0},
      {"wait 250ms", CommandKind::kWait, 0, 250, false, 0, 0},
      {"wait 3 frames", CommandKind::kWait, 0, 0, true, 3, 0},
      {"wait until 8:33", CommandKind::kWaitUntil, 0, 0, false, 30780000, 0},
      {"beacon 1000 3123400", CommandKind::kBeacon, 0, 0, false, 1000, 3123400},
      {"beacon 100 -300", CommandKind::kBeacon, 0, 0, false, 100, -300},
      {"handle brake 4", CommandKind::kHandle, 0, 0, false, 0, 4},
      {"traction -55.5", CommandKind::kTraction, -55.5, 0, false, 0, 0},
      {"speed -3.4e38", CommandKind::kSpeed, -3.4e38, 0, false, 0, 0},
      {"input 82 = 1", CommandKind::kInput, 0, 0, false, 82, 1},
      {"input 83 0", CommandKind::kInput, 0, 0, false, 83, 0},
      {"door open", CommandKind::kDoorOpen, 0, 0, false, 0, 0},
      {"door close", CommandKind::kDoorClose, 0, 0, false, 0, 0},
      {"restart", CommandKind::kRestart, 0, 0, false, 0, 0},
      {"show   # look", CommandKind::kShow, 0, 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    const Command command = parseOne(c.line);
    EXPECT_EQ(command.kind, c.kind) << c.line;
    EXPECT_DOUBLE_EQ(command.number, c.number) << c.line;
    EXPECT_DOUBLE_EQ(command.amount, c.amount) << c.line;
    EXPECT_EQ(command.byDistance || command.byFrames, c.counted) << c.line;
    EXPECT_EQ(command.integer, c.integer) << c.line;
    EXPECT_EQ(command.value, c.value) << c.line;
  }
}

TEST(Scenario, ExpectationsNoteHandlesAndSnapshots) {
  Command c = parseOne("expect panel 101-105 = 1 2 3 4 -8");
  EXPECT_EQ(c.array, HostArray::kPanel);
  EXPECT_EQ(c.integer, 101);
  EXPECT_EQ(c.values, (std::vector<int32_t>{1, 2, 3, 4, -8}));
  c = parseOne("expect sound 14 = 1");
  EXPECT_EQ(c.array, HostArray::kSound);
  EXPECT_EQ(c.values, (std::vector<int32_t>{1}));
  c = parseOne("  note  Arrived at #3, on time  ");
  EXPECT_EQ(c.text, "Arrived at #3, on time");
  c = parseOne("snapshot stops/first.svg");
  EXPECT_EQ(c.text, "stops/first.svg");
  EXPECT_EQ(parseOne("handle reverser -1").handle, Handle::kReverser);
  EXPECT_EQ(parseOne("handle power 3").handle, Handle::kPower);
}

TEST(Scenario, CommentsBlankLinesAndLineEnds) {
  Scenario scenario;
  ScenarioError error;
  ASSERT_TRUE(parseScenario("# a run\r\n\r\n  \t\nspeed 10\r\nshow # now\n# end", scenario, error));
  ASSERT_EQ(scenario.commands.size(), 2u);
  EXPECT_EQ(scenario.commands[0].line, 4);
  EXPECT_EQ(scenario.commands[1].line, 5);
}

TEST(Scenario, BadLinesAreReportedWithTheirLine) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"acelerate to 80 over 500 m", "unknown command 'acelerate'"},
      {"speed fast", "bad speed"},
      {"speed 40 mph", "use km/h"},
      {"step 0", "bad frame step"},
      {"time 8:61", "bad time"},
      {"time 08:30:00.5", "bad time"},
      {"accelerate to 80 over 500", "bad distance"},
      {"accelerate to 80 over -5 m", "bad distance"},
      {"brake to 0 during 20 s", "bad speed change"},
      {"drive 100 yards", "bad distance"},
      {"wait", "bad duration"},
      {"wait until noon", "bad time"},
      {"door ajar", "door open"},
      {"beacon 1000", "bad beacon"},
      {"beacon 1000 99999999999", "bad beacon"},
      {"handle horn 1", "unknown handle"},
      {"input 84 = 1", "not an input"},
      {"expect panel 300 = 1", "out of 0..255"},
      {"expect panel 10-12 = 1 2", "expected 3 values"},
      {"expect speed 10 = 1", "unknown array"},
      {"expect panel 10 1", "bad expectation"},
      {"show now", "takes nothing"},
      {"snapshot", "snapshot FILE.svg"},
      // Numbers past the host's float, pictures outside --out.
      {"speed 1e39", "'1e39' does not fit the 32-bit number"},
      {"brake to -1e300 in 1 s", "does not fit the 32-bit number"},
      {"traction 4e38", "does not fit the 32-bit number"},
      {"snapshot ../up.svg", "outside the --out folder"},
      {"snapshot stops/../../up.svg", "outside the --out folder"},
      {"snapshot /tmp/up.svg", "outside the --out folder"},
  };
  for (const Case& c : cases) {
    Scenario scenario;
    ScenarioError error;
    EXPECT_FALSE(parseScenario(std::string("speed 1\n\n") + c.line, scenario, error)) << c.line;
    EXPECT_EQ(error.line, 3) << c.line;
    EXPECT_NE(error.message.find(c.message), std::string::npos)
        << c.line << " -> " << error.message;
    EXPECT_EQ(scenario.commands.size(), 1u) << c.line;
  }
}

TEST(Scenario, ClockTimes) {
  struct Case {
    const char* text;
    bool ok;
    int32_t ms;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"00:00", true, 0},
      {"23:59:59", true, 86399000},
      {"25:00", true, 90000000},
      {"12:00:00.250", true, 43200250},
      {"12:00.250", false, 0},
      {"12:60", false, 0},
      {"12::00", false, 0},
      {"-5", false, 0},
      {"1:2:3:4", false, 0},
      {"999:00", false, 0},
      {"12:+5", false, 0},
  };
  for (const Case& c : cases) {
    int32_t ms = -1;
    EXPECT_EQ(parseClockTime(c.text, ms), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(ms, c.ms) << c.text;
    }
  }
}

}  // namespace
