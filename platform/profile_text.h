// The settings-file format as the Windows reader understands it, on bytes in memory.
//
// The native build reads settings files with these functions; they follow what the
// Windows reader was seen to do, so that a vehicle folder reads alike on both.
#ifndef RUVA_PLATFORM_PROFILE_TEXT_H_
#define RUVA_PLATFORM_PROFILE_TEXT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of `key` in the first `[section]` of `text`: names compare without regard
// to ASCII case, blanks around names and values are trimmed, the first matching key
// wins, and one matching pair of quotes around the value is removed. Empty optional
// when the section or the key is missing.
std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// An integer read from a settings value: leading blanks, one sign, an optional "0x",
// "0o" or "0b" prefix, then the digits of that base up to the first other byte,
// wrapping modulo 2^32; 0 when there is no digit.
int32_t profileIntFromText(std::string_view value);

}  // namespace platform

#endif  // RUVA_PLATFORM_PROFILE_TEXT_H_
