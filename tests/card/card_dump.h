// Every member of a CardRecord as text, one member per line, so that two records can be
// compared whole and a difference shows as a readable diff.
#ifndef RUVA_TESTS_CARD_CARD_DUMP_H_
#define RUVA_TESTS_CARD_CARD_DUMP_H_

#include <sstream>
#include <string>
#include <type_traits>

#include "card/card_record.h"

namespace card_dump_detail {

template <typename List>
void dumpList(std::ostringstream& out, const char* name, const List& list) {
  out << name << ':';
  for (const auto& element : list) {
    if constexpr (sizeof(element) == 1 && !std::is_same_v<std::decay_t<decltype(element)>, bool>) {
      out << ' ' << static_cast<int>(element);
    } else {
      out << " [" << element << ']';
    }
  }
  out << '\n';
}

}  // namespace card_dump_detail

inline std::string dumpCard(const CardRecord& c) {
  using card_dump_detail::dumpList;
  std::ostringstream out;
  out.precision(17);
  out << "cardName: " << c.cardName << "\nheaderCode: " << static_cast<int>(c.headerCode)
      << "\nheaderText: " << c.headerText << '\n';
  dumpList(out, "stopCol16", c.stopCol16);
  dumpList(out, "stopCode", c.stopCode);
  dumpList(out, "stopCodeNumber", c.stopCodeNumber);
  out << "trainNumber: " << c.trainNumber << '\n';
  dumpList(out, "stopGapSec", c.stopGapSec);
  dumpList(out, "stopName", c.stopName);
  dumpList(out, "stopTime1", c.stopTime1);
  dumpList(out, "stopTime2", c.stopTime2);
  dumpList(out, "stopText5", c.stopText5);
  dumpList(out, "stopCol6", c.stopCol6);
  dumpList(out, "stopCol7", c.stopCol7);
  dumpList(out, "stopKmPost", c.stopKmPost);
  dumpList(out, "stopFlag9", c.stopFlag9);
  dumpList(out, "stopDistanceKm", c.stopDistanceKm);
  dumpList(out, "stopCol11", c.stopCol11);
  dumpList(out, "stopCol12", c.stopCol12);
  dumpList(out, "stopCol13", c.stopCol13);
  dumpList(out, "stopCol14", c.stopCol14);
  dumpList(out, "stopText15", c.stopText15);
  dumpList(out, "stopKmCountDown", c.stopKmCountDown);
  dumpList(out, "stopAttr", c.stopAttr);
  out << "stopCount: " << static_cast<int>(c.stopCount) << "\ncardNote: " << c.cardNote << '\n';
  dumpList(out, "eventStopIndex", c.eventStopIndex);
  dumpList(out, "eventStartKm", c.eventStartKm);
  dumpList(out, "eventEndKm", c.eventEndKm);
  dumpList(out, "eventType", c.eventType);
  dumpList(out, "rangeStopIndex", c.rangeStopIndex);
  dumpList(out, "rangeStartKm", c.rangeStartKm);
  dumpList(out, "rangeEndKm", c.rangeEndKm);
  dumpList(out, "rangeDistanceKm", c.rangeDistanceKm);
  dumpList(out, "rangeValue", c.rangeValue);
  out << "cardValue8: " << c.cardValue8 << "\ncardText11: " << c.cardText11
      << "\ncardValue11: " << c.cardValue11 << "\nsecondTrainNumber: " << c.secondTrainNumber
      << "\nsecondTime1: " << c.secondTime1 << "\nsecondTime2: " << c.secondTime2 << '\n';
  dumpList(out, "stopCol21", c.stopCol21);
  return out.str();
}

#endif  // RUVA_TESTS_CARD_CARD_DUMP_H_
