// Integer arithmetic of the display that must stay defined for any host input: sums
// that saturate, sums that wrap, and double-to-int32 truncation.
#ifndef RUVA_DISPLAY_SAFE_ARITHMETIC_H_
#define RUVA_DISPLAY_SAFE_ARITHMETIC_H_

#include <cstdint>
#include <limits>

// a + b held at the ends of the int32 range instead of overflowing.
// The sum overflows only past the end that b points to.
constexpr int32_t saturatingAdd(int32_t a, int32_t b) {
  int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    return b > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
  }
  return sum;
}

// a + b and a × b modulo 2^32, as two's complement int32.
constexpr int32_t wrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t wrappingMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// x cut towards zero. A NaN or a value whose truncation does not fit in int32 gives
// INT32_MIN, which is what the processor's own truncating conversion yields.
constexpr int32_t truncateToInt32(double x) {
  if (x > -2147483649.0 && x < 2147483648.0) return static_cast<int32_t>(x);
  return std::numeric_limits<int32_t>::min();
}

#endif  // RUVA_DISPLAY_SAFE_ARITHMETIC_H_
