// Splitting card text into lines and lines into fields, the way card files have always
// been read: line feeds end lines, a CR right before a line feed is dropped, commas end
// fields, and nothing is quoted or trimmed.
#ifndef RUVA_CARD_LINE_SPLIT_H_
#define RUVA_CARD_LINE_SPLIT_H_

#include <string_view>
#include <vector>

// Takes the next line off the front of `rest` and stores it in `line`, without its line
// feed and without a CR that stands right before that line feed. A lone CR and NUL
// bytes stay in the line; a last line without a line feed is still a line. False, and
// nothing taken, once `rest` is empty.
bool takeLine(std::string_view& rest, std::string_view& line);

// Replaces `fields` with the fields of `line`, split at every comma. A comma at the very
// end of the line opens no empty last field; an empty line has no fields. The views
// point into `line`.
void splitFields(std::string_view line, std::vector<std::string_view>& fields);

#endif  // RUVA_CARD_LINE_SPLIT_H_
