// Choosing and loading the card file that a card beacon's code names.
#include <string_view>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "card/parser.h"
#include "platform/platform.h"

std::string_view CCsvread::cardFolder(int32_t folderIndex) const {
  // Before Load the list is short; a folder that was never read is no folder.
  const auto index = static_cast<std::size_t>(folderIndex);
  return index < cardList.size() ? std::string_view(cardList[index]) : std::string_view("NULL");
}

bool CCsvread::cardFilePath(const CardCodeParts& parts, std::string& path) const {
  return resolveCardPath(platform::appendPath(cardFolder(parts.folderIndex), parts.fileName), path);
}

CardRecord CCsvread::loadCard(int32_t code) {
  std::string path;
  std::string bytes;
  if (cardFilePath(splitCardCode(code), path) &&
      readCardBytes(path, bytes) == platform::FileRead::kRead) {
    cachedCard = parseCardText(bytes, nullptr);
  }
  return cachedCard;
}
