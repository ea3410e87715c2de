// Playing scenarios against a stand-in module that records every call: the host's
// calling order, how frames move the train, expectations, inputs and the trace.
#include "tools/host/scenario_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace {

struct Call {
  std::string name;
  int32_t a = 0;
  int32_t b = 0;
  float speed = 0.0f;
};

std::vector<Call> calls;
int32_t panelInputSeen = 0;
int soundHeldThrough = 0;  // the start at the fifth frame holds through this frame

bool stubLoad() {
  calls.push_back({"Load"});
  return true;
}
void stubNothing() {}
int32_t stubVersion() {
  return 0x20000;
}
void stubSpec(VehicleSpecRecord) {
  calls.push_back({"SetVehicleSpec"});
}
void stubInitialize(int32_t) {
  calls.push_back({"Initialize"});
}
HandleCommand stubElapse(VehicleStateRecord state, int32_t* panel, int32_t* sound) {
  calls.push_back({"Elapse", state.time, 0, state.speed});
  panelInputSeen = panel[82];
  // Like the module: the clock in panel 10 to 12, a one-frame start at the fifth frame.
  panel[10] = state.time / 3600000;
  panel[11] = state.time / 60000 % 60;
  panel[12] = state.time / 1000 % 60;
  int frames = 0;
  for (const Call& call : calls) frames += call.name == "Elapse" ? 1 : 0;
  sound[14] = frames >= 5 && frames <= std::max(5, soundHeldThrough) ? 1 : frames > 5 ? 2 : -10000;
  return {};
}
void stubPower(int32_t n) {
  calls.push_back({"SetPower", n});
}
void stubBrake(int32_t n) {
  calls.push_back({"SetBrake", n});
}
void stubReverser(int32_t n) {
  calls.push_back({"SetReverser", n});
}
void stubKey(int32_t) {}
void stubDoorOpen() {
  calls.push_back({"DoorOpen"});
}
void stubDoorClose() {
  calls.push_back({"DoorClose"});
}
void stubBeacon(BeaconRecord beacon) {
  calls.push_back({"SetBeaconData", beacon.type, beacon.data});
}

ModuleApi stubApi() {
  return {stubLoad,     stubNothing,   stubVersion,  stubSpec,  stubInitialize, stubElapse,
          stubPower,    stubBrake,     stubReverser, stubKey,   stubKey,        stubKey,
          stubDoorOpen, stubDoorClose, stubKey,      stubBeacon};
}

struct Played {
  bool passed;
  RunFailure failure;
  std::vector<Call> calls;
  std::string out;
  std::string trace;
  double odometer;
  double speed;
  int layoutReads;
};

Played play(const std::string& script, int32_t stepMs = 16) {
  calls.clear();
  Scenario scenario;
  ScenarioError error;
  EXPECT_TRUE(parseScenario(script, scenario, error)) << error.message;
  std::ostringstream out;
  std::ostringstream traceText;
  TraceWriter trace(traceText);
  int layoutReads = 0;
  RunSettings settings;
  settings.stepMs = stepMs;
  settings.out = &out;
  settings.trace = &trace;
  settings.readLayout = [&layoutReads] {
    ++layoutReads;
    return Layout{};
  };
  ScenarioRunner runner(stubApi(), settings);
  runner.start();
  Played played{};
  played.passed = runner.run(scenario, played.failure);
  played.calls = calls;
  played.out = out.str();
  played.trace = traceText.str();
  played.odometer = runner.odometerM();
  played.speed = runner.speedKmh();
  played.layoutReads = layoutReads;
  return played;
}

std::vector<Call> elapses(const std::vector<Call>& all) {
  std::vector<Call> frames;
  for (const Call& call : all) {
    if (call.name == "Elapse") frames.push_back(call);
  }
  return frames;
}

TEST(ScenarioRunner, StartsInTheHostsOrderAndPassesCallsThrough) {
  const Played p = play(
      "handle brake 3\nhandle power 2\nhandle reverser -1\nbeacon 1000 123401\n"
      "door open\ndoor close\nrestart\n");
  ASSERT_TRUE(p.passed) << p.failure.message;
  const char* order[] = {"Load",        "SetVehicleSpec", "Initialize", "SetBrake",  "SetPower",
                         "SetReverser", "SetBeaconData",  "DoorOpen",   "DoorClose", "Initialize"};
  ASSERT_EQ(p.calls.size(), std::size(order));
  for (std::size_t i = 0; i < p.calls.size(); ++i) EXPECT_EQ(p.calls[i].name, order[i]) << i;
  EXPECT_EQ(p.calls[3].a, 3);
  EXPECT_EQ(p.calls[5].a, -1);
  EXPECT_EQ(p.calls[6].a, 1000);
  EXPECT_EQ(p.calls[6].b, 123401);
  EXPECT_EQ(p.layoutReads, 2);  // once per Initialize
}

TEST(ScenarioRunner, FramesStepTheHostTimeFromTheLastTimeSet) {
  const Played p = play(
      "wait 3 frames\ntime 08:00\nwait 40 ms\nwait until 08:00:00.090\nwait until 08:00:00.100\n",
      20);
  ASSERT_TRUE(p.passed) << p.failure.message;
  const std::vector<Call> frames = elapses(p.calls);
  const int32_t times[] = {20, 40, 60, 28800000, 28800020, 28800040, 28800060, 28800080, 28800100};
  ASSERT_EQ(frames.size(), std::size(times));
  for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i].a, times[i]) << i;
}

// A wait for a time already past used to run no frame, and the train left early; now it
// is an error of its line. After midnight the host time counts on past 24:00.
TEST(ScenarioRunner, WaitUntilAPastTimeIsAnError) {
  Played p = play("time 23:58\nwait 1 frame\nwait until 00:02:00\n");
  EXPECT_FALSE(p.passed);
  EXPECT_FALSE(p.failure.expectation);
  EXPECT_EQ(p.failure.line, 3);
  EXPECT_EQ(p.failure.message,
            "wait until 00:02:00.000 has passed: the host time is already 23:58:00.000; for "
            "00:02:00.000 of the next day write 24:02:00.000");
  p = play("time 08:00\nwait until 07:59:59\n");
  EXPECT_EQ(p.failure.message,
            "wait until 07:59:59.000 has passed: the host time is already 08:00:00.000");
  p = play("time 23:58\nwait 1 frame\nwait until 24:02:00\n", 1000);
  ASSERT_TRUE(p.passed) << p.failure.message;
  EXPECT_EQ(elapses(p.calls).back().a, 86520000);
}

TEST(ScenarioRunner, MovementCoversTheDistanceAsTheModuleCountsIt) {
  struct Case {
    const char* script;
    double distance;
    double endSpeed;
  };
  const Case cases[] = {
      {"speed 36\ndrive 100 m", 100.0, 36.0},
      {"speed 50\ndrive 1 km", 1000.0, 50.0},
      {"accelerate to 80 over 500 m", 500.0, 80.0},
      {"speed 80\nbrake to 0 over 300 m", 300.0, 0.0},
      {"speed 60\nbrake to 20 in 10 s", (60.0 + 20.0) / 2 / 3.6 * 10.0, 20.0},
  };
  for (const Case& c : cases) {
    const Played p = play(c.script);
    ASSERT_TRUE(p.passed) << c.script << ": " << p.failure.message;
    double counted = 0.0;
    for (const Call& frame : elapses(p.calls)) counted += frame.speed / 3.6 * 16 / 1000.0;
    EXPECT_NEAR(p.odometer, counted, 1e-6) << c.script;
    // Whole frames: the distance is met to within one frame's travel.
    EXPECT_NEAR(p.odometer, c.distance, 80.0 / 3.6 * 0.016) << c.script;
    EXPECT_DOUBLE_EQ(p.speed, c.endSpeed) << c.script;
  }
  // A ramp changes the speed evenly, frame by frame.
  const std::vector<Call> ramp = elapses(play("accelerate to 10 in 80 ms").calls);
  ASSERT_EQ(ramp.size(), 5u);
  EXPECT_FLOAT_EQ(ramp[0].speed, 1.0f);
  EXPECT_FLOAT_EQ(ramp[4].speed, 9.0f);
}

TEST(ScenarioRunner, ExpectationsStopTheRunAtTheFirstFailure) {
  Played p = play(
      "time 01:02:03\nwait 1 frame\nexpect panel 10-12 = 1 2 3\n"
      "expect panel 11 = 5\nexpect panel 10 = 9\n");
  EXPECT_FALSE(p.passed);
  EXPECT_TRUE(p.failure.expectation);
  EXPECT_EQ(p.failure.line, 4);
  EXPECT_EQ(p.failure.message, "expected panel 11 = 5, got 2 (frame 1)");

  p = play("wait 1 frame\nexpect sound 14-15 = 0 0\n");
  EXPECT_EQ(p.failure.message, "expected sound 14-15 = 0 0, got -10000 0 (frame 1)");
}

TEST(ScenarioRunner, CommandsThatCannotRunAreInputErrors) {
  const char* scripts[] = {"drive 10 m", "brake to 0 over 10 m", "step 1\nwait 30000 min",
                           "time 596:30\nwait 10 min"};
  for (const char* script : scripts) {
    const Played p = play(script);
    EXPECT_FALSE(p.passed) << script;
    EXPECT_FALSE(p.failure.expectation) << script;
    EXPECT_GT(p.failure.line, 0) << script;
  }
  // Frame counts past every integer type are too long, not none at all.
  const std::pair<const char*, const char*> tooLong[] = {
      {"wait 2e20 ms", "1.25e+19 frames"},
      {"speed 40\ndrive 1e300 m", "5.63e+300 frames"},
      {"speed 1e-300\ndrive 1 m", "2.25e+302 frames"},
      {"accelerate to 80 over 1e300 m", "frames; the limit is 20000000"},
      {"accelerate to 1e-300 over 1 m", "frames; the limit is 20000000"},
  };
  for (const auto& [script, says] : tooLong) {
    const Played p = play(script);
    EXPECT_FALSE(p.passed) << script;
    EXPECT_NE(p.failure.message.find(says), std::string::npos)
        << script << ": " << p.failure.message;
    EXPECT_TRUE(elapses(p.calls).empty()) << script;
  }
}

TEST(ScenarioRunner, InputsReachTheModuleInTheNextFrame) {
  const Played p = play("input 82 = 7\nwait 1 frame\n");
  EXPECT_EQ(panelInputSeen, 7);
  ASSERT_TRUE(p.passed);
}

TEST(ScenarioRunner, ShowListsTheSoundsStartedSinceTheLastShow) {
  const Played p = play("wait 6 frames\nshow\nshow\nwait 1 frame\nnote between\nshow\n");
  const std::size_t first = p.out.find("14 arrival cue 1 (frame 5)");
  ASSERT_NE(first, std::string::npos) << p.out;
  // A second look before the next frame sees the same starts.
  EXPECT_NE(p.out.find("14 arrival cue 1 (frame 5)", first + 1), std::string::npos) << p.out;
  const std::size_t note = p.out.find("-- between");
  ASSERT_NE(note, std::string::npos);
  EXPECT_NE(p.out.find("Started     none", note), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("Clock       00:00:00"), std::string::npos);
}

// Frames 6 and 7 change nothing at all, and still start the sound again.
TEST(ScenarioRunner, ASoundHeldAtOneStartsEveryFrame) {
  soundHeldThrough = 7;
  const Played p = play("wait 9 frames\nshow\n");
  soundHeldThrough = 0;
  EXPECT_NE(p.out.find("Started     14 arrival cue 1 (frame 5); 14 arrival cue 1 (frame 6); "
                       "14 arrival cue 1 (frame 7);\n"),
            std::string::npos)
      << p.out;
}

TEST(ScenarioRunner, TraceHoldsOnlyChangesAndTheNotes) {
  const Played p = play("note start\nwait 6 frames\ntime 01:00\nnote say \"hi\", then go\n");
  EXPECT_EQ(p.trace,
            "frame,time_ms,kind,index,value\n"
            "0,0,note,1,\"start\"\n"
            "1,16,sound,14,-10000\n"
            "5,80,sound,14,1\n"
            "6,96,sound,14,2\n"
            "6,96,note,4,\"say \"\"hi\"\", then go\"\n");
}

TEST(TraceWriter, FindsEveryChangeAtTheEdgesOfBothArrays) {
  for (const bool wide : {true, false}) {
    SCOPED_TRACE(wide ? "the processor's widest compares" : "16 bytes at once");
    std::ostringstream text;
    TraceWriter trace(text, wide);
    std::array<int32_t, kPanelSize> panel{};
    std::array<int32_t, kSoundSize> sound{};
    panel[0] = 1;
    panel[31] = 2;
    panel[32] = 3;
    panel[kPanelSize - 1] = 4;
    sound[0] = -1;
    sound[kSoundSize - 1] = 5;
    trace.frame(1, 16, panel, sound);
    trace.frame(2, 32, panel, sound);
    panel[kPanelSize - 1] = 0;
    sound[128] = 7;
    trace.frame(3, 48, panel, sound);
    EXPECT_EQ(text.str(),
              "frame,time_ms,kind,index,value\n"
              "1,16,panel,0,1\n1,16,panel,31,2\n1,16,panel,32,3\n1,16,panel,255,4\n"
              "1,16,sound,0,-1\n1,16,sound,255,5\n"
              "3,48,panel,255,0\n3,48,sound,128,7\n");
  }
}

// A stream that takes no bytes, like a full disk.
class FullBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(TraceWriter, AFrameThatCannotBeWrittenFailsTheStream) {
  FullBuffer full;
  std::ostream out(&full);
  TraceWriter trace(out);
  out.clear();  // the header line failed already; the frame must fail on its own
  std::array<int32_t, kPanelSize> panel{};
  std::array<int32_t, kSoundSize> sound{};
  trace.frame(1, 16, panel, sound);
  EXPECT_TRUE(out.good());
  panel[3] = 1;
  trace.frame(2, 32, panel, sound);
  EXPECT_TRUE(out.bad());
}

// The longest lines there are, in a frame that changes every value of both arrays.
TEST(TraceWriter, WritesAFrameThatChangesEverything) {
  for (const bool wide : {true, false}) {
    SCOPED_TRACE(wide ? "the processor's widest compares" : "16 bytes at once");
    std::ostringstream text;
    TraceWriter trace(text, wide);
    std::array<int32_t, kPanelSize> panel;
    std::array<int32_t, kSoundSize> sound;
    panel.fill(INT32_MIN);
    sound.fill(INT32_MIN);
    trace.frame(UINT64_MAX, INT32_MIN, panel, sound);
    const std::string lines = text.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1 + kPanelSize + kSoundSize);
    EXPECT_NE(lines.find("\n18446744073709551615,-2147483648,panel,0,-2147483648\n"),
              std::string::npos);
    EXPECT_TRUE(lines.ends_with("\n18446744073709551615,-2147483648,sound,255,-2147483648\n"));
  }
}

}  // namespace
