// Code page 932, the Japanese ANSI code page, converted to and from UTF-16 code units
// exactly as the Windows text conversions convert it, from the table in
// platform/code_page_932.txt. Pure functions; the table is read on first use.
#ifndef RUVA_PLATFORM_CODE_PAGE_932_H_
#define RUVA_PLATFORM_CODE_PAGE_932_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The code unit that the character at offset `at` of `bytes` reads as; `at` moves past
// the character. A lead byte takes the next byte as its second byte, whatever it is,
// unless that is NUL or there is none: then the lead byte alone reads as U+30FB, the
// code page's stand-in, and the NUL stays. `at` must be below `bytes.size()`.
char16_t readCodePage932(std::string_view bytes, std::size_t& at);

// Appends the character that `unit` is written as in code page 932: the one that reads
// as it, the system's best fit, or "?".
void appendCodePage932(char16_t unit, std::string& out);

}  // namespace platform

#endif  // RUVA_PLATFORM_CODE_PAGE_932_H_
