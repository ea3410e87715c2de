#include "platform/code_page_932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace platform {
namespace {

constexpr char16_t kStandIn = 0x30FB;

// The text of platform/code_page_932.txt.
constexpr std::string_view kTableText =
#include "code_page_932.inc"
    ;

// The second bytes that a lead byte's line of the table lists, in order.
bool listedSecondByte(unsigned byte) {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The value of each upper-case hex digit; 0 for every other byte.
constexpr auto kHexDigits = [] {
  std::array<uint8_t, 256> digits{};
  for (unsigned c = '0'; c <= '9'; ++c) digits[c] = static_cast<uint8_t>(c - '0');
  for (unsigned c = 'A'; c <= 'F'; ++c) digits[c] = static_cast<uint8_t>(c - 'A' + 10);
  return digits;
}();

// One lookup a digit: the table text holds some eight thousand numbers.
unsigned hexValue(std::string_view digits) {
  unsigned value = 0;
  for (const char c : digits) value = value << 4 | kHexDigits[static_cast<uint8_t>(c)];
  return value;
}

// Writing prefers the standard rows; the vendor rows repeat some of their characters.
int writeRank(unsigned code) {
  const unsigned lead = code >> 8;
  if (lead == 0x87) return 1;
  if (lead >= 0xFA && lead <= 0xFC) return 2;
  if (lead == 0xED || lead == 0xEE) return 3;
  return 0;
}

// Each line of the table text in turn, comments and empty lines left out.
template <typename Visit>
void forEachLine(const Visit& visit) {
  std::string_view text = kTableText;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.front() != '#') visit(line);
  }
}

// What each byte and byte pair reads as.
struct ReadTables {
  char16_t single[256] = {};
  uint8_t leadSlot[256] = {};  // 0 for a byte that leads nothing, else its row + 1
  char16_t pair[60][256] = {};
  unsigned rows = 0;

  ReadTables() {
    for (unsigned b = 0; b < 0x80; ++b) single[b] = static_cast<char16_t>(b);
    forEachLine([this](std::string_view line) {
      if (line.front() == '>') return;
      const bool singles = line.front() == 'S';
      char16_t* units = single;
      unsigned second = 0x80;
      if (!singles) {
        if (rows == std::size(pair)) return;
        leadSlot[hexValue(line.substr(0, 2))] = static_cast<uint8_t>(++rows);
        units = pair[rows - 1];
        second = 0x40;
      }
      for (std::size_t at = line.find(' '); at != std::string_view::npos && at + 5 <= line.size();
           at += 5) {
        while (!singles && !listedSecondByte(second)) ++second;
        units[second++] = static_cast<char16_t>(hexValue(line.substr(at + 1, 4)));
      }
    });
    for (unsigned b = 0x80; b < 0x100; ++b) {
      if (leadSlot[b] != 0) single[b] = kStandIn;
    }
    for (unsigned row = 0; row < rows; ++row) {
      for (unsigned second = 0; second < 0x100; ++second) {
        if (!listedSecondByte(second)) pair[row][second] = kStandIn;
      }
    }
  }
};

const ReadTables& readTables() {
  static const ReadTables instance;
  return instance;
}

// What each code unit is written as. Built apart from the reading tables, and only when a
// unit past ASCII is written, since that takes most of the work.
struct WriteTables {
  uint16_t written[65536];  // a byte, or a lead byte and a second byte
  uint8_t writtenRank[65536];

  explicit WriteTables(const ReadTables& read) {
    std::fill(std::begin(written), std::end(written), uint16_t{'?'});
    std::fill(std::begin(writtenRank), std::end(writtenRank), kUnwritten);
    forEachLine([this](std::string_view line) {
      if (line.front() != '>') return;
      // A best fit: no character reads as the code unit, so nothing outranks it.
      const unsigned unit = hexValue(line.substr(2, 4));
      written[unit] = static_cast<uint16_t>(hexValue(line.substr(7)));
      writtenRank[unit] = 0;
    });
    for (unsigned b = 0; b < 0x100; ++b) {
      if (read.leadSlot[b] == 0) offer(read.single[b], b);
    }
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
      if (read.leadSlot[lead] == 0) continue;
      for (unsigned second = 0x40; second <= 0xFC; ++second) {
        if (listedSecondByte(second)) {
          offer(read.pair[read.leadSlot[lead] - 1][second], lead << 8 | second);
        }
      }
    }
  }

  // `code` reads as `unit`: it writes `unit` unless a character of a better rank, or of
  // the same rank and a lower code (offered first), already does.
  void offer(char16_t unit, unsigned code) {
    const int rank = writeRank(code);
    if (rank >= writtenRank[unit]) return;
    written[unit] = static_cast<uint16_t>(code);
    writtenRank[unit] = static_cast<uint8_t>(rank);
  }

  static constexpr uint8_t kUnwritten = 0xFF;
};

const WriteTables& writeTables() {
  static const WriteTables instance(readTables());
  return instance;
}

}  // namespace

char16_t readCodePage932(std::string_view bytes, std::size_t& at) {
  const ReadTables& t = readTables();
  const auto first = static_cast<uint8_t>(bytes[at++]);
  const uint8_t slot = t.leadSlot[first];
  if (slot == 0) return t.single[first];
  if (at == bytes.size() || bytes[at] == '\0') return kStandIn;
  return t.pair[slot - 1][static_cast<uint8_t>(bytes[at++])];
}

void appendCodePage932(char16_t unit, std::string& out) {
  // ASCII writes as itself: every byte below 0x80 reads as the unit of its value, and no
  // best fit stands in for one of them.
  if (unit < 0x80) {
    out += static_cast<char>(unit);
    return;
  }
  const uint16_t code = writeTables().written[unit];
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

}  // namespace platform
