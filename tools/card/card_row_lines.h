// Where the rows of a card's tables stand in its file: the line of every stop row,
// event row and range row that the module's parser takes, in the order of their tables,
// so that a remark about stop 3 or event 2 can name the line an author edits.
#ifndef RUVA_TOOLS_CARD_CARD_ROW_LINES_H_
#define RUVA_TOOLS_CARD_CARD_ROW_LINES_H_

#include <cstdint>
#include <string_view>
#include <vector>

struct CardRowLines {
  std::vector<int32_t> stops;   // element i: the line (from 1) of stop i
  std::vector<int32_t> events;  // element i: the line of event entry i
  std::vector<int32_t> ranges;  // element i: the line of range entry i
};

// The lines of the table rows of the card file whose bytes are `bytes`.
CardRowLines cardRowLines(std::string_view bytes);

#endif  // RUVA_TOOLS_CARD_CARD_ROW_LINES_H_
