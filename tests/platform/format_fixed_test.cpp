#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <stdexcept>

#include "platform/decimal.h"
#include "platform/numbers.h"

namespace qv {
namespace {

using Limits = std::numeric_limits<Extended>;

struct FixedCase {
  Extended value;
  int width;
  int decimals;
  const char* text;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, Formats) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WidthAndThousands, FormatFixedTest,
    testing::Values(FixedCase{1, 5, 0, "    1"}, FixedCase{100, 5, 0, "  100"},
                    FixedCase{1000, 5, 0, "1.000"}, FixedCase{100000, 5, 0, "100.000"},
                    FixedCase{1234.5L, 5, 2, "1.234,50"}, FixedCase{0, 6, 2, "  0,00"},
                    FixedCase{1234.56L, 6, 2, "1.234,56"}, FixedCase{-12000, 6, 2, "-12.000,00"},
                    FixedCase{-1234567.891L, 5, 2, "-1.234.567,89"}, FixedCase{5, 2, 2, "5,00"},
                    FixedCase{123, 2, 2, "123,00"},
                    FixedCase{1e20L, 5, 0, "100.000.000.000.000.000.000"},
                    FixedCase{123456789012345678.0L, 5, 0, "123.456.789.012.345.678"},
                    FixedCase{1.0L / 3, 5, 15, "0,333333333333333"},
                    FixedCase{0.000001L, 5, 15, "0,000001000000000"}));

// Halves round away from zero, on the digits the value was typed with.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatFixedTest,
    testing::Values(FixedCase{0.125L, 5, 2, " 0,13"}, FixedCase{-0.125L, 5, 2, "-0,13"},
                    FixedCase{2.5L, 5, 0, "    3"}, FixedCase{-2.5L, 5, 0, "   -3"},
                    FixedCase{0.6L, 5, 0, "    1"}, FixedCase{0.06L, 5, 0, "    0"},
                    FixedCase{1.005L, 5, 2, " 1,01"}, FixedCase{2.675L, 2, 2, "2,68"},
                    FixedCase{999.995L, 5, 2, "1.000,00"}, FixedCase{0.0049L, 5, 2, " 0,00"}));

// A value that rounds to zero has no sign.
INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatFixedTest,
                         testing::Values(FixedCase{-0.001L, 5, 2, " 0,00"},
                                         FixedCase{-0.0L, 5, 2, " 0,00"},
                                         FixedCase{-0.4L, 5, 0, "    0"},
                                         FixedCase{-1e-300L, 2, 2, "0,00"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, FormatFixedTest,
                         testing::Values(FixedCase{Limits::infinity(), 5, 2, "  INF"},
                                         FixedCase{-Limits::infinity(), 5, 2, " -INF"},
                                         FixedCase{Limits::quiet_NaN(), 5, 2, "  NAN"},
                                         FixedCase{Limits::infinity(), 2, 2, "INF"}));

TEST(FormatFixed, LargestValueHasAllItsDigitGroups) {
  const std::string text = FormatFixed(Limits::max(), 5, 2);
  EXPECT_TRUE(text.starts_with("1.189.731.495.357.231.770.000")) << text;
  EXPECT_TRUE(text.ends_with(".000,00")) << text;
  EXPECT_EQ(text.size(), 4933u + 1644u + 3u);
}

// The value's 18 significant digits rounded at the last decimal, without thousand points: what
// every text of FormatFixed is, however it is reached.
std::string ByDigits(Extended value, int decimals) {
  DecimalDigits d = ToDecimalDigits(value);
  RoundSignificant(d, d.exponent + 1 + decimals);
  std::string text = d.negative && !d.IsZero() ? "-" : "";
  for (int power = std::max(d.exponent, 0); power >= -decimals; --power) {
    if (power == -1) text += ',';
    text += d.DigitAt(power);
  }
  return text;
}

// Amounts as a loan plan has them: cents typed, results of interest, halves of a cent, values
// a hair beside them, tiny ones and the largest of the common range, both signs.
TEST(FormatFixed, GivesTheRoundedDigitsOfEveryCommonAmount) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 300000; ++i) {
    const Extended cents = std::floor(std::pow(10.0L, unit(random) * 14));
    Extended value = 0;
    switch (i % 5) {
      case 0:
        value = cents / 100;
        break;
      case 1:
        value = (cents + 0.5L) / 100;
        break;
      case 2:
        value = std::nextafter((cents + 0.5L) / 100, Extended{i % 2 ? 0 : 1e13L});
        break;
      case 3:
        value = cents * unit(random) / 1200;
        break;
      default:
        value = std::ldexp(Extended{1}, -static_cast<int>(unit(random) * 80));
        break;
    }
    if (i % 3 == 0) value = -value;
    const int decimals = i % 4 == 0 ? 0 : i % 4 == 1 ? 1 : 2;
    std::string text = FormatFixed(value, 0, decimals);
    text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    ASSERT_EQ(text, ByDigits(value, decimals)) << static_cast<double>(value) << " " << decimals;
  }
}

struct PatternCase {
  const char* pattern;
  Extended value;
  const char* text;
};

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, Formats) {
  EXPECT_EQ(FormatPattern(GetParam().pattern, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternTest,
    testing::Values(PatternCase{"%5.2n", 1234.5L, "1.234,50"}, PatternCase{"%5.0n", 7, "    7"},
                    PatternCase{"%5.15n", 0.5L, "0,500000000000000"},
                    PatternCase{"%2.2n", -5, "-5,00"}, PatternCase{"%6.2n", 0, "  0,00"},
                    PatternCase{"%8.2n", 12.5L, "   12,50"}, PatternCase{"%g", 1e20L, "1E20"}));

TEST(FormatPattern, RejectsUnknownPatterns) {
  for (const char* pattern : {"", "%", "%n", "%5n", "%5.2x", "5.2n", "%5.2nx", "%G", "%100.2n",
                              "%5.100n", "%99999999999.2n"}) {
    EXPECT_THROW(FormatPattern(pattern, 1), std::invalid_argument) << pattern;
  }
}

}  // namespace
}  // namespace qv
