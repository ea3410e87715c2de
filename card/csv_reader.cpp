#include "card/csv_reader.h"

bool CCsvread::readCardList() { return false; }

CardRecord CCsvread::loadCard(int32_t) { return cachedCard; }

CardRecord CCsvread::parseCardFile(const std::string&) { return CardRecord(); }

std::vector<std::string> CCsvread::splitLine(const std::string&) { return {}; }
