#include "platform/code_page_932.h"

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

unsigned hexValue(std::string_view digits) {
  unsigned value = 0;
  for (const char c : digits) {
    value <<= 4;
    if (c >= '0' && c <= '9') value |= static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') value |= static_cast<unsigned>(c - 'A' + 10);
  }
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

struct Tables {
  char16_t single[256] = {};
  uint8_t leadSlot[256] = {};  // 0 for a byte that leads nothing, else its row + 1
  char16_t pair[60][256] = {};
  uint16_t written[65536] = {};  // a byte, or a lead byte and a second byte
  uint8_t writtenRank[65536] = {};

  Tables() {
    for (unsigned b = 0; b < 0x80; ++b) single[b] = static_cast<char16_t>(b);
    for (uint8_t& rank : writtenRank) rank = kUnwritten;
    unsigned rows = 0;
    std::string_view text = kTableText;
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      const std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      if (line.empty() || line.front() == '#') continue;
      if (line.front() == '>') {
        // A best fit: no character reads as the code unit, so nothing outranks it.
        const unsigned unit = hexValue(line.substr(2, 4));
        written[unit] = static_cast<uint16_t>(hexValue(line.substr(7)));
        writtenRank[unit] = 0;
        continue;
      }
      const bool singles = line.front() == 'S';
      char16_t* units = single;
      unsigned second = 0x80;
      if (!singles) {
        if (rows == std::size(pair)) continue;
        leadSlot[hexValue(line.substr(0, 2))] = static_cast<uint8_t>(++rows);
        units = pair[rows - 1];
        second = 0x40;
      }
      for (std::size_t at = line.find(' '); at != std::string_view::npos && at + 5 <= line.size();
           at += 5) {
        while (!singles && !listedSecondByte(second)) ++second;
        units[second++] = static_cast<char16_t>(hexValue(line.substr(at + 1, 4)));
      }
    }
    for (unsigned b = 0x80; b < 0x100; ++b) {
      if (leadSlot[b] != 0) single[b] = kStandIn;
    }
    for (unsigned row = 0; row < rows; ++row) {
      for (unsigned second = 0; second < 0x100; ++second) {
        if (!listedSecondByte(second)) pair[row][second] = kStandIn;
      }
    }
    for (unsigned b = 0; b < 0x100; ++b) {
      if (leadSlot[b] == 0) offer(single[b], b);
    }
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
      if (leadSlot[lead] == 0) continue;
      for (unsigned second = 0x40; second <= 0xFC; ++second) {
        if (listedSecondByte(second)) offer(pair[leadSlot[lead] - 1][second], lead << 8 | second);
      }
    }
    for (unsigned unit = 0; unit < 65536; ++unit) {
      if (writtenRank[unit] == kUnwritten) written[unit] = '?';
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

const Tables& tables() {
  static const Tables instance;
  return instance;
}

}  // namespace

char16_t readCodePage932(std::string_view bytes, std::size_t& at) {
  const Tables& t = tables();
  const auto first = static_cast<uint8_t>(bytes[at++]);
  const uint8_t slot = t.leadSlot[first];
  if (slot == 0) return t.single[first];
  if (at == bytes.size() || bytes[at] == '\0') return kStandIn;
  return t.pair[slot - 1][static_cast<uint8_t>(bytes[at++])];
}

void appendCodePage932(char16_t unit, std::string& out) {
  const uint16_t code = tables().written[unit];
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

}  // namespace platform
