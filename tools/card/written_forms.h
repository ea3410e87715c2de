// How authors write card fields that the module reads otherwise: full-width digits,
// spreadsheet quotes, times written as 7:04 or as HHMM. Pure functions on the text of
// one field, so that each judgement and each suggested fix can be tested alone.
#ifndef RUVA_TOOLS_CARD_WRITTEN_FORMS_H_
#define RUVA_TOOLS_CARD_WRITTEN_FORMS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// True for a field that is empty or holds only spaces and tabs.
bool isBlankField(std::string_view text);

// The number of decimal digits of the number at the front of `text`, after white space
// and a sign: 4 for "0830", 6 for "000130", 0 for none.
int32_t writtenDigits(std::string_view text);

// `text` with its full-width digits, full stop and minus sign (in code page 932, or in
// UTF-8 when `utf8`) written half-width; none when it holds no full-width digit.
std::optional<std::string> halfWidthDigits(std::string_view text, bool utf8);

// True when `text` begins or ends with a quote mark.
bool hasQuoteMark(std::string_view text);

// `text` without the quote marks around it, a doubled quote inside read as one; none
// when it is not quoted.
std::optional<std::string> unquotedField(std::string_view text);

// The HHMMSS form of a time written as H:MM, H:MM:SS or as HHMM with three or four
// digits ("7:04" and "704" give "070400"); none for any other text.
std::optional<std::string> hhmmssOf(std::string_view text);

#endif  // RUVA_TOOLS_CARD_WRITTEN_FORMS_H_
