// CCsvread: the module's reader of card data, one static instance per module.
//
// It owns the module's own paths, the card list read at Load, and the card parsed
// last. Cards leave it only as copies.
#ifndef RUVA_CARD_CSV_READER_H_
#define RUVA_CARD_CSV_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "card/card_code.h"
#include "card/card_diagnostics.h"
#include "card/card_record.h"
#include "platform/platform.h"

// The card list: the file beside the module, its section, and the entry that stands
// for a missing or absent folder.
inline constexpr std::string_view kCardListFile = "RUVA_ICCard.ini";
inline constexpr std::string_view kCardListSection = "ICCard";
inline constexpr std::string_view kNullEntry = "NULL";
// The entries of the card list, keys "0" to "31".
inline constexpr int kCardListEntries = 32;

// The largest card file that is read, in bytes. A real card of 63 stop rows holds a few
// kilobytes; a larger file (a stray log or video named like a card) would cost its whole
// size inside the host's frame, so it counts as a card file that is not there.
inline constexpr std::size_t kCardFileLimit = 1024 * 1024;

class CCsvread {
 public:
  static constexpr int kPathSize = 260;

  CCsvread() = default;
  CCsvread(const CCsvread&) = delete;
  CCsvread& operator=(const CCsvread&) = delete;
  virtual ~CCsvread() = default;

  // Reads the 32 card-folder entries of "RUVA_ICCard.ini" beside the module; true when
  // at least one of them exists.
  bool readCardList();
  // The card that a card beacon's code names, parsed into `cachedCard` if its file
  // opens and holds at most kCardFileLimit bytes; a copy of `cachedCard` in every case.
  CardRecord loadCard(int32_t code);
  // The card-list entry of card folder `folderIndex`: "NULL" for a folder that was never
  // read (before Load) or lies past the list.
  std::string_view cardFolder(int32_t folderIndex) const;
  // The absolute path of the card file that the card code `parts` names: its file name
  // in its card folder, made absolute as resolveCardPath does, and false where that
  // gives none.
  bool cardFilePath(const CardCodeParts& parts, std::string& path) const;
  // Parses one card file; "NULL", files that do not open and files larger than
  // kCardFileLimit give the prepared record.
  CardRecord parseCardFile(const std::string& path);
  // The same, telling `diagnostics` (null for no one) of every row and column that was
  // ignored or replaced by a fallback value.
  CardRecord parseCardFile(const std::string& path, CardDiagnostics* diagnostics);
  // `path` as an absolute path: a relative one counts from the module's folder, as the
  // card list file names it. False for a relative path before a Load that found that
  // folder, and when the system cannot make the path absolute.
  bool resolveCardPath(std::string_view path, std::string& absolute) const;
  // Splits at every comma; no quoting, no trimming, no empty last field.
  static std::vector<std::string> splitLine(const std::string& line);
  // Reads the card file at the absolute `path` into `bytes` as a card beacon reads it:
  // one open that tests and reads, at most kCardFileLimit bytes. Only kRead loads a card.
  static platform::FileRead readCardBytes(const std::string& path, std::string& bytes);

  CardRecord cachedCard;
  char modulePath[kPathSize] = {};
  char moduleDrive[3] = {};
  char moduleDir[256] = {};
  char cardListPath[kPathSize] = {};
  std::vector<std::string> cardList;
};

#endif  // RUVA_CARD_CSV_READER_H_
