#pragma once
// Decimal digits of an extended value and the scanner of decimal number texts, shared by the
// display formats, the canonical text, the entry reader and the locale conversions.
#include <string>
#include <string_view>

#include "platform/numbers.h"

namespace qv {

// A finite value as d1.d2d3... × 10^exponent. The 80-bit format holds 18 significant decimal
// digits faithfully, so a value typed with up to 18 digits comes back with exactly those
// digits; the fixed-point formats round from these.
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // ASCII digits, the first one before the decimal point
  int exponent = 0;

  bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
  // The digit standing for 10^power ('0' outside the digits held).
  char DigitAt(int power) const;
};

// The value rounded to `significant` digits (1 to 21; 21 always give the value back exactly).
DecimalDigits ToDecimalDigits(Extended finiteValue, int significant = 18);

// The value rounded once to `significant` digits (1 to 20) from its exact binary value, an
// exact half away from zero: the digits of the general format and of the canonical text.
DecimalDigits RoundedDecimalDigits(Extended finiteValue, int significant);

// Keeps `count` significant digits (none when count <= 0), rounding half away from zero; a
// carry over the first digit puts a "1" in front and raises the exponent.
void RoundSignificant(DecimalDigits& d, int count);

// The longest leading part of text of the form [sign] digits [point digits] [(E|e) [sign]
// digits], with the given decimal point.
struct NumberScan {
  size_t end = 0;                   // one past the accepted part
  bool hasDigits = false;           // the mantissa held at least one digit
  bool incompleteExponent = false;  // an "E" without exponent digits follows the accepted part
};
NumberScan ScanNumber(std::string_view text, char point);

// The value of text[0, scan.end) (rounded to nearest; overflow gives an infinite value and
// underflow 0), whatever the process locale says about decimal points.
Extended ScannedValue(std::string_view text, const NumberScan& scan, char point);

}  // namespace qv
