// The canonical text of stored values and the German display formats.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "platform/decimal.h"
#include "platform/numbers.h"

namespace qv {

namespace {

// Infinite values are written "INF" (with "-" when negative), not-a-number values "NAN".
std::string SpecialText(Extended value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string PadLeft(std::string text, int width) {
  const int missing = width - static_cast<int>(text.size());
  if (missing > 0) text.insert(0, static_cast<size_t>(missing), ' ');
  return text;
}

// The digits of d from 10^high down to 10^low.
std::string DigitRange(const DecimalDigits& d, int high, int low) {
  std::string out;
  for (int power = high; power >= low; --power) out.push_back(d.DigitAt(power));
  return out;
}

// Digits with a thousand point between groups of three, counted from the right.
std::string GroupThousands(const std::string& digits) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back('.');
    out.push_back(digits[i]);
  }
  return out;
}

void TrimTrailingZeros(std::string& digits) {
  const size_t last = digits.find_last_not_of('0');
  digits.resize(last == std::string::npos ? 1 : last + 1);
}

// A width or a number of decimals in a pattern: one or two digits.
int ParseCount(std::string_view text, size_t& pos) {
  int value = 0;
  for (const size_t end = pos + 2;
       pos < end && pos < text.size() && text[pos] >= '0' && text[pos] <= '9';) {
    value = value * 10 + (text[pos++] - '0');
  }
  return value;
}

// Digits without trailing zeros, in fixed notation for magnitudes from 0,00001 up to
// maxExponent, otherwise as "d,dddE±x".
std::string PlainText(DecimalDigits d, int maxExponent) {
  TrimTrailingZeros(d.digits);
  const int digitCount = static_cast<int>(d.digits.size());
  std::string text = d.negative ? "-" : "";
  if (d.exponent >= -5 && d.exponent <= maxExponent) {
    text += DigitRange(d, std::max(d.exponent, 0), 0);
    const int lowest = d.exponent - digitCount + 1;
    if (lowest < 0) text += ',' + DigitRange(d, -1, lowest);
    return text;
  }
  text += d.digits[0];
  if (digitCount > 1) text += ',' + d.digits.substr(1);
  return text + 'E' + std::to_string(d.exponent);
}

// The common case of FormatFixed in integers: a value below 10^12 to at most two decimals whose
// part beyond the last decimal lies clearly away from a half, where rounding its exact binary
// value and rounding its 18 significant digits agree. Nothing for every other value.
std::optional<std::string> FixedInIntegers(Extended value, int decimals) {
  using Wide = unsigned __int128;
  if (decimals < 0 || decimals > 2 || !(std::fabs(value) < 1e12L)) return std::nullopt;
  int exponent = 0;
  const Extended mantissa = std::frexp(std::fabs(value), &exponent);
  // |value| = whole * 2^-shift with a 64-bit whole.
  const Wide whole = static_cast<Wide>(std::ldexp(mantissa, 64));
  const int shift = 64 - exponent;
  Wide scaled = 0;
  if (shift <= 120) {
    const Wide power = decimals == 0 ? 1 : decimals == 1 ? 10 : 100;
    const Wide units = whole * power;
    const Wide one = Wide{1} << shift, half = one >> 1, rest = units & (one - 1);
    // 18 significant digits keep at least four decimals beyond the last one shown.
    const Wide band = one / 10000 + 1;
    if (rest + band >= half && rest <= half + band) return std::nullopt;
    scaled = (units >> shift) + (rest > half ? 1 : 0);
  }
  std::string digits = std::to_string(static_cast<unsigned long long>(scaled));
  if (digits.size() <= static_cast<size_t>(decimals))
    digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
  const size_t point = digits.size() - static_cast<size_t>(decimals);
  std::string text = value < 0 && scaled != 0 ? "-" : "";
  text += GroupThousands(digits.substr(0, point));
  if (decimals > 0) text += ',' + digits.substr(point);
  return text;
}

}  // namespace

// Infinite and not-a-number values are written " INF", "-INF" and " NAN" (the sign column kept
// like in the finite texts); the entry reader reads them back as the same values.
std::string CanonicalText(Extended value) {
  if (!std::isfinite(value)) {
    const std::string special = SpecialText(value);
    return special[0] == '-' ? special : " " + special;
  }
  DecimalDigits d = RoundedDecimalDigits(value, 15);
  const bool zero = d.IsZero();
  if (zero) d.exponent = 0;
  std::string text(1, d.negative && !zero ? '-' : ' ');
  text += d.DigitAt(d.exponent);
  text += '.';
  text += DigitRange(d, d.exponent - 1, d.exponent - 14);
  text += d.exponent < 0 ? "E-" : "E+";
  const std::string exponent = std::to_string(std::abs(d.exponent));
  text += std::string(4 - exponent.size(), '0') + exponent;
  return text;
}

std::string FormatFixed(Extended value, int width, int decimals) {
  if (!std::isfinite(value)) return PadLeft(SpecialText(value), width);
  if (std::optional<std::string> text = FixedInIntegers(value, decimals))
    return PadLeft(std::move(*text), width);
  decimals = std::max(decimals, 0);
  DecimalDigits d = ToDecimalDigits(value);
  RoundSignificant(d, d.exponent + 1 + decimals);
  std::string text = d.negative && !d.IsZero() ? "-" : "";
  text += GroupThousands(DigitRange(d, std::max(d.exponent, 0), 0));
  if (decimals > 0) text += ',' + DigitRange(d, -1, -decimals);
  return PadLeft(std::move(text), width);
}

std::string FormatGeneral(Extended value) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) return "0";
  DecimalDigits d = RoundedDecimalDigits(value, 15);
  // Fixed notation for at most 15 digits before the comma and magnitudes from 0,00001 on.
  return PlainText(d, 14);
}

std::string FormatShortest(Extended value) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) return "0";
  DecimalDigits d;
  for (int significant = 1; significant <= 21; ++significant) {
    d = ToDecimalDigits(value, significant);
    const std::string text =
        d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
    if (ScannedValue(text, ScanNumber(text, '.'), '.') == std::fabs(value)) break;
  }
  return PlainText(d, 20);
}

std::string FormatPattern(std::string_view pattern, Extended value) {
  if (pattern == "%g") return FormatGeneral(value);
  size_t pos = 1;
  if (pattern.size() > 2 && pattern.front() == '%' && pattern.back() == 'n') {
    const int width = ParseCount(pattern, pos);
    if (pos < pattern.size() && pattern[pos] == '.') {
      const int decimals = ParseCount(pattern, ++pos);
      if (pos == pattern.size() - 1) return FormatFixed(value, width, decimals);
    }
  }
  throw std::invalid_argument("unknown number pattern: " + std::string(pattern));
}

}  // namespace qv
