#pragma once

#include <cstdint>
#include <optional>

class QString;

// The numeric rules the windows were designed with: rounding halves to even, truncating
// integer division, and numeric text read the way the user's system reads it.
namespace vbmath {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// The value must lie within the int range; use toLong/toInteger when it may not.
int roundHalfEven(double value);

// Conversions that fail instead of wrapping: a 32-bit and a 16-bit signed integer.
std::optional<int32_t> toLong(double value);
std::optional<int16_t> toInteger(double value);

// Truncating division (toward zero); nullopt on a zero divisor.
std::optional<int32_t> truncDiv(int32_t a, int32_t b);

// Numeric text to a 32-bit integer: surrounding spaces allowed, a fraction rounds half to
// even, an exponent is accepted, the user's decimal separator too; anything else (letters, an
// empty text), or a result outside 32 bits, fails.
std::optional<int32_t> textToLong(const QString &text);

} // namespace vbmath
