#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

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
