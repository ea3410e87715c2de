#include "plugin/frame_cycle.h"

#include <limits>

#include "base/blank_values.h"
#include "display/pseudo_random.h"
#include "display/safe_arithmetic.h"
#include "plugin/globals.h"
#include "plugin/panel_layout.h"
#include "plugin/panel_map.h"
#include "plugin/settings.h"

namespace {

constexpr int32_t kMsPerDay = 86400000;
constexpr int32_t kBrakeHeld = -2000;

// The clock's hour, minute and second, with the whole seconds of the host time they
// come from. For every int32 time the second of the day equals (time / 1000) % 86400,
// so times of the same whole second show the same clock: the digits are worked out
// again only when that changes. Nothing else goes into them, so nothing resets this.
struct ClockDigits {
  int32_t wholeSeconds = std::numeric_limits<int32_t>::min();  // no time gives this
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};
ClockDigits clockShown;

void writeClock(int32_t* panel) {
  const int32_t wholeSeconds = lastTime / 1000;
  if (wholeSeconds != clockShown.wholeSeconds) {
    const int32_t ofDay = lastTime % kMsPerDay;
    const int32_t seconds = ofDay / 1000;
    const int32_t minutes = seconds / 60;
    clockShown = {wholeSeconds, minutes / 60, minutes % 60, seconds % 60};
  }
  panel[panel::kClockHour] = clockShown.hour;
  panel[panel::kClockHour + 1] = clockShown.minute;
  panel[panel::kClockHour + 2] = clockShown.second;
}

// The shown speed as a whole and as hundreds, tens and ones. The thresholds test the
// speed itself, so a negative speed shows blanks and a ones digit of zero or below.
void writeSpeedDigits(int32_t* panel) {
  const int32_t n = truncateToInt32(speed);
  panel[panel::kSpeedWhole] = n;
  panel[panel::kSpeedWhole + 1] = speed >= 100.0f ? n / 100 : kBlankDigit;
  panel[panel::kSpeedWhole + 2] = speed >= 10.0f ? n / 10 - 10 * (n / 100) : kBlankDigit;
  panel[panel::kSpeedWhole + 3] = n % 10;
}

// The next refresh comes after 121 to 579 ms, drawn from the frame's sequence.
int32_t nextSpeedRefreshInterval() {
  PseudoRandom random = frameSequence(lastVehicleState);
  int32_t product = random.draw();
  for (int draw = 1; draw < 4; ++draw) product = wrappingMul(product, random.draw());
  return product % 230 + 350;
}

}  // namespace

HandleCommand runFrame(const VehicleStateRecord& state, int32_t* panel, int32_t* sound) {
  // The host may hand the same time twice or jump backwards; neither is a frame of
  // negative length. Done in 64 bits so no pair of times overflows.
  const int64_t elapsed = static_cast<int64_t>(state.time) - lastTime;
  deltaTime = elapsed < 0 ? 0 : elapsed > INT32_MAX ? INT32_MAX : static_cast<int32_t>(elapsed);
  lastTime = state.time;
  speed = state.speed;
  lastVehicleState = state;
  // Before the update, which may take the value over for a beacon-mode arrival cue.
  if (brakeNotch > 0) ruva.soundOut[1] = kBrakeHeld;
  ruva.updateFrame();
  handleOutput = {brakeNotch, powerNotch, reverser, 0};

  if (panel != nullptr) {
    writeClock(panel);
    panel[panel::kVariantType0] = ruva.variantType0;
    panel[panel::kProgressCode] = ruva.progressCode;
  }
  // A frame of length zero leaves the countdown as it is.
  speedDigitCountdown = saturatingAdd(speedDigitCountdown, -deltaTime);
  if (speedDigitCountdown < 0) {
    if (panel != nullptr) writeSpeedDigits(panel);
    speedDigitCountdown = nextSpeedRefreshInterval();
  }
  if (panel != nullptr) {
    panel[panel::kKindType23] = ruva.kindType23;
    panel[panel::kVariantSum] = wrappingAdd(ruva.variantType1, ruva.variantType23);
    // Taken after the update, so the update always sees the previous frame's inputs.
    ruva.inhibitNearType3 = panel[panel::kInhibitNearType3] != 0;
    ruva.inhibitNearType2 = panel[panel::kInhibitNearType2] != 0;
    writeLayoutPanel(ruva, displaySettingsInForce(), panel);
  }
  if (sound != nullptr) writeSoundArray(ruva, sound);
  return handleOutput;
}
