// Card texts for people: the host side of the platform seam that turns the module's
// code page 932 bytes into UTF-8 for a terminal or a picture, and back for files that
// tests write. Never linked into the module, which keeps its texts as bytes.
#ifndef RUVA_PLATFORM_HOST_TEXT_H_
#define RUVA_PLATFORM_HOST_TEXT_H_

#include <string>
#include <string_view>

namespace platform {

// `bytes` of code page 932 (Shift_JIS) as UTF-8. A byte sequence that is not valid
// Shift_JIS shows as a replacement character and the conversion goes on after it.
std::string utf8FromCodePage932(std::string_view bytes);

// `utf8` in code page 932, the code page of card files and settings values; empty when
// it holds a character that the code page lacks.
std::string toCodePage932(std::string_view utf8);

// `utf8` as the terminal on standard output shows it: in the console's code page where
// standard output is a Windows console that is not set to UTF-8; unchanged otherwise
// (files, pipes, and terminals elsewhere, which read UTF-8).
std::string forTerminal(std::string_view utf8);

// Sets a Windows console on standard output or error to UTF-8 until the program exits,
// so that Japanese messages show whatever code page it had; nothing elsewhere, nor
// where output goes to a file or a pipe, which get UTF-8 bytes.
void useUtf8Console();

}  // namespace platform

#endif  // RUVA_PLATFORM_HOST_TEXT_H_
