#include "card/line_split.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7FULL;
constexpr uint64_t kCommas = 0x2C2C2C2C2C2C2C2CULL;

// The high bit of every byte of `word` that is a comma, and no other bit. Unlike the
// shorter subtract-and-mask test, nothing carries from one byte into the next.
uint64_t commaMarks(uint64_t word) {
  const uint64_t x = word ^ kCommas;
  return ~(((x & kLowSeven) + kLowSeven) | x | kLowSeven);
}

// Offset, in memory order, of the first byte marked in `marks`, which is not zero.
std::size_t firstMarked(uint64_t marks) {
  if constexpr (std::endian::native == std::endian::little) {
    return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
  } else {
    return static_cast<std::size_t>(std::countl_zero(marks)) / 8;
  }
}

// `marks` without its first mark in memory order.
uint64_t withoutFirst(uint64_t marks) {
  if constexpr (std::endian::native == std::endian::little) {
    return marks & (marks - 1);
  } else {
    return marks & ~(uint64_t{1} << (63 - std::countl_zero(marks)));
  }
}

}  // namespace

bool takeLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  const std::size_t feed = rest.find('\n');
  if (feed == std::string_view::npos) {
    line = rest;
    rest = {};
    return true;
  }
  line = rest.substr(0, feed);
  rest.remove_prefix(feed + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}

void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  // Card fields are a few bytes long, too short for a search call per field; eight
  // bytes are tested for commas at once instead.
  const char* start = line.data();
  const char* const end = start + line.size();
  const char* at = start;
  for (; end - at >= 8; at += 8) {
    uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    for (uint64_t marks = commaMarks(word); marks != 0; marks = withoutFirst(marks)) {
      const char* const comma = at + firstMarked(marks);
      fields.emplace_back(start, static_cast<std::size_t>(comma - start));
      start = comma + 1;
    }
  }
  for (; at != end; ++at) {
    if (*at == ',') {
      fields.emplace_back(start, static_cast<std::size_t>(at - start));
      start = at + 1;
    }
  }
  if (start != end) fields.emplace_back(start, static_cast<std::size_t>(end - start));
}
