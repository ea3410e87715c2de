// Card texts for people: the host side of the platform seam that turns the module's
// code page 932 bytes into UTF-8 for a terminal or a picture, and back for files that
// tests write. Never linked into the module, which keeps its texts as bytes.
#ifndef RUVA_TOOLS_PLATFORM_HOST_TEXT_H_
#define RUVA_TOOLS_PLATFORM_HOST_TEXT_H_

#include <string>
#include <string_view>

namespace platform {

// `bytes` of code page 932 (Shift_JIS) as UTF-8. A byte sequence that is not valid
// Shift_JIS shows as a replacement character and the conversion goes on after it.
std::string utf8FromCodePage932(std::string_view bytes);

// `utf8` in code page 932, the code page of card files and settings values; empty when
// it holds a character that the code page lacks.
std::string toCodePage932(std::string_view utf8);

// Writes `utf8` to standard output, or to standard error: as wide characters where that
// is a Windows console, so that Japanese shows whatever the console's code page; as the
// UTF-8 bytes given everywhere else (files, pipes, terminals elsewhere). What the
// program wrote through stdio before comes first. False when writing failed.
bool writeTerminal(std::string_view utf8, bool standardError);

// Writes `bytes` to standard output as they are, whatever it is (a file, a pipe, a
// console): no line end is changed. What the program wrote through stdio before comes
// first. False when writing failed.
bool writeStandardOutput(std::string_view bytes);

}  // namespace platform

#endif  // RUVA_TOOLS_PLATFORM_HOST_TEXT_H_
