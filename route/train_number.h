// Turns a train-number text into the picture codes the display shows for it.
#ifndef RUVA_ROUTE_TRAIN_NUMBER_H_
#define RUVA_ROUTE_TRAIN_NUMBER_H_

#include <cstdint>
#include <string_view>

struct TrainNumberCode {
  int32_t prefix = 50;                   // 1-42; 50 = no prefix
  int32_t digits[4] = {10, 10, 10, 10};  // thousands, hundreds, tens, ones; 10 = blank
  int32_t suffix = 40;                   // 0-33; 40 = no suffix
  bool markerFound = false;              // the prefix began with the marker character
};

// Decodes `text` (bytes in the ANSI code page): the last byte is the suffix, the four
// bytes in front of it are the digits (each byte as a signed char minus '0', blank when
// negative, with no upper bound), and the leading double-byte characters, after an
// optional marker, are the prefix. Never reads outside `text`; never fails.
TrainNumberCode decodeTrainNumber(std::string_view text);

// The text of display prefix code `prefix` (1-42) and of suffix code `suffix` (0-33),
// as code page 932 bytes; empty for any other code.
std::string_view trainPrefixText(int32_t prefix);
std::string_view trainSuffixText(int32_t suffix);

#endif  // RUVA_ROUTE_TRAIN_NUMBER_H_
