// Beacon slots: each coded beacon value lands in one slot, which spreads it into the
// fields of the pending beacon stop and a few display values.
#include <cmath>
#include <cstdlib>

#include "display/frame_rules.h"
#include "display/ruva.h"

namespace {

int32_t clampIndex(int32_t x, int32_t hi) {
  return x < 0 ? 0 : x > hi ? hi : x;
}

// HHMMSS after a group number in the millions: hour, minute and second of the rest.
void storeTime(int32_t v, FixedList& hour, FixedList& minute, FixedList& second) {
  const int32_t group = v / 1000000;
  const int32_t rest = v % 1000000;
  const auto i = static_cast<std::size_t>(clampIndex(group - 2, 2));
  hour[i] = rest / 10000;
  minute[i] = (rest / 100) % 100;
  second[i] = rest % 100;
}

// An odd group goes to column A, an even one to column B, two groups per row.
void storeColumn(int32_t group, int32_t value, FixedList& columnA, FixedList& columnB) {
  const auto j = static_cast<std::size_t>(clampIndex(group / 2 - 1, 2));
  if (group % 2 == 1) {
    columnA[j] = value;
  } else {
    columnB[j] = value;
  }
}

// Digit of a train number, blank while it would be a leading zero.
int32_t digitOrBlank(int32_t number, int32_t place) {
  return number >= place ? (number / place) % 10 : 10;
}

}  // namespace

void CRuva::storeBeaconSlot(int32_t slot, int32_t v) {
  if (slot < 0) return;
  // The pending stop and the train number belong to the empty screen too.
  blankScreenShown = false;
  if (slot >= 1) {
    cardMode = false;
    beaconMode = true;
  }
  switch (slot) {
    case 0:
      if (beaconMode) {
        stopCue = v > 0 ? kFirstArrivalCue : kSecondArrivalCue;
        // Exact for every int32, the most negative one included.
        sectionRemain = std::fabs(static_cast<double>(v));
        stopDistance = sectionRemain + 50.0;
      }
      break;
    case 1:
      bcnNextAttr7[static_cast<std::size_t>(clampIndex(v / 100 - 2, 2))] = v % 100;
      break;
    case 2:
      storeTime(v, bcnNextTime1Hour7, bcnNextTime1Min7, bcnNextTime1Sec7);
      break;
    case 3:
      storeTime(v, bcnNextTime2Hour7, bcnNextTime2Min7, bcnNextTime2Sec7);
      break;
    case 4: {
      const int32_t group = v / 10000;
      bcnNextExtra7[static_cast<std::size_t>(clampIndex(group - 1, 5))] = (v % 10000) / 100;
      storeColumn(group, v % 100, bcnNextColA5, bcnNextColB5);
      break;
    }
    case 5: {
      const auto i = static_cast<std::size_t>(clampIndex(v / 10000 - 1, 2));
      bcnNextGapMin5[i] = (v % 10000) / 100;
      bcnNextGapSec5[i] = v % 100;
      break;
    }
    case 6:
      bcnNextExtra7[static_cast<std::size_t>(clampIndex(v / 100 - 1, 5))] = v % 100;
      break;
    case 7:
      storeColumn(v / 1000, v % 1000, bcnNextColA5, bcnNextColB5);
      break;
    case 8: {
      numberPrefix = v / 100000;
      const int32_t h = v % 10000;
      numberDigits[0] = digitOrBlank(h, 1000);
      numberDigits[1] = digitOrBlank(h, 100);
      numberDigits[2] = digitOrBlank(h, 10);
      numberDigits[3] = h % 10;
      numberDigits[4] = (v / 10000) % 10;
      break;
    }
    case 9:
      if (!pairPhase) {
        bcnNextCode2 = v / 1000;
        bcnNextCode = v % 1000;
      } else {
        bcnNextHour = (v / 10000) % 100;
        bcnNextMin = (v / 100) % 100;
        bcnNextSec = v % 100;
      }
      pairPhase = !pairPhase;
      break;
    case 10:
      auxIndicator = v != 0;
      break;
    case 11:
      kmCountUp = v >= 0;
      // |10 × v| needs 35 bits for the extreme values.
      kmPost = static_cast<double>(std::llabs(10LL * v));
      break;
    default:
      break;
  }
}
