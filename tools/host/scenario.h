// Scenario scripts: a run of the train written line by line in the terms of a vehicle
// author (speeds, distances, doors, beacons, expectations), parsed into commands.
//
// One command per line; '#' starts a comment; blank lines are skipped. The format is
// described for authors in docs/tools.md.
#ifndef RUVA_TOOLS_HOST_SCENARIO_H_
#define RUVA_TOOLS_HOST_SCENARIO_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class CommandKind {
  kStep,       // frame step: `number` ms
  kTime,       // host time of the next frame: `integer` ms
  kSpeed,      // speed at once: `number` km/h
  kRamp,       // accelerate/brake to `number` km/h over `amount` metres or ms
  kDrive,      // `amount` metres at the current speed
  kWait,       // `amount` ms at the current speed, or `integer` frames
  kWaitUntil,  // frames at the current speed until the host time reaches `integer` ms
  kDoorOpen,
  kDoorClose,
  kBeacon,    // type `integer`, data `value`
  kHandle,    // `handle` = `value`
  kTraction,  // traction value `number`
  kRestart,   // Initialize
  kInput,     // panel index `integer` = `value`
  kShow,
  kSnapshot,  // SVG picture into `text`
  kExpect,    // array `array`, indices `integer`.., values `values`
  kNote,      // print `text`
};

enum class Handle { kPower, kBrake, kReverser };
enum class HostArray { kPanel, kSound };

struct Command {
  CommandKind kind = CommandKind::kShow;
  int line = 0;
  double number = 0.0;
  double amount = 0.0;
  bool byDistance = false;  // kRamp: `amount` is metres (else ms)
  bool byFrames = false;    // kWait: `integer` frames (else `amount` ms)
  int32_t integer = 0;
  int32_t value = 0;
  Handle handle = Handle::kPower;
  HostArray array = HostArray::kPanel;
  std::vector<int32_t> values;
  std::string text;
};

struct Scenario {
  std::string name;  // the file name, for messages
  std::vector<Command> commands;
};

struct ScenarioError {
  int line = 0;  // 0: not tied to a line
  std::string message;
};

// Parses a whole script. On the first bad line returns false with its line number and
// what is wrong; `scenario` then holds the commands before it.
bool parseScenario(std::string_view text, Scenario& scenario, ScenarioError& error);

// Host time written as HH:MM, HH:MM:SS or HH:MM:SS.mmm (hours may pass 23), or as plain
// milliseconds; false when it is neither or does not fit in 32 bits.
bool parseClockTime(std::string_view text, int32_t& ms);

#endif  // RUVA_TOOLS_HOST_SCENARIO_H_
