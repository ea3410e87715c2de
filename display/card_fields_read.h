// The card members that the display never reads: they are parsed and travel with the
// card, but no panel value, sound or stop change depends on them. The card checker lets
// such a column stand blank; a test keeps the list true to the display's code.
#ifndef RUVA_DISPLAY_CARD_FIELDS_READ_H_
#define RUVA_DISPLAY_CARD_FIELDS_READ_H_

#include "card/card_format.h"

inline constexpr CardField kFieldsTheDisplayIgnores[] = {
    CardField::kCardName,  CardField::kCardNote,   CardField::kStopName,   CardField::kStopCol12,
    CardField::kStopCol13, CardField::kStopText15, CardField::kStopCol16,  CardField::kStopColumn19,
    CardField::kStopCode,  CardField::kStopCol21,  CardField::kRangeValue, CardField::kCardText11,
};

constexpr bool displayReads(CardField field) {
  for (CardField ignored : kFieldsTheDisplayIgnores) {
    if (ignored == field) return false;
  }
  return true;
}

#endif  // RUVA_DISPLAY_CARD_FIELDS_READ_H_
