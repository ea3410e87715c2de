// Card times as a day's clock: the host time of a card time, and the day a time falls on
// in a run that goes past midnight. The drive of a card and the checker's reading of a
// timetable share them.
#ifndef RUVA_TOOLS_CARD_CARD_TIMES_H_
#define RUVA_TOOLS_CARD_CARD_TIMES_H_

#include <cstdint>
#include <optional>

// The host time in ms of an HHMMSS card time that is a clock time (hours up to 24,
// minutes and seconds below 60); none for the marks and "no time".
std::optional<int64_t> cardClockMs(int32_t hhmmss);

// A card time `ms` on the day of the run at host time `now`: a card that runs past
// midnight writes the times after it from 0, so a time more than half a day before
// `now` is one of a later day.
int64_t onRunningDay(int64_t ms, int64_t now);

#endif  // RUVA_TOOLS_CARD_CARD_TIMES_H_
