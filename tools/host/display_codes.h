// Readable forms of the display's picture codes: train-number prefixes and suffixes,
// digits, times and marks, as UTF-8 text for a terminal or a picture.
#ifndef RUVA_TOOLS_HOST_DISPLAY_CODES_H_
#define RUVA_TOOLS_HOST_DISPLAY_CODES_H_

#include <cstdint>
#include <string>

#include "tools/host/panel_view.h"

// The prefix picture of a display prefix code (1 to 42); empty for 50 and unknown codes.
std::string prefixText(int32_t code);
// The suffix picture of a display suffix code (0 to 33); empty for 40 and unknown codes.
std::string suffixText(int32_t code);
// A digit picture: "0" to "9", a space for the blank 10, and the character that the
// code stands for where a train number held a letter in a digit place.
std::string digitText(int32_t code);
// The whole train number as it reads, e.g. "回1234M"; digits trimmed of blanks.
std::string trainNumberText(const TrainNumberCodes& codes);
// "08:30:05", with "--" for parts that hold nothing, a mark for the hours 25 to 27
// and blanks for parts the layout does not show; empty when it shows none of them.
std::string timeText(const TimeCell& cell);
// The kilometre post as "12.5 km", or "-" when no card drives the display.
std::string kmPostText(int32_t high, int32_t low);
// A host time in ms as "08:30:05.250"; hours go on past 23.
std::string hostTimeText(int32_t ms);
// An absent value as "", a present one in decimal.
std::string optionalText(const std::optional<int32_t>& value);

#endif  // RUVA_TOOLS_HOST_DISPLAY_CODES_H_
