#pragma once
// Arithmetic of the standard operators that never fails by itself, shared by the operator
// methods and the compiled evaluation, which computes the common operators in place.
#include <cmath>
#include <cstdint>

#include "parser/mathparser.h"

namespace qv {

inline constexpr Extended kDegToRad = 0.017453292519943295769L;
inline constexpr Extended kRadToDeg = 57.295779513082320877L;
// sin gives exactly 0 at the 15-digit value of pi that a displayed result carries.
inline constexpr Extended kDisplayedPi = 3.14159265358979L;

inline Extended Angle(Extended value) {
  return DegreeMode ? value * kDegToRad : value;
}
inline Extended FromRadians(Extended value) {
  return DegreeMode ? value * kRadToDeg : value;
}

// Integral exponents by repeated squaring, as the runtime's integer power does; a negative
// exponent gives the power of its absolute value (the caller takes the reciprocal).
inline Extended IntPower(Extended base, std::int64_t exponent) {
  std::uint64_t remaining = exponent < 0 ? -exponent : exponent;
  Extended result = 1;
  while (remaining != 0) {
    if (remaining & 1u) result *= base;
    remaining >>= 1;
    if (remaining != 0) base *= base;
  }
  return result;
}

// Whether "^" takes the repeated squaring for this exponent.
inline bool IsIntPowerExponent(Extended exponent) {
  return exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L;
}

// Where "sin" gives exactly 0 instead of the sine of its angle.
inline bool SineIsZero(Extended value) {
  return !DegreeMode && (value == kDisplayedPi || value == -kDisplayedPi);
}
inline Extended SinValue(Extended value) {
  if (SineIsZero(value)) return 0;
  return std::sin(Angle(value));
}
inline Extended CosValue(Extended value) {
  return std::cos(Angle(value));
}

}  // namespace qv
