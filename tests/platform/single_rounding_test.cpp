// The general format and the canonical text round once, from the exact binary value, to 15
// significant digits, an exact half away from zero. The reference rounds the value's complete
// decimal expansion (glibc's "%Le" is exact when asked for every digit) by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/numbers.h"

namespace qv {
namespace {

struct Digits {
  bool negative = false;
  std::string digits;  // without trailing zeros
  int exponent = 0;
  bool operator==(const Digits&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Digits& d) {
  return out << (d.negative ? "-" : "") << d.digits << "e" << d.exponent;
}

void TrimZeros(std::string& digits) {
  const size_t last = digits.find_last_not_of('0');
  digits.resize(last == std::string::npos ? 1 : last + 1);
}

// A long double has at most 11 520 significant decimal digits (the smallest subnormals).
constexpr int kAllDigits = 11600;

Digits ExactlyRounded(Extended value) {
  static std::vector<char> buffer(kAllDigits + 32);
  const int length =
      std::snprintf(buffer.data(), buffer.size(), "%.*Le", kAllDigits, std::fabs(value));
  const std::string text(buffer.data(), static_cast<size_t>(length));
  const size_t e = text.find('e');
  std::string all = text.substr(0, 1) + text.substr(2, e - 2);
  Digits d{std::signbit(value), all.substr(0, 15), std::atoi(text.c_str() + e + 1)};
  // Everything from the 16th digit on is the exact rest: from a 5 on it is at least a half.
  if (all[15] >= '5') {
    int i = 14;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  TrimZeros(d.digits);
  return d;
}

// " 5.55555555555555E+0000": sign column, 15 digits, four-digit exponent.
Digits CanonicalDigits(const std::string& text) {
  Digits d{text[0] == '-', text.substr(1, 1) + text.substr(3, 14), std::atoi(text.c_str() + 18)};
  TrimZeros(d.digits);
  return d;
}

// "-0,000012345", "1,5E-6", "123456789012345".
Digits GeneralDigits(std::string text) {
  Digits d;
  d.negative = text[0] == '-';
  if (d.negative) text.erase(0, 1);
  const size_t e = text.find('E');
  const int scale = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
  text = text.substr(0, e);
  const size_t comma = text.find(',');
  const int integerDigits = static_cast<int>(comma == std::string::npos ? text.size() : comma);
  if (comma != std::string::npos) text.erase(comma, 1);
  const size_t first = text.find_first_not_of('0');
  d.digits = text.substr(first);
  d.exponent = scale + integerDigits - 1 - static_cast<int>(first);
  TrimZeros(d.digits);
  return d;
}

// Values of every magnitude, values next to the half between two 15-digit results (where a
// rounding in two steps goes wrong), and exact halves.
std::vector<Extended> Table() {
  std::vector<Extended> values = {5.555555555555554999L,
                                  -5.555555555555554999L,
                                  1.000000000000000499L,
                                  123456789012345.5L,
                                  12345678901234.25L,
                                  1234567890123445.0L,
                                  0.1L + 0.2L};
  std::mt19937_64 random(25);
  const auto digits = [&random](int count) {
    std::string text(1, static_cast<char>('1' + random() % 9));
    while (static_cast<int>(text.size()) < count) text += static_cast<char>('0' + random() % 10);
    return text;
  };
  for (int i = 0; i < 600; ++i) {
    const unsigned long long mantissa = random() | (1ULL << 63);
    const int exponent = static_cast<int>(random() % 32700) - 16440 - 63;
    values.push_back((random() & 1 ? -1 : 1) *
                     std::ldexp(static_cast<Extended>(mantissa), exponent));
  }
  const char* const tails[] = {"", "0000001", "4999", "49999999", "5001", "9"};
  for (int i = 0; i < 1500; ++i) {
    const std::string text = digits(15) + "5" + tails[i % 6] + "e" +
                             std::to_string(static_cast<int>(random() % 80) - 40 - 15);
    values.push_back(std::strtold(text.c_str(), nullptr));
  }
  for (int i = 0; i < 300; ++i) {
    // P + 0.5, X.25 or X.75 and integers ending in 5: 16 digits, exactly a half at the 15th.
    values.push_back(std::strtold(digits(15).c_str(), nullptr) + 0.5L);
    values.push_back(std::strtold(digits(14).c_str(), nullptr) + (i % 2 ? 0.25L : 0.75L));
    values.push_back(std::strtold((digits(15) + "5").c_str(), nullptr));
  }
  return values;
}

TEST(SingleRounding, GeneralFormatAndCanonicalTextMatchTheExactValue) {
  for (const Extended value : Table()) {
    const Digits want = ExactlyRounded(value);
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.25Le", value);
    EXPECT_EQ(CanonicalDigits(CanonicalText(value)), want) << shown;
    EXPECT_EQ(GeneralDigits(FormatGeneral(value)), want) << shown;
  }
}

TEST(SingleRounding, DigitsBeyondTheFifteenthDecideOnce) {
  EXPECT_EQ(FormatGeneral(5.555555555555554999L), "5,55555555555555");
  EXPECT_EQ(CanonicalText(5.555555555555554999L), " 5.55555555555555E+0000");
  EXPECT_EQ(FormatGeneral(5.555555555555555001L), "5,55555555555556");
  // An exact half goes away from zero.
  EXPECT_EQ(FormatGeneral(123456789012345.5L), "123456789012346");
  EXPECT_EQ(FormatGeneral(-123456789012344.5L), "-123456789012345");
  EXPECT_EQ(CanonicalText(1234567890123445.0L), " 1.23456789012345E+0015");
}

}  // namespace
}  // namespace qv
