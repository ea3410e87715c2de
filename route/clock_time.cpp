// HHMMSS splitting; pure integer arithmetic that cannot overflow for any int32.
#include "route/clock_time.h"

#include <algorithm>

ClockTime splitTime(int32_t hhmmss) {
  const int32_t hour = hhmmss / 10000;
  return {hour, hhmmss / 100 - hour * 100, hhmmss - (hhmmss / 100) * 100};
}

ClockTime splitTimeClamped(int32_t hhmmss) {
  const int32_t hour = std::max(0, hhmmss / 10000);
  return {hour, std::max(0, hhmmss / 100 - hour * 100), std::max(0, hhmmss - (hhmmss / 100) * 100)};
}
