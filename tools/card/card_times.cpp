#include "tools/card/card_times.h"

namespace {

constexpr int64_t kDayMs = 24 * 3600000LL;

}  // namespace

std::optional<int64_t> cardClockMs(int32_t hhmmss) {
  if (hhmmss < 0) return std::nullopt;
  const int32_t hour = hhmmss / 10000;
  const int32_t minute = hhmmss / 100 % 100;
  const int32_t second = hhmmss % 100;
  if (hour > 24 || minute > 59 || second > 59) return std::nullopt;
  return (int64_t{hour} * 3600 + minute * 60 + second) * 1000;
}

int64_t onRunningDay(int64_t ms, int64_t now) {
  while (ms + kDayMs / 2 < now) ms += kDayMs;
  return ms;
}
