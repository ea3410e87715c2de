#include "card/card_code.h"

#include <charconv>

CardCodeParts splitCardCode(int32_t code) {
  // Worked in 64 bits so that no step can overflow, whatever the code; every result
  // lies well inside the int32 range.
  const int64_t wide = code;
  CardCodeParts parts;
  parts.suffixCode = static_cast<int32_t>(wide % kSuffixPlaces);
  parts.prefixCode = static_cast<int32_t>((wide / kPrefixUnit) % kPrefixPlaces);
  const int64_t folder = wide / kFolderUnit;
  parts.folderIndex = folder < 0 ? 0 : static_cast<int32_t>(folder);
  parts.number = static_cast<int32_t>(wide / kSuffixPlaces - parts.prefixCode * kNumberPlaces);

  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, parts.number);
  const std::string_view prefix = cardPrefixText(parts.prefixCode);
  const std::string_view suffix = cardSuffixText(parts.suffixCode);
  parts.fileName.reserve(prefix.size() + sizeof digits + suffix.size() + kCardFileExtension.size());
  parts.fileName.append(prefix);
  parts.fileName.append(digits, written.ptr);
  parts.fileName.append(suffix);
  parts.fileName.append(kCardFileExtension);
  return parts;
}
