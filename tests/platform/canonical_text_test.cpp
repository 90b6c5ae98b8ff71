#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/numbers.h"

namespace qv {
namespace {

using Limits = std::numeric_limits<Extended>;

struct CanonicalCase {
  Extended value;
  const char* text;
};

class CanonicalTextTest : public testing::TestWithParam<CanonicalCase> {};

TEST_P(CanonicalTextTest, WritesTwentyThreeCharacters) {
  const std::string text = CanonicalText(GetParam().value);
  EXPECT_EQ(text, GetParam().text);
  EXPECT_EQ(text.size(), 23u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CanonicalTextTest,
    testing::Values(CanonicalCase{8, " 8.00000000000000E+0000"},
                    CanonicalCase{0, " 0.00000000000000E+0000"},
                    CanonicalCase{-0.0L, " 0.00000000000000E+0000"},
                    CanonicalCase{-1.5L, "-1.50000000000000E+0000"},
                    CanonicalCase{1.0L / 3, " 3.33333333333333E-0001"},
                    CanonicalCase{-2.0L / 3, "-6.66666666666667E-0001"},
                    CanonicalCase{128, " 1.28000000000000E+0002"},
                    CanonicalCase{123456789012345678.0L, " 1.23456789012346E+0017"},
                    // Rounding to 15 digits carries into a new leading digit.
                    CanonicalCase{9999999999999999.0L, " 1.00000000000000E+0016"},
                    CanonicalCase{1e-4000L, " 1.00000000000000E-4000"},
                    CanonicalCase{Limits::max(), " 1.18973149535723E+4932"},
                    CanonicalCase{Limits::denorm_min(), " 3.64519953188247E-4951"}));

TEST(CanonicalText, NonFiniteValuesKeepTheSignColumn) {
  EXPECT_EQ(CanonicalText(Limits::infinity()), " INF");
  EXPECT_EQ(CanonicalText(-Limits::infinity()), "-INF");
  EXPECT_EQ(CanonicalText(Limits::quiet_NaN()), " NAN");
}

class CanonicalRoundTripTest : public testing::TestWithParam<Extended> {};

TEST_P(CanonicalRoundTripTest, ReadsBackWithinFifteenDigits) {
  const Extended value = GetParam();
  const std::string text = CanonicalText(value);
  const Extended back = ReadEntryText(text);
  EXPECT_LE(std::fabs(back - value), std::fabs(value) * 5e-15L) << text;
  EXPECT_EQ(CanonicalText(back), text);
}

INSTANTIATE_TEST_SUITE_P(Values, CanonicalRoundTripTest,
                         testing::Values(8.0L, -1.5L, 1.0L / 3, -2.0L / 7, 1e-300L, 6.02214076e23L,
                                         123456789012345.0L, 0.1L + 0.2L, 1e4900L, -4.2e-4900L,
                                         Limits::max(), Limits::denorm_min()));

TEST(CanonicalText, NonFiniteValuesReadBack) {
  EXPECT_EQ(ReadEntryText(CanonicalText(Limits::infinity())), Limits::infinity());
  EXPECT_EQ(ReadEntryText(CanonicalText(-Limits::infinity())), -Limits::infinity());
  EXPECT_TRUE(std::isnan(ReadEntryText(CanonicalText(Limits::quiet_NaN()))));
}

}  // namespace
}  // namespace qv
