#include "card/number_conversion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// White space as the "C" locale's isspace has it.
bool isSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Skips white space and one sign; returns the offset of the first byte after them.
std::size_t skipSpaceAndSign(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

enum class IntResult { kNone, kInRange, kOutOfRange };

// The digit `c` stands for, or a value above 9 when `c` is no digit.
unsigned digitValue(char c) {
  return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'};
}

IntResult readInt(std::string_view text, int32_t& value, std::size_t* length = nullptr) {
  bool negative = false;
  // Most card numbers start with their first digit.
  std::size_t i = !text.empty() && isDigit(text[0]) ? 0 : skipSpaceAndSign(text, negative);
  if (i >= text.size() || !isDigit(text[i])) return IntResult::kNone;
  constexpr uint64_t kLimit = uint64_t{1} << 31;
  uint64_t magnitude = 0;
  // Nineteen digits cannot overflow 64 bits: the short numbers of a card are summed
  // without a check per digit.
  constexpr std::size_t kUncheckedDigits = 19;
  if (text.size() - i <= kUncheckedDigits) {
    for (; i < text.size(); ++i) {
      const unsigned digit = digitValue(text[i]);
      if (digit > 9) break;
      magnitude = magnitude * 10 + digit;
    }
  } else {
    // Magnitudes beyond 2^31 are out of range either way, so the sum stops growing there.
    for (; i < text.size() && isDigit(text[i]); ++i) {
      magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
      if (magnitude > kLimit) magnitude = kLimit + 1;
    }
  }
  if (length != nullptr) *length = i;
  if (magnitude > (negative ? kLimit : kLimit - 1)) {
    value = negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
    return IntResult::kOutOfRange;
  }
  value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                        : static_cast<int64_t>(magnitude));
  return IntResult::kInRange;
}

// True when `text` (after the sign) starts with a mantissa that holds a nonzero digit.
bool hasNonzeroDigit(std::string_view text, bool hex) {
  for (char c : text) {
    if (c == '.') continue;
    if (hex ? !isHexDigit(c) : !isDigit(c)) break;
    if (c != '0') return true;
  }
  return false;
}

// Reads `body` when it starts with a plain decimal of at most nineteen digits and no
// exponent, the usual real of a card, without the general converter: a mantissa of at
// most 2^53 and a power of ten up to 10^19 are both exact, so their one division rounds
// as the converter rounds the decimal. False, and nothing read, for anything else.
bool readPlainDecimal(std::string_view body, double& result, std::size_t& used) {
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                            1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                            1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
  constexpr std::size_t kMostDigits = 19;
  constexpr uint64_t kMostExact = uint64_t{1} << 53;
  // Sums of more than nineteen digits wrap, and are refused below.
  uint64_t mantissa = 0;
  std::size_t digits = 0;
  std::size_t i = 0;
  for (; i < body.size() && digitValue(body[i]) <= 9; ++i, ++digits) {
    mantissa = mantissa * 10 + digitValue(body[i]);
  }
  std::size_t fraction = 0;
  if (i < body.size() && body[i] == '.') {
    for (++i; i < body.size() && digitValue(body[i]) <= 9; ++i, ++digits, ++fraction) {
      mantissa = mantissa * 10 + digitValue(body[i]);
    }
  }
  // An exponent or a hexadecimal number is the general converter's, and so is a zero
  // followed by a second point, which the underflow test reads past.
  if (i < body.size()) {
    const char next = body[i];
    if (next == 'e' || next == 'E' || next == 'x' || next == 'X') return false;
    if (next == '.' && mantissa == 0) return false;
  }
  if (digits == 0 || digits > kMostDigits || mantissa > kMostExact) return false;
  result = static_cast<double>(mantissa) / kPowersOfTen[fraction];
  used = i;
  return true;
}

bool readReal(std::string_view text, double& value, std::size_t* length) {
  bool negative = false;
  std::string_view body = text.substr(skipSpaceAndSign(text, negative));
  // The converter below would take a second sign that stod refuses ("--5").
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) return false;
  double plain = 0.0;
  std::size_t used = 0;
  if (readPlainDecimal(body, plain, used)) {
    if (length != nullptr) *length = static_cast<std::size_t>(body.data() + used - text.data());
    value = negative ? -plain : plain;
    return true;
  }
  std::chars_format format = std::chars_format::general;
  // "0x" opens a hexadecimal number only when a hexadecimal digit follows; otherwise
  // the number is the "0" in front of the x.
  if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X') &&
      (isHexDigit(body[2]) || (body[2] == '.' && body.size() > 3 && isHexDigit(body[3])))) {
    body.remove_prefix(2);
    format = std::chars_format::hex;
  }
  double result = 0.0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), result, format);
  if (error == std::errc::invalid_argument) return false;
  if (error == std::errc::result_out_of_range) return false;
  if (length != nullptr) *length = static_cast<std::size_t>(end - text.data());
  // An infinite or undefined distance or time would stop every comparison of the route
  // from ever holding again, so it reads as no number.
  if (!std::isfinite(result)) return false;
  // A finite nonzero number that reads as zero or as a subnormal has underflowed.
  if (std::fabs(result) < std::numeric_limits<double>::min() &&
      hasNonzeroDigit(body, format == std::chars_format::hex)) {
    return false;
  }
  value = negative ? -result : result;
  return true;
}

}  // namespace

bool convertInt(std::string_view text, int32_t& value) {
  int32_t result = 0;
  if (readInt(text, result) != IntResult::kInRange) return false;
  value = result;
  return true;
}

int32_t leadingInt(std::string_view text) {
  int32_t result = 0;
  return readInt(text, result) == IntResult::kNone ? 0 : result;
}

bool convertReal(std::string_view text, double& value) {
  return readReal(text, value, nullptr);
}

bool convertInt(std::string_view text, int32_t& value, std::size_t& length) {
  int32_t result = 0;
  std::size_t taken = 0;
  if (readInt(text, result, &taken) != IntResult::kInRange) return false;
  value = result;
  length = taken;
  return true;
}

bool convertReal(std::string_view text, double& value, std::size_t& length) {
  double result = 0.0;
  std::size_t taken = 0;
  if (!readReal(text, result, &taken)) return false;
  value = result;
  length = taken;
  return true;
}
