// Splitting of the HHMMSS times that cards carry into the hour, minute and second
// values that the display keeps.
#ifndef RUVA_ROUTE_CLOCK_TIME_H_
#define RUVA_ROUTE_CLOCK_TIME_H_

#include <cstdint>

struct ClockTime {
  int32_t hour;
  int32_t minute;
  int32_t second;
};

// Hour, minute and second of `hhmmss` by truncating division, unclamped: 246060 gives
// 24:60:60, the display's "no time".
ClockTime splitTime(int32_t hhmmss);

// Like splitTime, but each part is held at 0 from below (the minute is computed from the
// clamped hour), so a negative card time never shows as a negative digit.
ClockTime splitTimeClamped(int32_t hhmmss);

#endif  // RUVA_ROUTE_CLOCK_TIME_H_
