#include "tools/drive/drive_plan.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = DriveStep::Kind;
using Handle = DriveStep::Handle;

// Below this the train does not move at all; from here on, speeding up and slowing
// down each take at least a tenth of a metre.
constexpr double kShortestRunM = 1.0;
constexpr double kTenth = 0.05;        // pieces shorter than half a tenth are left out

double tenths(double value) {
  return std::round(value * 10.0) / 10.0;
}

double metresPerSecond(double kmh) {
  return kmh / 3.6;
}

// The running speed in km/h (a multiple of 0.1) of a run of `metres` from standstill to
// standstill that should take `seconds` when given; 0 when there is nothing to run.
double runningKmh(double metres, std::optional<double> seconds) {
  if (metres < kShortestRunM) return 0.0;
  const double a = metresPerSecond(drive::kAccelerationKmhPerS);
  const double b = metresPerSecond(drive::kBrakingKmhPerS);
  // A run at v takes metres / v + k * v: the time lost to speeding up and slowing down.
  const double k = 1.0 / (2.0 * a) + 1.0 / (2.0 * b);
  const double fastest = std::sqrt(metres / k);  // no time at full speed at all
  double v = metresPerSecond(drive::kUntimedKmh);
  if (seconds) {
    const double t = *seconds;
    const double discriminant = t * t - 4.0 * k * metres;
    v = t > 0.0 && discriminant >= 0.0 ? (t - std::sqrt(discriminant)) / (2.0 * k) : fastest;
  }
  v = std::clamp(v, metresPerSecond(drive::kLowestKmh), metresPerSecond(drive::kHighestKmh));
  v = std::min(v, fastest);
  // Rounded down, so that the speeding up and the slowing down fit in the run.
  return std::floor(v * 36.0 + 1e-9) / 10.0;
}

class Planner {
 public:
  Planner(const CardRecord& card, DrivePlan& plan) : card_(card), plan_(plan) {}

  void planAll() {
    const int32_t count = std::min<int32_t>(card_.stopCount, CardRecord::kStopSlots - 1);
    for (int32_t r = 0; r < count; ++r) {
      DriveRow row;
      const auto i = static_cast<std::size_t>(r);
      if (r > 0 && r < count - 1) {
        if (card_.stopFlag9[i]) {
          row.pass = RowPass::kHidden;
        } else if (isHour26Mark(card_.stopTime1[i])) {
          row.pass = RowPass::kPass;
        }
      }
      row.arrivalMs = cardClockMs(card_.stopTime1[i]);
      row.departureMs = cardClockMs(card_.stopTime2[i]);
      plan_.rows.push_back(row);
    }
    if (count == 0) return;

    DriveRow& first = plan_.rows[0];
    int64_t start = drive::kUntimedStartMs;
    if (first.departureMs) {
      start = std::max<int64_t>(0, *first.departureMs - drive::kLeadInMs);
    } else if (first.arrivalMs) {
      start = *first.arrivalMs;
    }
    now_ = static_cast<double>(start);
    first.standMs = start;
    add({.kind = Kind::kTime, .ms = start});
    handle(Handle::kReverser, drive::kForward);
    handle(Handle::kBrake, drive::kBrakeNotch);
    // The doors are open while the card goes in; the display has no card yet, so the
    // opening changes nothing.
    add({.kind = Kind::kDoorOpen});
    wait(drive::kDoorMs);
    add({.kind = Kind::kCardBeacon});
    wait(drive::kDoorMs);
    add({.kind = Kind::kAtRow, .index = 0});
    if (count > 1) leave(0);

    int32_t from = 0;
    for (int32_t r = 1; r < count; ++r) {
      if (plan_.rows[static_cast<std::size_t>(r)].pass != RowPass::kStand) continue;
      runLeg(from, r);
      standAt(r);
      if (r < count - 1) leave(r);
      from = r;
    }
  }

 private:
  void add(const DriveStep& step) { plan_.steps.push_back(step); }

  void handle(Handle which, int32_t value) {
    add({.kind = Kind::kHandle, .handle = which, .value = value});
  }

  void traction(double value) { add({.kind = Kind::kTraction, .number = value}); }

  void wait(int64_t ms, int32_t row = -1) {
    add({.kind = Kind::kWait, .index = row, .ms = ms});
    now_ += static_cast<double>(ms);
  }

  int64_t nowMs() const { return static_cast<int64_t>(std::ceil(now_)); }

  // Stands at `row`: the doors open a moment after the stand, and the lists of the new
  // current stop have come up when the note is made.
  void standAt(int32_t row) {
    plan_.rows[static_cast<std::size_t>(row)].standMs = nowMs();
    wait(drive::kDoorMs);
    add({.kind = Kind::kDoorOpen});
    wait(drive::kDoorMs);
    add({.kind = Kind::kAtRow, .index = row});
  }

  void leave(int32_t row) {
    DriveRow& at = plan_.rows[static_cast<std::size_t>(row)];
    if (at.departureMs) at.departureMs = onRunningDay(*at.departureMs, nowMs());
    if (at.departureMs && *at.departureMs >= nowMs() + drive::kSpareMs) {
      add({.kind = Kind::kWaitUntil, .ms = *at.departureMs});
      now_ = static_cast<double>(*at.departureMs);
    } else {
      at.late = at.departureMs.has_value();
      wait(drive::kDwellMs, row);
    }
  }

  // The card's times of a row ahead on the day the train reaches it.
  void onTheWay(DriveRow& row) const {
    if (row.arrivalMs) row.arrivalMs = onRunningDay(*row.arrivalMs, nowMs());
    if (row.departureMs) {
      row.departureMs = onRunningDay(*row.departureMs, row.arrivalMs.value_or(nowMs()));
    }
  }

  // The speed at `at` metres into a piece of even acceleration from `v0` at `start` to
  // `v1` at `end` (km/h): the square of the speed changes evenly with the distance.
  static double speedAt(double v0, double v1, double start, double end, double at) {
    if (end <= start) return v1;
    const double share = (at - start) / (end - start);
    return tenths(std::sqrt(v0 * v0 + (v1 * v1 - v0 * v0) * share));
  }

  // One command of the run from `at` to `to` metres, ending at `kmh`.
  void piece(Kind kind, double to, double kmh) {
    const double length = tenths(to - at_);
    if (length < kTenth) return;
    if (kind == Kind::kDrive) {
      add({.kind = kind, .metres = length});
      now_ += length / metresPerSecond(speed_) * 1000.0;
    } else {
      add({.kind = kind, .number = kmh, .metres = length});
      now_ += length / metresPerSecond((speed_ + kmh) / 2.0) * 1000.0;
      speed_ = kmh;
    }
    at_ = tenths(to);
  }

  // A phase of the run up to `end` metres, from the speed reached to `kmh`, with a note
  // at every row passed that lies in it.
  void phase(Kind kind, double end, double kmh) {
    const double start = at_;
    const double v0 = speed_;
    while (nextEvent_ < events_.size() && events_[nextEvent_].first <= end + kTenth) {
      const auto [position, row] = events_[nextEvent_++];
      piece(kind, position, kind == Kind::kDrive ? v0 : speedAt(v0, kmh, start, end, position));
      add({.kind = Kind::kAtRow, .index = row});
    }
    piece(kind, end, kmh);
  }

  void runLeg(int32_t from, int32_t to) {
    DriveLeg leg;
    leg.from = from;
    leg.to = to;
    events_.clear();
    nextEvent_ = 0;
    for (int32_t r = from; r < to; ++r) {
      if (r > from) {
        events_.emplace_back(leg.metres + drive::kNoteBeyondM, r);
        onTheWay(plan_.rows[static_cast<std::size_t>(r)]);
      }
      leg.metres += card_.stopDistanceKm[static_cast<std::size_t>(r)] * 1000.0;
    }
    const double run = leg.metres - drive::kStandShortM -
                       drive::kStandShortPerRowM * static_cast<double>(to - from - 1);

    DriveRow& stop = plan_.rows[static_cast<std::size_t>(to)];
    onTheWay(stop);
    if (stop.arrivalMs) leg.aimMs = stop.arrivalMs;
    if (stop.departureMs) {
      const int64_t latest = *stop.departureMs - drive::kShortestStandMs;
      leg.aimMs = std::min(leg.aimMs.value_or(latest), latest);
    }
    std::optional<double> seconds;
    if (leg.aimMs) seconds = static_cast<double>(*leg.aimMs - nowMs()) / 1000.0;
    leg.kmh = runningKmh(run, seconds);
    add({.kind = Kind::kLeg, .index = static_cast<int32_t>(plan_.legs.size())});
    plan_.legs.push_back(leg);

    add({.kind = Kind::kDoorClose});
    if (leg.kmh <= 0.0) {
      for (const auto& [position, row] : events_) add({.kind = Kind::kAtRow, .index = row});
      return;
    }
    const double v = metresPerSecond(leg.kmh);
    const double speedingUp = tenths(v * v / (2.0 * metresPerSecond(drive::kAccelerationKmhPerS)));
    const double slowingDown = tenths(v * v / (2.0 * metresPerSecond(drive::kBrakingKmhPerS)));
    const double cruising = std::max(0.0, tenths(run - speedingUp - slowingDown));
    const double end = speedingUp + cruising + slowingDown;
    for (auto& event : events_) event.first = tenths(std::min(event.first, end));
    at_ = 0.0;
    speed_ = 0.0;

    handle(Handle::kBrake, 0);
    handle(Handle::kPower, drive::kPowerNotch);
    traction(drive::kPowerTraction);
    phase(Kind::kAccelerate, speedingUp, leg.kmh);
    handle(Handle::kPower, 0);
    traction(0.0);
    phase(Kind::kDrive, speedingUp + cruising, leg.kmh);
    handle(Handle::kBrake, drive::kBrakeNotch);
    traction(drive::kBrakeTraction);
    phase(Kind::kBrake, end, 0.0);
    traction(0.0);
  }

  const CardRecord& card_;
  DrivePlan& plan_;
  double now_ = 0.0;    // the host time reached, in ms, as planned
  double at_ = 0.0;     // metres into the run
  double speed_ = 0.0;  // km/h, as last written
  std::vector<std::pair<double, int32_t>> events_;  // where the rows passed get their note
  std::size_t nextEvent_ = 0;
};

}  // namespace

DrivePlan planDrive(const CardRecord& card, int32_t code) {
  DrivePlan plan;
  plan.code = code;
  Planner(card, plan).planAll();
  return plan;
}
