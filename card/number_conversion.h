// Decimal conversions of card texts, with failure as a result instead of an exception.
//
// They accept exactly what the standard stoi and stod accept in base 10 and the "C"
// locale, and they do not depend on the process locale: a host that sets a locale
// with a decimal comma does not change how "12.5" reads. Card parsing runs inside the
// host's frame, where hundreds of short rows must not throw hundreds of exceptions.
#ifndef RUVA_CARD_NUMBER_CONVERSION_H_
#define RUVA_CARD_NUMBER_CONVERSION_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

// stoi: leading white space, one sign, then at least one digit, up to the first byte
// that cannot continue the number. False (and `value` untouched) when there is no
// number or it does not fit in 32 bits.
bool convertInt(std::string_view text, int32_t& value);

// stod: leading white space, one sign, then a decimal or hexadecimal number with an
// optional exponent. False (and `value` untouched) when there is no number, when its
// magnitude overflows or underflows the double range, and, unlike stod, when it is
// not finite ("inf", "infinity", "nan" in any case).
bool convertReal(std::string_view text, double& value);

// convertInt and convertReal that also give, in `length`, the bytes they take from the
// front of `text` (white space, sign and number); whatever follows them is not read.
// Both untouched when `text` does not convert. One reading for callers that want both.
bool convertInt(std::string_view text, int32_t& value, std::size_t& length);
bool convertReal(std::string_view text, double& value, std::size_t& length);

// atoi: like convertInt, but 0 when there is no number, and values beyond 32 bits
// are held at the nearest end of the range.
int32_t leadingInt(std::string_view text);

#endif  // RUVA_CARD_NUMBER_CONVERSION_H_
