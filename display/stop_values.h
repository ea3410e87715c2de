// How the stop lists show a card stop's own values: the number in a stop text, the
// attribute and the running time, none of them ever negative on the display.
#ifndef RUVA_DISPLAY_STOP_VALUES_H_
#define RUVA_DISPLAY_STOP_VALUES_H_

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "card/number_conversion.h"

// The number in a stop text, never negative; false (value untouched) when the text holds
// no number. Texts without a number ("NULL", empty) are ordinary in cards.
inline bool stopTextNumber(std::string_view text, int32_t& value) {
  int32_t parsed = 0;
  if (!convertInt(text, parsed)) return false;
  value = std::max(0, parsed);
  return true;
}

// The attribute of the five-row list, the next stop and the dest record; the seven-row
// list shows it as it stands.
inline int32_t shownAttribute(int32_t attr) {
  return std::max(0, attr);
}

// The running time of `seconds` to the next stop, as the five-row list's minutes and
// seconds show it.
inline int32_t shownGapMinutes(int32_t seconds) {
  return std::max(0, seconds / 60);
}
inline int32_t shownGapSeconds(int32_t seconds) {
  return std::max(0, seconds - (seconds / 60) * 60);
}

#endif  // RUVA_DISPLAY_STOP_VALUES_H_
