// Text for people from the tools: display times and columns padded for a terminal.
// Texts are UTF-8.
#ifndef RUVA_TOOLS_COMMON_TEXT_LAYOUT_H_
#define RUVA_TOOLS_COMMON_TEXT_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One part of a display time: two digits, or "--" when it holds `blank`, the value of
// no time for that part.
std::string timePartText(int32_t value, int32_t blank);

// The hour of a display time: two digits, "--" for no time, and the marks of hours 25
// to 27 as their pictures ("停", "↓", "〓").
std::string hourText(int32_t hour);

// A display time as "08:30:05", each part as above.
std::string clockText(int32_t hour, int32_t minute, int32_t second);

// `text` followed by spaces up to `width` characters (not bytes).
std::string padRight(std::string text, std::size_t width);

// The terminal columns `text` takes: kana, kanji and full-width forms (three bytes and
// more in UTF-8) take two, other characters one.
std::size_t terminalColumns(std::string_view text);

// `text` followed by spaces up to `columns` terminal columns, as counted above.
std::string padColumns(std::string text, std::size_t columns);

// `text` (UTF-8) with every character that a picture or a terminal would not show as
// itself replaced by one that shows: a control character (a NUL, a Ctrl-Z left by an old
// editor, a line end inside a name) by its control picture (␀, ␚, ␍), DEL by ␡, and a C1
// control, a noncharacter or a byte that begins no UTF-8 character by �. What comes out
// is valid UTF-8 and may stand in any XML text.
std::string visibleText(std::string_view text);

// `text` behind spaces up to `width` bytes.
std::string padLeft(const std::string& text, std::size_t width);

#endif  // RUVA_TOOLS_COMMON_TEXT_LAYOUT_H_
