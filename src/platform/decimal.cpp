#include "platform/decimal.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qv {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

size_t SkipSign(std::string_view text, size_t pos) {
  return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

// The "C" locale, so that a decimal point set by the toolkit (a comma on German systems)
// cannot change how the runtime reads digits.
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
  return classic;
}

}  // namespace

char DecimalDigits::DigitAt(int power) const {
  const long index = static_cast<long>(exponent) - power;
  return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
}

DecimalDigits ToDecimalDigits(Extended finiteValue, int significant) {
  // The runtime's conversion is exact and correctly rounded. Only the digits and the
  // exponent are taken from it, so the locale's decimal point does not matter.
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*Le", significant - 1, finiteValue);
  DecimalDigits d;
  d.negative = std::signbit(finiteValue);
  int pos = 0;
  for (; pos < length && buffer[pos] != 'e'; ++pos) {
    if (IsDigit(buffer[pos])) d.digits.push_back(buffer[pos]);
  }
  const char* exponent = buffer + pos + 1;
  if (*exponent == '+') ++exponent;
  std::from_chars(exponent, buffer + length, d.exponent);
  return d;
}

namespace {

// Whether d (ending in an odd digit) is exactly the finite value: with the value as m·2^e,
// m odd, and d as N·10^q, N odd, both are equal when e = q and m·5^-q = N (q < 0) or
// m = N·5^q (q >= 0). The side that grows by fives stops as soon as it passes the other.
bool IsExactly(const DecimalDigits& d, Extended finiteValue) {
  int e = 0;
  const Extended fraction = std::frexp(std::fabs(finiteValue), &e);
  unsigned long long m = static_cast<unsigned long long>(std::ldexp(fraction, 64));
  e -= 64;
  if (m == 0) return false;
  while ((m & 1) == 0) m >>= 1, ++e;
  const int q = d.exponent - static_cast<int>(d.digits.size()) + 1;
  if (e != q) return false;
  unsigned __int128 valueSide = m, digitSide = 0;
  for (const char digit : d.digits) digitSide = digitSide * 10 + static_cast<unsigned>(digit - '0');
  unsigned __int128& growing = q < 0 ? valueSide : digitSide;
  const unsigned __int128& other = q < 0 ? digitSide : valueSide;
  for (int i = 0; i < std::abs(q) && growing <= other; ++i) growing *= 5;
  return valueSide == digitSide;
}

}  // namespace

// One more digit than asked for decides, unless it is a 5: then the value lies next to the
// half between two results, and only an exact half rounds up; otherwise the runtime's
// correctly rounded conversion to the digits asked for is taken as it is.
DecimalDigits RoundedDecimalDigits(Extended finiteValue, int significant) {
  DecimalDigits d = ToDecimalDigits(finiteValue, significant + 1);
  if (d.digits.back() == '5' && !IsExactly(d, finiteValue))
    return ToDecimalDigits(finiteValue, significant);
  RoundSignificant(d, significant);
  return d;
}

void RoundSignificant(DecimalDigits& d, int count) {
  if (count >= static_cast<int>(d.digits.size())) return;
  const bool up = count >= 0 && d.digits[count] >= '5';
  d.digits.resize(count > 0 ? count : 0);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  if (d.digits.empty()) d.digits.push_back('0');
}

NumberScan ScanNumber(std::string_view text, char point) {
  NumberScan scan;
  const size_t intStart = SkipSign(text, 0);
  size_t pos = SkipDigits(text, intStart);
  scan.hasDigits = pos > intStart;
  if (pos < text.size() && text[pos] == point) {
    const size_t fracEnd = SkipDigits(text, pos + 1);
    scan.hasDigits = scan.hasDigits || fracEnd > pos + 1;
    pos = fracEnd;
  }
  if (!scan.hasDigits) return scan;
  scan.end = pos;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    const size_t expStart = SkipSign(text, pos + 1);
    const size_t expEnd = SkipDigits(text, expStart);
    if (expEnd > expStart) {
      scan.end = expEnd;
    } else {
      scan.incompleteExponent = true;
    }
  }
  return scan;
}

Extended ScannedValue(std::string_view text, const NumberScan& scan, char point) {
  std::string number(text.substr(0, scan.end));
  if (point != '.') {
    const size_t at = number.find(point);
    if (at != std::string::npos) number[at] = '.';
  }
  return strtold_l(number.c_str(), nullptr, ClassicLocale());
}

}  // namespace qv
