// The one way to blank the lists of CRuva: a table of lists, each with the length and
// the value it takes, and one function that assigns them. The reset, the empty screen,
// the reveal and the stop selection blank through these tables.
#ifndef RUVA_DISPLAY_BLANK_LISTS_H_
#define RUVA_DISPLAY_BLANK_LISTS_H_

#include <cstddef>

#include "base/blank_values.h"
#include "display/ruva.h"

struct ListBlank {
  constexpr ListBlank(FixedList CRuva::*l, std::size_t n, int32_t v)
      : list(l), rows(n), value(v), blank(n, v) {}

  FixedList CRuva::*list;
  std::size_t rows;
  int32_t value;
  // The blank list itself, made once: copying it costs a fraction of filling the rows.
  FixedList blank;
};

// Assigns every list of `lists` its length and value.
template <std::size_t N>
void blankLists(CRuva& r, const ListBlank (&lists)[N]) {
  for (const ListBlank& b : lists) r.*b.list = b.blank;
}

// The displayed seven- and five-row lists.
inline constexpr ListBlank kDisplayedLists[] = {
    {&CRuva::dispList7Attr, 7, 0},
    {&CRuva::dispList7Extra, 7, 0},
    {&CRuva::dispList7Time1Hour, 7, kNoHour},
    {&CRuva::dispList7Time2Hour, 7, kNoHour},
    {&CRuva::dispList7Time1Min, 7, kNoMinute},
    {&CRuva::dispList7Time1Sec, 7, kNoSecond},
    {&CRuva::dispList7Time2Min, 7, kNoMinute},
    {&CRuva::dispList7Time2Sec, 7, kNoSecond},
    {&CRuva::dispList5Attr, 5, 0},
    {&CRuva::dispList5Number, 5, 0},
    {&CRuva::dispList5ColA, 5, 0},
    {&CRuva::dispList5ColB, 5, 0},
    {&CRuva::dispList5Time1Hour, 5, kNoHour},
    {&CRuva::dispList5Time2Hour, 5, kNoHour},
    {&CRuva::dispList5Time1Min, 5, kNoMinute},
    {&CRuva::dispList5Time1Sec, 5, kNoSecond},
    {&CRuva::dispList5Time2Min, 5, kNoMinute},
    {&CRuva::dispList5Time2Sec, 5, kNoSecond},
    {&CRuva::dispList5GapMin, 5, kNoMinute},
    {&CRuva::dispList5GapSec, 5, kNoSecond},
};

// The beacon stop in force; the pending one is blanked to the same values.
inline constexpr ListBlank kBeaconLists[] = {
    {&CRuva::bcnCurAttr7, 7, 0},
    {&CRuva::bcnCurExtra7, 7, 0},
    {&CRuva::bcnCurTime1Hour7, 7, kNoHour},
    {&CRuva::bcnCurTime2Hour7, 7, kNoHour},
    {&CRuva::bcnCurTime1Min7, 7, kNoMinute},
    {&CRuva::bcnCurTime1Sec7, 7, kNoSecond},
    {&CRuva::bcnCurTime2Min7, 7, kNoMinute},
    {&CRuva::bcnCurTime2Sec7, 7, kNoSecond},
    {&CRuva::bcnCurGapMin5, 5, kNoMinute},
    {&CRuva::bcnCurGapSec5, 5, kNoSecond},
    {&CRuva::bcnCurColA5, 5, 0},
    {&CRuva::bcnCurColB5, 5, 0},
};

// The seven-row stop list built from a card.
inline constexpr ListBlank kList7Lists[] = {
    {&CRuva::list7StopIdx, 7, 0},
    {&CRuva::list7Attr, 7, 0},
    {&CRuva::list7Extra, 7, 0},
    {&CRuva::list7Time1Hour, 7, kNoHour},
    {&CRuva::list7Time2Hour, 7, kNoHour},
    {&CRuva::list7Time1Min, 7, kNoMinute},
    {&CRuva::list7Time1Sec, 7, kNoSecond},
    {&CRuva::list7Time2Min, 7, kNoMinute},
    {&CRuva::list7Time2Sec, 7, kNoSecond},
};

// The five-row stop list built from a card. Its first kList5SevenRowColumns columns
// share their layout with the seven-row list.
inline constexpr ListBlank kList5Lists[] = {
    {&CRuva::list5StopIdx, 5, 0},
    {&CRuva::list5Attr, 5, 0},
    {&CRuva::list5Number, 5, 0},
    {&CRuva::list5Time1Hour, 5, kNoHour},
    {&CRuva::list5Time2Hour, 5, kNoHour},
    {&CRuva::list5Time1Min, 5, kNoMinute},
    {&CRuva::list5Time1Sec, 5, kNoSecond},
    {&CRuva::list5Time2Min, 5, kNoMinute},
    {&CRuva::list5Time2Sec, 5, kNoSecond},
    {&CRuva::list5GapMin, 5, kNoMinute},
    {&CRuva::list5GapSec, 5, kNoSecond},
    {&CRuva::list5ColA, 5, 0},
    {&CRuva::list5ColB, 5, 0},
};
inline constexpr std::size_t kList5SevenRowColumns = 9;

#endif  // RUVA_DISPLAY_BLANK_LISTS_H_
