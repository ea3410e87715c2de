#include "tools/drive/drive_script.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tools/platform/host_text.h"
#include "plugin/beacon_intake.h"
#include "tools/common/messages.h"

namespace {

using Kind = DriveStep::Kind;
using Handle = DriveStep::Handle;

constexpr int64_t kDayMs = 24 * 3600000LL;

// A number as a script or a comment writes it: one decimal, none when it is whole.
std::string number(double value) {
  char text[32];
  const bool whole = std::llround(value * 10.0) % 10 == 0;
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                 whole ? 0 : 1);
  return std::string(text, end.ptr);
}

std::string hoursMinutesSeconds(int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(ms / 3600000),
                static_cast<long long>(ms / 60000 % 60), static_cast<long long>(ms / 1000 % 60));
  return text;
}

// A host time as a script command takes it: hours go on past 23 into the next day.
std::string hostTime(int64_t ms) {
  std::string text = hoursMinutesSeconds(ms);
  if (ms % 1000 != 0) {
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03lld", static_cast<long long>(ms % 1000));
    text += fraction;
  }
  return text;
}

// A time as the clock shows it, for the comments and notes.
std::string clock(const std::optional<int64_t>& ms) {
  return ms ? hoursMinutesSeconds(*ms % kDayMs) : "--:--:--";
}

class Writer {
 public:
  Writer(const DrivePlan& plan, const CardRecord& card) : plan_(plan), card_(card) {}

  std::string write(std::string_view shownCard) {
    const std::string header = message(
        Msg::kDriveHeader,
        {shownCard, platform::utf8FromCodePage932(card_.trainNumber),
         number(drive::kAccelerationKmhPerS), number(drive::kBrakingKmhPerS),
         number(drive::kLowestKmh), number(drive::kHighestKmh), number(drive::kStandShortM),
         number(drive::kStandShortPerRowM)});
    std::istringstream lines(header);
    for (std::string line; std::getline(lines, line);) comment(line);
    for (const DriveStep& step : plan_.steps) write(step);
    return out_.str();
  }

 private:
  void comment(const std::string& text) { out_ << "# " << text << '\n'; }

  std::string row(int32_t r) const {
    return message(Msg::kDriveRow,
                   {std::to_string(r), platform::utf8FromCodePage932(
                                           card_.stopName[static_cast<std::size_t>(r)])});
  }

  const DriveRow& at(int32_t r) const { return plan_.rows[static_cast<std::size_t>(r)]; }

  std::string note(int32_t r) const {
    const DriveRow& info = at(r);
    if (r == 0) {
      return message(Msg::kDriveNoteFirst,
                     {row(r), std::to_string(plan_.code), clock(info.departureMs)});
    }
    if (r + 1 == static_cast<int32_t>(plan_.rows.size())) {
      return message(Msg::kDriveNoteLast, {row(r), clock(info.arrivalMs)});
    }
    switch (info.pass) {
      case RowPass::kPass:
        return message(Msg::kDriveNotePass, {row(r)});
      case RowPass::kHidden:
        return message(Msg::kDriveNoteHidden, {row(r)});
      case RowPass::kStand:
        break;
    }
    return message(Msg::kDriveNoteStand,
                   {row(r), clock(info.arrivalMs), clock(info.departureMs)});
  }

  void legComment(const DriveLeg& leg) {
    out_ << '\n';
    const std::string metres = number(std::round(leg.metres));
    if (leg.kmh <= 0.0) {
      comment(message(Msg::kDriveNoRun, {row(leg.from), row(leg.to), metres}));
      return;
    }
    const DriveRow& stop = at(leg.to);
    comment(message(Msg::kDriveLeg, {row(leg.from), row(leg.to), metres, number(leg.kmh),
                                     clock(stop.standMs), clock(stop.arrivalMs),
                                     clock(stop.departureMs)}));
  }

  void write(const DriveStep& step) {
    switch (step.kind) {
      case Kind::kTime:
        out_ << '\n';
        comment(message(Msg::kDriveFirstRow, {row(0), std::to_string(plan_.code)}));
        out_ << "time " << hostTime(step.ms) << '\n';
        return;
      case Kind::kHandle: {
        const char* name = step.handle == Handle::kPower   ? "power"
                           : step.handle == Handle::kBrake ? "brake"
                                                           : "reverser";
        out_ << "handle " << name << ' ' << step.value << '\n';
        return;
      }
      case Kind::kTraction:
        out_ << "traction " << number(step.number) << '\n';
        return;
      case Kind::kCardBeacon:
        out_ << "beacon " << kCardBeaconType << ' ' << plan_.code << '\n';
        return;
      case Kind::kDoorOpen:
        out_ << "door open\n";
        return;
      case Kind::kDoorClose:
        out_ << "door close\n";
        return;
      case Kind::kAccelerate:
      case Kind::kBrake:
        out_ << (step.kind == Kind::kAccelerate ? "accelerate" : "brake") << " to "
             << number(step.number) << " over " << number(step.metres) << " m\n";
        return;
      case Kind::kDrive:
        out_ << "drive " << number(step.metres) << " m\n";
        return;
      case Kind::kWait:
        if (step.index >= 0) {
          const DriveRow& info = at(step.index);
          const std::string seconds = number(static_cast<double>(step.ms) / 1000.0);
          comment(info.late ? message(Msg::kDriveLate,
                                      {row(step.index), clock(info.departureMs), seconds})
                            : message(Msg::kDriveNoDeparture, {row(step.index), seconds}));
        }
        if (step.ms % 1000 == 0) {
          out_ << "wait " << step.ms / 1000 << " s\n";
        } else {
          out_ << "wait " << step.ms << " ms\n";
        }
        return;
      case Kind::kWaitUntil:
        out_ << "wait until " << hostTime(step.ms) << '\n';
        return;
      case Kind::kAtRow: {
        char snapshot[64];
        std::snprintf(snapshot, sizeof snapshot, "%d/row-%02d.svg", plan_.code, step.index);
        out_ << "note " << note(step.index) << "\nsnapshot " << snapshot << '\n';
        return;
      }
      case Kind::kLeg:
        legComment(plan_.legs[static_cast<std::size_t>(step.index)]);
        return;
    }
  }

  const DrivePlan& plan_;
  const CardRecord& card_;
  std::ostringstream out_;
};

}  // namespace

std::string driveScript(const DrivePlan& plan, const CardRecord& card, std::string_view shownCard) {
  return Writer(plan, card).write(shownCard);
}
