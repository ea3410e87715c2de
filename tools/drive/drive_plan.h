// A card driven the way a driver drives it, from its first stop row to its last: the
// card beacon at the first stop, every run between two stops with a speed profile
// that brings the train to a stand near the card's arrival time, the doors at each
// stop, the wait for the departure time, passing stops run through at speed and hidden
// timing points driven over.
//
// The plan is data: a list of steps in the terms of a scenario script. Writing it out
// as a script (drive_script.h) is one use of it; a driver that plays the steps itself
// is another.
#ifndef RUVA_TOOLS_DRIVE_DRIVE_PLAN_H_
#define RUVA_TOOLS_DRIVE_DRIVE_PLAN_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "card/card_record.h"
#include "tools/card/card_times.h"

// How the train is driven; docs/tools.md gives these numbers to authors.
namespace drive {
inline constexpr double kAccelerationKmhPerS = 2.5;
inline constexpr double kBrakingKmhPerS = 3.0;
inline constexpr double kLowestKmh = 20.0;    // no run is slower, unless too short for it
inline constexpr double kHighestKmh = 120.0;  // no run is faster, even when late
inline constexpr double kUntimedKmh = 60.0;   // towards a stop that has no times
// The train stands this far short of each stop, and kStandShortPerRowM more for every
// row passed on the way: each leaves the display's count up to a frame's run behind,
// and the stop must become the current one by the doors, not by running past it.
inline constexpr double kStandShortM = 3.0;
inline constexpr double kStandShortPerRowM = 1.0;
// A note and a snapshot for a row passed come this far beyond it, once the lists of the
// display have come up again.
inline constexpr double kNoteBeyondM = 30.0;
inline constexpr int64_t kLeadInMs = 20000;     // at the first stop before its departure
inline constexpr int64_t kDwellMs = 20000;      // a stand without a departure time to keep
inline constexpr int64_t kDoorMs = 1000;        // from the stand to the doors, and on to the note
inline constexpr int64_t kShortestStandMs = 10000;  // the run aims to leave this much stand
// A departure time is waited for only when the stand reaches it with this much to
// spare, so that the frames' rounding never makes the wait start after it.
inline constexpr int64_t kSpareMs = 2000;
inline constexpr int64_t kUntimedStartMs = 10 * 3600000;  // a card without any time starts at 10:00
// The handle positions and traction values of the drive.
inline constexpr int32_t kPowerNotch = 4;
inline constexpr int32_t kBrakeNotch = 3;
inline constexpr int32_t kForward = 1;
inline constexpr double kPowerTraction = 60.0;
inline constexpr double kBrakeTraction = -40.0;
}  // namespace drive

// How the train meets a card row.
enum class RowPass : uint8_t {
  kStand,   // it stands there with its doors open (the first and the last row always)
  kPass,    // a passing stop (an arrow in its first time): it runs through at speed
  kHidden,  // a hidden timing point: it drives over it
};

struct DriveRow {
  RowPass pass = RowPass::kStand;
  // The card's times as host times in ms (hours past 24 on the next day), when they
  // are clock times.
  std::optional<int64_t> arrivalMs;
  std::optional<int64_t> departureMs;
  int64_t standMs = 0;  // kStand: when the train comes to a stand there, as planned
  bool late = false;    // it stood past its departure time and left after kDwellMs
};

// One run from a stand to the next stand.
struct DriveLeg {
  int32_t from = 0;       // card rows
  int32_t to = 0;
  double metres = 0.0;    // the card's section lengths from `from` to `to`
  double kmh = 0.0;       // the running speed; 0 when there is no distance to run
  std::optional<int64_t> aimMs;  // the stand it aims at, from the card's times
};

struct DriveStep {
  enum class Kind : uint8_t {
    kTime,        // host time `ms` of the next frame
    kHandle,      // handle `handle` to `value`
    kTraction,    // traction `number`
    kCardBeacon,  // the card beacon with DrivePlan::code
    kDoorOpen,
    kDoorClose,
    kAccelerate,  // to `number` km/h over `metres`
    kBrake,       // to `number` km/h over `metres`
    kDrive,       // `metres` at the speed reached
    kWait,        // `ms`; at a stand, `index` is its card row
    kWaitUntil,   // until host time `ms`
    kAtRow,       // the train stands at or passes card row `index`: a note and a snapshot
    kLeg,         // DrivePlan::legs[`index`] begins
  };
  enum class Handle : uint8_t { kPower, kBrake, kReverser };

  Kind kind = Kind::kWait;
  int32_t index = -1;
  Handle handle = Handle::kPower;
  int32_t value = 0;
  double number = 0.0;
  double metres = 0.0;
  int64_t ms = 0;
};

struct DrivePlan {
  int32_t code = 0;             // the card code that selects the card
  std::vector<DriveRow> rows;   // one per card stop row
  std::vector<DriveLeg> legs;
  std::vector<DriveStep> steps;
};

// The drive of `card` (at least one stop row) loaded by a card beacon with `code`.
// Speeds are multiples of 0.1 km/h and distances of 0.1 m, as a script writes them.
DrivePlan planDrive(const CardRecord& card, int32_t code);

#endif  // RUVA_TOOLS_DRIVE_DRIVE_PLAN_H_
