// Card file names seen from the other side: which card code, if any, makes the module
// look for a given file, and the train number such a file is meant to carry.
#ifndef RUVA_TOOLS_CARD_CARD_NAMES_H_
#define RUVA_TOOLS_CARD_CARD_NAMES_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The card code that names `fileName` (code page 932 bytes, no folder) in card folder
// `folder`, or in any folder when `folder` is negative; none when no code does. Names
// compare as Windows compares them, ASCII letters in either case ("1234a.csv" is found
// for 1234A). Every candidate is confirmed by the module's own split of the code.
std::optional<int32_t> cardCodeForFileName(std::string_view name, int32_t folder);

// Where the last part of `path` begins: after its last folder separator (a backslash
// only where the system takes it for one, and never as the second byte of a
// double-byte character).
std::size_t fileNameStart(std::string_view path);

// The file name that a card code would build for the card file at `path`: its last
// part, in code page 932 when it was typed in UTF-8.
std::string cardFileNameOf(std::string_view path);

// The name that a card code builds for the card that `name` names, moved to card folder
// `folder`: the same prefix, train number and suffix ("3301S.csv" in folder 1 is
// "1003301S.csv"). None when no code names `name` in any folder, or none reaches
// `folder`.
std::optional<std::string> cardFileNameInFolder(std::string_view name, int32_t folder);

// The highest card folder index that a card code can name.
int32_t highestCardFolder();

// The train number that the card named by `code` shows when it matches its file name:
// prefix, the four-digit number without the folder's millions, suffix.
std::string trainNumberOfCardCode(int32_t code);

#endif  // RUVA_TOOLS_CARD_CARD_NAMES_H_
