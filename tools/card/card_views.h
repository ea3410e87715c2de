// `ruvacard show`, `preview` and `code`: a card file and a card code as an author
// reads them. Texts are converted from Shift_JIS for the terminal.
#ifndef RUVA_TOOLS_CARD_CARD_VIEWS_H_
#define RUVA_TOOLS_CARD_CARD_VIEWS_H_

#include <cstdint>
#include <ostream>
#include <string>

#include "card/card_record.h"

// An HHMMSS card time as "08:30:00", "--:--:--" for no time, or its mark (停, ↓, 〓).
std::string cardTimeText(int32_t time);

// The parsed card: header values, the stop table and the event and range tables.
void showCard(const CardRecord& card, std::ostream& out);

// For each stop that can be the current one (the first, which the card beacon selects,
// and every later stop not hidden by column 9), in running order: what the next-stop
// record, both lists and the dest and info records hold once the stop is selected, with
// `rows` (3 or 5) as the seven-row list's row count.
void previewCard(const CardRecord& card, int32_t rows, std::ostream& out);

// How `code` splits and the file name it builds. With a non-empty `vehicle` folder,
// also the card list entry, the path and whether the file opens; returns false when
// the file would not be found (always true without a vehicle).
bool explainCardCode(int32_t code, const std::string& vehicle, std::ostream& out);

#endif  // RUVA_TOOLS_CARD_CARD_VIEWS_H_
