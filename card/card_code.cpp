#include "card/card_code.h"

#include <charconv>

namespace {

constexpr std::string_view kCardExtension = ".csv";

}  // namespace

CardCodeParts splitCardCode(int32_t code) {
  // Worked in 64 bits so that no step can overflow, whatever the code; every result
  // lies well inside the int32 range.
  const int64_t wide = code;
  CardCodeParts parts;
  parts.suffixCode = static_cast<int32_t>(wide % 100);
  parts.prefixCode = static_cast<int32_t>((wide / 1000000) % 100);
  const int64_t folder = wide / 100000000;
  parts.folderIndex = folder < 0 ? 0 : static_cast<int32_t>(folder);
  parts.number = static_cast<int32_t>(wide / 100 - int64_t{parts.prefixCode} * 10000);

  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, parts.number);
  const std::string_view prefix = cardPrefixText(parts.prefixCode);
  const std::string_view suffix = cardSuffixText(parts.suffixCode);
  parts.fileName.reserve(prefix.size() + sizeof digits + suffix.size() + kCardExtension.size());
  parts.fileName.append(prefix);
  parts.fileName.append(digits, written.ptr);
  parts.fileName.append(suffix);
  parts.fileName.append(kCardExtension);
  return parts;
}
