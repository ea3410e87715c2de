#include "tools/card/card_names.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "card/card_code.h"
#include "tools/platform/host_text.h"
#include "platform/platform.h"
#include "tools/card/lint_remark.h"

namespace {

// A suffix code that names no text: the file name then ends in the number.
constexpr int32_t kNoSuffixCode = kSuffixPlaces - 1;
// What one card folder adds to the number of the file name.
constexpr int64_t kFolderNumber = kFolderUnit / kSuffixPlaces;

// A card file name as Windows compares names: ASCII letters match in either case;
// the bytes of a double-byte character, whose second byte may look like a letter,
// stay as they are.
std::string foldedName(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<uint8_t>(folded[i]);
    if (platform::isLeadByte(byte)) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      folded[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
  return folded;
}

bool parseNumber(std::string_view text, int64_t& number) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return false;
  number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  if (negative) number = -number;
  return true;
}

// The code that would read prefix `p`, `number` and suffix `s`; none outside int32.
std::optional<int32_t> codeOf(int32_t p, int64_t number, int32_t s) {
  int64_t code = 0;
  if (number >= 0) {
    code = (number + p * kNumberPlaces) * kSuffixPlaces + s;
  } else {
    // A negative code has neither prefix nor a suffix beyond code 0.
    if (p != 0 || (s != 0 && s != kNoSuffixCode)) return std::nullopt;
    code = number * kSuffixPlaces + (s == 0 ? 0 : -1);
  }
  if (code < std::numeric_limits<int32_t>::min() || code > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(code);
}

}  // namespace

std::optional<int32_t> cardCodeForFileName(std::string_view name, int32_t folder) {
  const std::string fileName = foldedName(name);
  for (int32_t p = 0; p < kPrefixPlaces; ++p) {
    const std::string_view prefix = cardPrefixText(p);
    if ((prefix.empty() && p != 0) || fileName.compare(0, prefix.size(), prefix) != 0) continue;
    for (int32_t s = 0; s < kSuffixPlaces; ++s) {
      const std::string_view suffix = cardSuffixText(s);
      if (suffix.empty() && s != kNoSuffixCode) continue;
      const std::string tail = foldedName(std::string(suffix) + std::string(kCardFileExtension));
      if (prefix.size() + tail.size() > fileName.size() ||
          fileName.compare(fileName.size() - tail.size(), tail.size(), tail) != 0) {
        continue;
      }
      int64_t number = 0;
      const std::string_view middle = std::string_view(fileName).substr(
          prefix.size(), fileName.size() - prefix.size() - tail.size());
      if (!parseNumber(middle, number)) continue;
      const std::optional<int32_t> code = codeOf(p, number, s);
      if (!code) continue;
      const CardCodeParts parts = splitCardCode(*code);
      if (foldedName(parts.fileName) == fileName && (folder < 0 || parts.folderIndex == folder)) {
        return code;
      }
    }
  }
  return std::nullopt;
}

std::size_t fileNameStart(std::string_view path) {
  const bool backslash = std::filesystem::path::preferred_separator == '\\';
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<uint8_t>(path[i]);
    if (byte == '/' || (backslash && byte == '\\')) {
      start = i + 1;
    } else if (backslash && platform::isLeadByte(byte)) {
      ++i;
    }
  }
  return start;
}

std::string cardFileNameOf(std::string_view path) {
  const std::string name(path.substr(fileNameStart(path)));
  const bool ascii = std::none_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
  if (ascii || terminalText(name) != name) return name;
  const std::string converted = platform::toCodePage932(name);
  return converted.empty() ? name : converted;
}

std::optional<std::string> cardFileNameInFolder(std::string_view name, int32_t folder) {
  const std::optional<int32_t> code = cardCodeForFileName(name, -1);
  if (!code || folder < 0 || folder > highestCardFolder()) return std::nullopt;
  const CardCodeParts parts = splitCardCode(*code);
  const int64_t number = parts.number - parts.folderIndex * kFolderNumber;
  if (number < 0 || number >= kNumberPlaces) return std::nullopt;
  const int64_t moved =
      cardCodeOf(folder, parts.prefixCode, static_cast<int32_t>(number), parts.suffixCode);
  if (moved > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return splitCardCode(static_cast<int32_t>(moved)).fileName;
}

int32_t highestCardFolder() {
  return splitCardCode(std::numeric_limits<int32_t>::max()).folderIndex;
}

std::string trainNumberOfCardCode(int32_t code) {
  const CardCodeParts parts = splitCardCode(code);
  const int64_t number = parts.number - parts.folderIndex * kFolderNumber;
  return std::string(cardPrefixText(parts.prefixCode)) + std::to_string(number) +
         std::string(cardSuffixText(parts.suffixCode));
}
