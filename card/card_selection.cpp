// Choosing and loading the card file that a card beacon's code names.
#include <string_view>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "platform/platform.h"

CardRecord CCsvread::loadCard(int32_t code) {
  const CardCodeParts parts = splitCardCode(code);
  // Before Load the list is short; a folder that was never read is no folder.
  const auto index = static_cast<std::size_t>(parts.folderIndex);
  const std::string_view folder =
      index < cardList.size() ? std::string_view(cardList[index]) : std::string_view("NULL");
  std::string path;
  if (resolveCardPath(platform::appendPath(folder, parts.fileName), path) &&
      platform::canOpenFile(path)) {
    cachedCard = parseCardFile(path);
  }
  return cachedCard;
}
