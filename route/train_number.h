// Turns a train-number text into the picture codes the display shows for it.
#ifndef RUVA_ROUTE_TRAIN_NUMBER_H_
#define RUVA_ROUTE_TRAIN_NUMBER_H_

#include <cstdint>
#include <string_view>

#include "base/blank_values.h"

struct TrainNumberCode {
  int32_t prefix = kNoPrefix;  // 1-42
  // Thousands, hundreds, tens, ones.
  int32_t digits[4] = {kBlankDigit, kBlankDigit, kBlankDigit, kBlankDigit};
  int32_t suffix = kNoSuffix;  // 0-33
  bool markerFound = false;    // the prefix began with the marker character
};

// Decodes `text` (bytes in the ANSI code page): the last byte is the suffix, the four
// bytes in front of it are the digits (each byte as a signed char minus '0', blank when
// negative, with no upper bound), and the leading double-byte characters, after an
// optional marker, are the prefix. Never reads outside `text`; never fails.
TrainNumberCode decodeTrainNumber(std::string_view text);

#endif  // RUVA_ROUTE_TRAIN_NUMBER_H_
