// What must hold after every frame, whatever the host, the beacons and the files did:
// the two modes never both set, every list within its capacity and as long as its
// readers need, the km post never below zero, no distance undefined, no door opening
// kept by a frame without a route, and the host's panel and sound arrays
// written exactly where the chosen layout says, and the handles handed back as set.
// Shared by the session fuzzer and the soak, which drive the module in this process.
#ifndef RUVA_TESTS_SUPPORT_SESSION_CHECKS_H_
#define RUVA_TESTS_SUPPORT_SESSION_CHECKS_H_

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "display/fixed_list.h"
#include "display/ruva.h"
#include "plugin/exports.h"
#include "plugin/globals.h"

// The smallest host arrays that hold every index the module may write: an index past
// them is an overrun that the sanitizers catch.
constexpr std::size_t kSessionPanelSize = 249;
constexpr std::size_t kSessionSoundSize = 67;

// How the layout treats a panel index.
enum class PanelUse : uint8_t {
  kUntouched,  // never written: the host's value stays
  kEveryFrame,
  kSometimes,  // speed digits (only at a refresh) and indices whose value is the module's choice
};

using PanelUses = std::array<PanelUse, kSessionPanelSize>;

// The uses of every panel index in the variant that `legacy`, `fiveRows` (the setting
// "DispType") and `unitDisp` choose.
inline PanelUses panelUses(bool legacy, bool fiveRows, bool unitDisp) {
  PanelUses uses{};
  auto mark = [&uses](int first, int last, int step, PanelUse use = PanelUse::kEveryFrame) {
    for (int i = first; i <= last; i += step) uses[static_cast<std::size_t>(i)] = use;
  };
  // Rows k = 0 .. rows-1 at base + stride × k, each `width` indices wide.
  auto rows = [&mark](int base, int stride, int width, int count) {
    for (int k = 0; k < count; ++k) mark(base + stride * k, base + stride * k + width - 1, 1);
  };
  mark(10, 12, 1);
  mark(81, 81, 1);
  mark(198, 199, 1);
  mark(248, 248, 1);
  mark(230, 233, 1, PanelUse::kSometimes);
  if (!legacy) {
    if (unitDisp) mark(20, 27, 1);
    mark(98, 105, 1);
    mark(114, 114, 1);
    mark(116, 129, 1);
    if (!fiveRows) {
      mark(106, 107, 1);
      mark(110, 113, 1);
      mark(115, 115, 1);
      mark(130, 135, 1);
      rows(140, 3, 3, 5);
      mark(156, 157, 1);
      rows(161, 3, 2, 6);
      mark(178, 186, 1);
      mark(190, 195, 1);
    } else {
      mark(110, 113, 1);
      mark(115, 115, 1);
      mark(130, 134, 1);
      rows(140, 3, 3, 5);
      rows(160, 3, 3, 5);
      mark(180, 189, 1);
      mark(190, 194, 1);
      mark(200, 209, 1);
      // Where a sixth five-row row would go: left to the module.
      for (int i : {135, 155, 156, 157, 175, 176, 177, 195}) {
        uses[static_cast<std::size_t>(i)] = PanelUse::kSometimes;
      }
    }
  } else {
    mark(100, 107, 1);
    if (fiveRows) {
      mark(110, 113, 1);
      mark(115, 116, 1);
      mark(130, 134, 1);
      rows(140, 3, 3, 5);
      rows(160, 3, 3, 5);
      mark(180, 187, 1);
      mark(190, 194, 1);
      mark(200, 205, 1);
    } else {
      mark(130, 135, 1);
      rows(140, 3, 3, 6);
      rows(160, 3, 3, 6);
    }
    mark(207, 208, 1);
    mark(213, 216, 1);
  }
  return uses;
}

// The same, computed once per variant.
inline const PanelUses& panelUsesFor(bool legacy, bool fiveRows, bool unitDisp) {
  static const std::array<PanelUses, 8> table = [] {
    std::array<PanelUses, 8> all{};
    for (int v = 0; v < 8; ++v) all[v] = panelUses((v & 1) != 0, (v & 2) != 0, (v & 4) != 0);
    return all;
  }();
  return table[(legacy ? 1 : 0) + (fiveRows ? 2 : 0) + (unitDisp ? 4 : 0)];
}

// The sentinels of frame `frame`: the value that index i of a host array holds before
// the frame is sentinel(i) (the sound array's indices count on from 512), different for
// every index and frame, so that a write of any value is seen.
class SessionSentinels {
 public:
  explicit SessionSentinels(uint64_t frame) {
    uint64_t x = frame ^ 0x9E3779B97F4A7C15ull;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    base_ = static_cast<uint32_t>(x);
  }
  int32_t panel(std::size_t index) const { return at(index); }
  int32_t sound(std::size_t index) const { return at(index + 512); }

 private:
  int32_t at(std::size_t index) const {
    return static_cast<int32_t>(base_ + static_cast<uint32_t>(index) * 2654435761u);
  }
  uint32_t base_;
};

// Fills both arrays with the sentinels of `frame`; the panel's two inputs 82 and 83
// keep what they hold.
inline void fillSessionSentinels(uint64_t frame, int32_t* panel, int32_t* sound) {
  const SessionSentinels sentinels(frame);
  for (std::size_t i = 0; i < kSessionPanelSize; ++i) {
    if (i != 82 && i != 83) panel[i] = sentinels.panel(i);
  }
  for (std::size_t i = 0; i < kSessionSoundSize; ++i) sound[i] = sentinels.sound(i);
}

namespace session_checks_detail {

inline bool soundIndexWritten(std::size_t i) {
  return (i >= 14 && i <= 16) || (i >= 60 && i <= 66);
}

inline bool isSoundValue(int32_t v) {
  return v == -10000 || v == -2000 || v == 0 || v == 1 || v == 2;
}

struct ListRule {
  const char* name;
  FixedList CRuva::*list;
  std::size_t shortest;
  std::size_t longest;
};

// Lengths the lists may have: as built, or as stop selection rebuilds the five-row
// stop list (seven elements for the columns it fills row by row).
constexpr ListRule kListRules[] = {
    {"unitPowerDelay", &CRuva::unitPowerDelay, 8, 8},
    {"unitBrakeDelay", &CRuva::unitBrakeDelay, 8, 8},
    {"list7StopIdx", &CRuva::list7StopIdx, 7, 7},
    {"list7Attr", &CRuva::list7Attr, 7, 7},
    {"list7Time1Hour", &CRuva::list7Time1Hour, 7, 7},
    {"list7Time1Min", &CRuva::list7Time1Min, 7, 7},
    {"list7Time1Sec", &CRuva::list7Time1Sec, 7, 7},
    {"list7Time2Hour", &CRuva::list7Time2Hour, 7, 7},
    {"list7Time2Min", &CRuva::list7Time2Min, 7, 7},
    {"list7Time2Sec", &CRuva::list7Time2Sec, 7, 7},
    {"list7Extra", &CRuva::list7Extra, 7, 7},
    {"list5StopIdx", &CRuva::list5StopIdx, 5, 7},
    {"list5Attr", &CRuva::list5Attr, 5, 7},
    {"list5Time1Hour", &CRuva::list5Time1Hour, 5, 7},
    {"list5Time1Min", &CRuva::list5Time1Min, 5, 7},
    {"list5Time1Sec", &CRuva::list5Time1Sec, 5, 7},
    {"list5Time2Hour", &CRuva::list5Time2Hour, 5, 7},
    {"list5Time2Min", &CRuva::list5Time2Min, 5, 7},
    {"list5Time2Sec", &CRuva::list5Time2Sec, 5, 7},
    {"list5Number", &CRuva::list5Number, 5, 7},
    {"list5GapMin", &CRuva::list5GapMin, 5, 5},
    {"list5GapSec", &CRuva::list5GapSec, 5, 5},
    {"list5ColA", &CRuva::list5ColA, 5, 5},
    {"list5ColB", &CRuva::list5ColB, 5, 5},
    {"bcnCurAttr7", &CRuva::bcnCurAttr7, 7, 7},
    {"bcnCurTime1Hour7", &CRuva::bcnCurTime1Hour7, 7, 7},
    {"bcnCurTime1Min7", &CRuva::bcnCurTime1Min7, 7, 7},
    {"bcnCurTime1Sec7", &CRuva::bcnCurTime1Sec7, 7, 7},
    {"bcnCurTime2Hour7", &CRuva::bcnCurTime2Hour7, 7, 7},
    {"bcnCurTime2Min7", &CRuva::bcnCurTime2Min7, 7, 7},
    {"bcnCurTime2Sec7", &CRuva::bcnCurTime2Sec7, 7, 7},
    {"bcnCurExtra7", &CRuva::bcnCurExtra7, 7, 7},
    {"bcnCurGapMin5", &CRuva::bcnCurGapMin5, 5, 5},
    {"bcnCurGapSec5", &CRuva::bcnCurGapSec5, 5, 5},
    {"bcnCurColA5", &CRuva::bcnCurColA5, 5, 5},
    {"bcnCurColB5", &CRuva::bcnCurColB5, 5, 5},
    {"bcnNextAttr7", &CRuva::bcnNextAttr7, 7, 7},
    {"bcnNextTime1Hour7", &CRuva::bcnNextTime1Hour7, 7, 7},
    {"bcnNextTime1Min7", &CRuva::bcnNextTime1Min7, 7, 7},
    {"bcnNextTime1Sec7", &CRuva::bcnNextTime1Sec7, 7, 7},
    {"bcnNextTime2Hour7", &CRuva::bcnNextTime2Hour7, 7, 7},
    {"bcnNextTime2Min7", &CRuva::bcnNextTime2Min7, 7, 7},
    {"bcnNextTime2Sec7", &CRuva::bcnNextTime2Sec7, 7, 7},
    {"bcnNextExtra7", &CRuva::bcnNextExtra7, 7, 7},
    {"bcnNextGapMin5", &CRuva::bcnNextGapMin5, 5, 5},
    {"bcnNextGapSec5", &CRuva::bcnNextGapSec5, 5, 5},
    {"bcnNextColA5", &CRuva::bcnNextColA5, 5, 5},
    {"bcnNextColB5", &CRuva::bcnNextColB5, 5, 5},
    {"numberDigits", &CRuva::numberDigits, 5, 5},
    {"dispList7Attr", &CRuva::dispList7Attr, 7, 7},
    {"dispList7Time1Hour", &CRuva::dispList7Time1Hour, 7, 7},
    {"dispList7Time1Min", &CRuva::dispList7Time1Min, 7, 7},
    {"dispList7Time1Sec", &CRuva::dispList7Time1Sec, 7, 7},
    {"dispList7Time2Hour", &CRuva::dispList7Time2Hour, 7, 7},
    {"dispList7Time2Min", &CRuva::dispList7Time2Min, 7, 7},
    {"dispList7Time2Sec", &CRuva::dispList7Time2Sec, 7, 7},
    {"dispList7Extra", &CRuva::dispList7Extra, 7, 7},
    {"dispList5Attr", &CRuva::dispList5Attr, 5, 5},
    {"dispList5Time1Hour", &CRuva::dispList5Time1Hour, 5, 5},
    {"dispList5Time1Min", &CRuva::dispList5Time1Min, 5, 5},
    {"dispList5Time1Sec", &CRuva::dispList5Time1Sec, 5, 5},
    {"dispList5Time2Hour", &CRuva::dispList5Time2Hour, 5, 5},
    {"dispList5Time2Min", &CRuva::dispList5Time2Min, 5, 5},
    {"dispList5Time2Sec", &CRuva::dispList5Time2Sec, 5, 5},
    {"dispList5Number", &CRuva::dispList5Number, 5, 5},
    {"dispList5GapMin", &CRuva::dispList5GapMin, 5, 5},
    {"dispList5GapSec", &CRuva::dispList5GapSec, 5, 5},
    {"dispList5ColA", &CRuva::dispList5ColA, 5, 5},
    {"dispList5ColB", &CRuva::dispList5ColB, 5, 5},
    {"unitState", &CRuva::unitState, 8, 8},
    {"unitPowerTime", &CRuva::unitPowerTime, 8, 8},
    {"unitIdleTime", &CRuva::unitIdleTime, 8, 8},
    {"kmDigits", &CRuva::kmDigits, 4, 4},
    {"secondNumberDigits", &CRuva::secondNumberDigits, 5, 5},
};

}  // namespace session_checks_detail

// Checks the display state and the two host arrays after frame `frame`, which began
// with fillSessionSentinels(frame, ...). `panel82` and `panel83` are the inputs the
// host left at those indices. Returns what is wrong, or an empty text when all holds.
inline std::string checkSessionFrame(const CRuva& display, const PanelUses& uses, uint64_t frame,
                                     const int32_t* panel, const int32_t* sound, int32_t panel82,
                                     int32_t panel83) {
  using namespace session_checks_detail;
  if (display.cardMode && display.beaconMode) return "card mode and beacon mode are both set";
  for (const ListRule& rule : kListRules) {
    const std::size_t length = (display.*rule.list).size();
    if (length > FixedList::kCapacity || length < rule.shortest || length > rule.longest) {
      return std::string(rule.name) + " has " + std::to_string(length) + " elements";
    }
  }
  if (display.kmPost < 0.0) return "kmPost is below zero: " + std::to_string(display.kmPost);
  // An undefined distance never compares true again: the route would stand still.
  const struct {
    const char* name;
    double value;
  } distances[] = {{"frameDistance", display.frameDistance}, {"travelled", display.travelled},
                   {"stopRemain", display.stopRemain},       {"sectionRemain", display.sectionRemain},
                   {"stopDistance", display.stopDistance},   {"kmPost", display.kmPost}};
  for (const auto& distance : distances) {
    if (std::isnan(distance.value)) return std::string(distance.name) + " is undefined";
  }
  if (!display.cardMode && !display.beaconMode && display.doorOpened) {
    return "a door opening outlived a frame without a route";
  }
  if (panel[82] != panel82 || panel[83] != panel83) return "panel input 82 or 83 was written";
  const SessionSentinels sentinels(frame);
  for (std::size_t i = 0; i < kSessionPanelSize; ++i) {
    if (i == 82 || i == 83) continue;
    const bool written = panel[i] != sentinels.panel(i);
    if (uses[i] == PanelUse::kUntouched && written) {
      return "panel index " + std::to_string(i) + " written outside the layout";
    }
    if (uses[i] == PanelUse::kEveryFrame && !written) {
      return "panel index " + std::to_string(i) + " not written";
    }
  }
  for (std::size_t i = 0; i < kSessionSoundSize; ++i) {
    const bool written = sound[i] != sentinels.sound(i);
    if (written != soundIndexWritten(i)) {
      return "sound index " + std::to_string(i) + (written ? " written" : " not written");
    }
    if (written && !isSoundValue(sound[i])) {
      return "sound index " + std::to_string(i) + " holds " + std::to_string(sound[i]);
    }
  }
  return {};
}

// The host's two arrays in a checked session.
struct SessionArrays {
  // Exactly as large as the module may write, so that an overrun reaches a red zone.
  std::vector<int32_t> panel = std::vector<int32_t>(kSessionPanelSize);
  std::vector<int32_t> sound = std::vector<int32_t>(kSessionSoundSize);
};

// Runs frame `frame` of a session through Elapse in this process, with `state` and the
// panel inputs `panel82` and `panel83`, and checks it: the display state, both arrays
// and the handles handed back. Returns what is wrong, or an empty text.
inline std::string runCheckedFrame(uint64_t frame, const VehicleStateRecord& state, int32_t panel82,
                                   int32_t panel83, SessionArrays& arrays) {
  arrays.panel[82] = panel82;
  arrays.panel[83] = panel83;
  fillSessionSentinels(frame, arrays.panel.data(), arrays.sound.data());
  const HandleCommand out = Elapse(state, arrays.panel.data(), arrays.sound.data());
  if (out.brake != brakeNotch || out.power != powerNotch || out.reverser != reverser ||
      out.constant != 0) {
    return "the handles did not come back unchanged";
  }
  return checkSessionFrame(ruva, panelUsesFor(ruva.useLegacyDisp, dispType, unitDispEnable), frame,
                           arrays.panel.data(), arrays.sound.data(), panel82, panel83);
}

#endif  // RUVA_TESTS_SUPPORT_SESSION_CHECKS_H_
