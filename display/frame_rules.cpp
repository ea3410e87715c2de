#include "display/frame_rules.h"

#include "display/safe_arithmetic.h"

int32_t progressAfter(int32_t code, int32_t base, double reference, double remaining) {
  if (reference - remaining > 50.0) code = wrappingAdd(base, 1);
  if (remaining < (reference / 3.0) * 2) code = wrappingAdd(base, 2);
  if (remaining < reference / 3.0) code = wrappingAdd(base, 3);
  return code;
}

double brakingDistance(double speedKmh) {
  return speedKmh * speedKmh / 14.4;
}

bool coinShowsHeads(int32_t timeMs) {
  return timeMs % 1000 <= 500;
}

double eventLead(double speedKmh) {
  return speedKmh > 80.0 ? 700.0 : 400.0;
}

bool eventWindowHolds(int32_t type, double start, double end, double run, double speedKmh) {
  switch (type) {
    case 0:
      return start < run && run < end && speedKmh < 25.0;
    case 1:
      return start - run < 400.0 && run - start < 700.0;
    case 2:
    case 3: {
      const double lead = eventLead(speedKmh);
      return start - run < lead && run - start < 1200.0 - lead;
    }
    default:
      return false;
  }
}

bool kmRangeHolds(double start, double end, double kmPost) {
  if (start < end) return start < kmPost && kmPost < end;
  if (start > end) return end < kmPost && kmPost < start;
  return false;
}
