#pragma once
// Conversions of real numbers to integers as the program makes them everywhere:
// to the nearest integer, a half going to the even neighbour.
#include <cmath>
#include <cstdint>

namespace dokkle {

inline int32_t RoundHalfEven(double value) noexcept {
    const double rounded = std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
    if (!(rounded >= static_cast<double>(INT32_MIN))) return INT32_MIN;  // NaN lands here too
    if (rounded > static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(rounded);
}

// Twips divided by twips-per-pixel the way the form system does an integer division:
// both operands rounded first, the quotient truncated toward zero.
inline int32_t IntegerDivide(double dividend, double divisor) noexcept {
    const int32_t roundedDivisor = RoundHalfEven(divisor);
    if (roundedDivisor == 0) return 0;
    return RoundHalfEven(dividend) / roundedDivisor;
}

}  // namespace dokkle
