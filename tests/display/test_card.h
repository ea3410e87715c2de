// A card of plain stops for the stop-selection and reveal tests, with every per-stop
// value derived from the stop's index so that a wrong index shows as a wrong value.
#ifndef RUVA_TESTS_DISPLAY_TEST_CARD_H_
#define RUVA_TESTS_DISPLAY_TEST_CARD_H_

#include <string>
#include <vector>

#include "card/card_record.h"
#include "display/fixed_list.h"

// Stop i: first time (8 + i):i:30 → HHMMSS, second time 15 s later, attr i + 1, text
// "10i", gap 60 i + 5 s, columns 6 and 7 = 10 i and 20 i, distance 1 + i/8 km, km
// post 10 + i, cue i, byte 100 + i; the km count runs down at odd stops.
inline CardRecord plainCard(int stops) {
  CardRecord card;
  card.stopCount = static_cast<uint8_t>(stops);
  card.trainNumber = "1234M";
  for (int i = 0; i < stops; ++i) {
    card.stopTime1[i] = (8 + i) * 10000 + i * 100 + 30;
    card.stopTime2[i] = card.stopTime1[i] + 15;
    card.stopAttr[i] = i + 1;
    card.stopText5[i] = std::to_string(100 + i);
    card.stopGapSec[i] = 60 * i + 5;
    card.stopCol6[i] = 10 * i;
    card.stopCol7[i] = 20 * i;
    card.stopDistanceKm[i] = 1.0 + i / 8.0;
    card.stopKmPost[i] = 10.0 + i;
    card.stopCol11[i] = static_cast<uint8_t>(i);
    card.stopCol14[i] = static_cast<uint8_t>(100 + i);
    card.stopKmCountDown[i] = i % 2 == 1;
  }
  return card;
}

inline std::vector<int32_t> items(const FixedList& list) {
  return {list.begin(), list.end()};
}

#endif  // RUVA_TESTS_DISPLAY_TEST_CARD_H_
