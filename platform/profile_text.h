// The settings-file format as the Windows reader understands it, on bytes in memory.
//
// The native build reads settings files with these functions; they follow what the
// Windows reader (GetPrivateProfileIntA and GetPrivateProfileStringA) was seen to do
// under Wine, byte for byte, so that a vehicle folder reads alike on both:
// - A file that begins with a UTF-8 byte order mark is UTF-8, one that begins with a
//   UTF-16 mark (either byte order) is UTF-16; any other file is code page 932, where
//   a lead byte takes the next byte as its second byte even when that is a line break.
// - Every CR and every LF ends a line; blanks (tab, LF, VT, FF, CR, space, Ctrl-Z)
//   around lines, names and values are trimmed. Nothing marks a comment.
// - "[name]" opens a section (the last "]" closes the name); other lines are keys, with
//   the value after their first "=". Names compare trimmed, up to a NUL, ASCII letters
//   without regard to case; only the first section of a name is searched, and the first
//   line of a key in it wins, even when it has no "=" (then the key reads as missing).
// - Values are handed out in code page 932, up to a NUL, without one pair of matching
//   quotes around them.
#ifndef RUVA_PLATFORM_PROFILE_TEXT_H_
#define RUVA_PLATFORM_PROFILE_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How the reader decodes a settings file: by the byte order mark it begins with, and as
// code page 932 where there is none.
enum class ProfileEncoding { kCodePage932, kUtf8, kUtf16Le, kUtf16Be };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The encoding of the settings file whose bytes are `file`, and the length of its mark.
ProfileEncoding profileEncoding(std::string_view file, std::size_t& markLength);

// One line of a settings file that holds more than blanks, as the reader takes it apart.
struct ProfileLine {
  // The line of the text it starts on, from 1, counting LF, CR LF and a lone CR as an
  // editor does.
  int32_t line = 0;
  // The line of the text of its last character: later than `line` where a double-byte
  // character took a line break as its second byte and so joined two lines of the text.
  int32_t lastLine = 0;
  int32_t column = 0;  // of its first character, from 1
  // Where `lastLine` is later: the column, from 1, of the first character that took a line
  // break as its second byte; 0 otherwise.
  int32_t joinColumn = 0;
  bool isSection = false;     // "[name]"
  bool hasValue = false;      // a key line with "="
  std::u16string_view name;   // the section's or key's name, trimmed
  std::u16string_view value;  // after the first "=", trimmed
  std::u16string_view text;   // the whole line, trimmed
};

// Calls `visit` for each line of the settings file whose bytes are `file`, in order,
// until it returns false. The views of a line last until `visit` returns.
void walkProfileLines(std::string_view file, const std::function<bool(const ProfileLine&)>& visit);

// `text` as the reader hands it out: up to its first NUL, in code page 932.
std::string profileBytes(std::u16string_view text);

// The value of each of `keys` in the first section named `section` of the settings file
// `file`, in one pass: the value of the first line of that key, and nothing where that
// line has no "=" or there is none. `section` and `keys` are code page 932.
std::vector<std::optional<std::u16string>> findProfileValues(
    std::string_view file, std::string_view section, std::span<const std::string_view> keys);

// What GetPrivateProfileStringA writes into `out`, of `size` bytes, for `value`, or for
// `fallback` (code page 932) where there is none, and the count it returns: at most
// `size` - 1 bytes and a NUL. A value whose code page 932 form does not fit keeps the
// whole characters that fit and leaves the bytes after them up to `out[size - 2]` as
// they were; the count is then `size` - 1.
std::size_t copyProfileString(const std::optional<std::u16string>& value, std::string_view fallback,
                              char* out, std::size_t size);

// What GetPrivateProfileIntA returns for `value`: `fallback` where there is no value or
// it is empty, else the integer that its first 29 code units read as.
int32_t profileInt(const std::optional<std::u16string>& value, int32_t fallback);

// The value of `key` in `section` of `file` as GetPrivateProfileStringA hands it out
// with room enough; empty optional when the reader would fall back.
std::optional<std::string> findProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key);

// An integer read from a settings value: leading blanks and control characters, one
// sign, an optional "0x", "0o" or "0b" prefix, then the digits of that base up to the
// first other byte, wrapping modulo 2^32; 0 when there is no digit.
int32_t profileIntFromText(std::string_view value);

}  // namespace platform

#endif  // RUVA_PLATFORM_PROFILE_TEXT_H_
