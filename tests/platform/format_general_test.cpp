#include <gtest/gtest.h>

#include <limits>

#include "platform/numbers.h"

namespace qv {
namespace {

using Limits = std::numeric_limits<Extended>;

struct GeneralCase {
  Extended value;
  const char* text;
};

class FormatGeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, Formats) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, FormatGeneralTest,
    testing::Values(GeneralCase{0, "0"}, GeneralCase{-0.0L, "0"}, GeneralCase{-2.5L, "-2,5"},
                    GeneralCase{100, "100"}, GeneralCase{12345.678L, "12345,678"},
                    GeneralCase{1.0L / 3, "0,333333333333333"},
                    GeneralCase{2.0L / 3, "0,666666666666667"}, GeneralCase{0.1L + 0.2L, "0,3"},
                    GeneralCase{0.00001L, "0,00001"}, GeneralCase{0.000012345L, "0,000012345"},
                    GeneralCase{123456789012345.0L, "123456789012345"},
                    GeneralCase{1e14L, "100000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatGeneralTest,
    testing::Values(GeneralCase{1e20L, "1E20"}, GeneralCase{1.5e-6L, "1,5E-6"},
                    GeneralCase{-1e-300L, "-1E-300"}, GeneralCase{0.0000099999L, "9,9999E-6"},
                    GeneralCase{1e15L, "1E15"},
                    GeneralCase{1234567890123456.0L, "1,23456789012346E15"},
                    // Rounding to 15 digits gives a 16th digit before the comma.
                    GeneralCase{999999999999999.9L, "1E15"},
                    GeneralCase{Limits::max(), "1,18973149535723E4932"},
                    GeneralCase{Limits::denorm_min(), "3,64519953188247E-4951"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, FormatGeneralTest,
                         testing::Values(GeneralCase{Limits::infinity(), "INF"},
                                         GeneralCase{-Limits::infinity(), "-INF"},
                                         GeneralCase{Limits::quiet_NaN(), "NAN"}));

}  // namespace
}  // namespace qv
