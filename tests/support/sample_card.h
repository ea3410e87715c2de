// A run of evenly spaced stops, as a card record built in memory (for work that must
// not touch the file system) and as the text of a card file (for whole runs).
#ifndef RUVA_TESTS_SUPPORT_SAMPLE_CARD_H_
#define RUVA_TESTS_SUPPORT_SAMPLE_CARD_H_

#include <string>

#include "card/card_record.h"

// `stops` stops (at most 63), each section `sectionKm` long, the km post counting up
// from 10 km; every stop fires arrival cue 1, leaves at 08:00 plus two minutes a stop,
// and has one type-1 event three quarters along its section.
inline CardRecord sampleCard(int stops, double sectionKm) {
  CardRecord card;
  card.stopCount = static_cast<uint8_t>(stops);
  card.cardValue8 = 1;
  for (int i = 0; i < stops; ++i) {
    card.stopName[i] = "Stop" + std::to_string(i);
    card.stopTime1[i] = 80000 + 200 * i;
    card.stopTime2[i] = 80030 + 200 * i;
    card.stopText5[i] = std::to_string(10 + i);
    card.stopKmPost[i] = 10.0 + sectionKm * i;
    card.stopDistanceKm[i] = sectionKm;
    card.stopCol11[i] = 1;
    card.stopAttr[i] = 1 + i % 3;
  }
  for (int i = 0; i < stops && i < CardRecord::kEventSlots; ++i) {
    card.eventStopIndex[i] = i;
    card.eventStartKm[i] = sectionKm * 0.75;
    card.eventType[i] = 1;
  }
  return card;
}

// The same run as the text of a card file.
inline std::string sampleCardCsv(int stops, double sectionKm) {
  std::string text = "0,Sample run\n1,3,M12\n3,1234B\n8,1\n";
  for (int i = 0; i < stops && i < CardRecord::kEventSlots; ++i) {
    text += "5," + std::to_string(i) + "," + std::to_string(sectionKm * 0.75) + ",0,1\n";
  }
  for (int i = 0; i < stops; ++i) {
    // gap, name, two times, number, col 6, col 7, km post, flag, section, cue, cols 12-14,
    // text, col 16, count-up flag, attr, (unread), code, col 21
    text += "7,30,Stop" + std::to_string(i) + "," + std::to_string(80000 + 200 * i) + "," +
            std::to_string(80030 + 200 * i) + "," + std::to_string(10 + i) + ",0,0," +
            std::to_string(10.0 + sectionKm * i) + ",0," + std::to_string(sectionKm) +
            ",1,0,0,0,x,0,1," + std::to_string(1 + i % 3) + ",,S" + std::to_string(i) + ",0\n";
  }
  return text;
}

#endif  // RUVA_TESTS_SUPPORT_SAMPLE_CARD_H_
