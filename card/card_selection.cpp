// Choosing and loading the card file that a card beacon's code names.
#include <string_view>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "card/parser.h"
#include "platform/platform.h"

CardRecord CCsvread::loadCard(int32_t code) {
  // Card folders count from the folder of the card list; before a Load that found it
  // no folder is known, and no file of the host's current folder may stand in.
  if (cardListPath[0] == '\0') return cachedCard;
  const CardCodeParts parts = splitCardCode(code);
  const auto index = static_cast<std::size_t>(parts.folderIndex);
  const std::string_view folder =
      index < cardList.size() ? std::string_view(cardList[index]) : std::string_view("NULL");
  std::string path;
  std::string bytes;
  // One open both tests the file and reads it: a file that an editor replaces in
  // between cannot pass the test and then fail the read, which would lose the card.
  if (resolveCardPath(platform::appendPath(folder, parts.fileName), path) &&
      platform::readFile(path, bytes)) {
    cachedCard = parseCardText(bytes, nullptr);
  }
  return cachedCard;
}
