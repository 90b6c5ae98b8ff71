#include <gtest/gtest.h>

#include "platform/normalize.h"

namespace qv {
namespace {

struct NormalizeCase {
  const char* text;
  const char* normalized;
  int formatWhileTyping = 2;
  int formatMode = 3;
};

class NormalizeTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeTest, Cleans) {
  const NormalizeCase& c = GetParam();
  bool failed = true;
  EXPECT_EQ(NormalizeNumberText(c.text, c.formatWhileTyping, c.formatMode, failed), c.normalized);
  EXPECT_FALSE(failed);
}

INSTANTIATE_TEST_SUITE_P(
    GermanNotation, NormalizeTest,
    testing::Values(NormalizeCase{"1.234,56", "1234.56"}, NormalizeCase{"0,001", "0.001"},
                    NormalizeCase{"12,50 €", "12.50"}, NormalizeCase{"EUR 1.234,50", "1234.50"},
                    NormalizeCase{"1.234.567,5", "1234567.5"}, NormalizeCase{"42", "42"},
                    NormalizeCase{"", ""}, NormalizeCase{"abc", ""}));

INSTANTIATE_TEST_SUITE_P(Signs, NormalizeTest,
                         testing::Values(NormalizeCase{"5-", "5"}, NormalizeCase{"-3", "-3"},
                                         NormalizeCase{"-1.234,5", "-1234.5"},
                                         NormalizeCase{"€ -12,50", "-12.50"},
                                         NormalizeCase{"-5 USD", "-5"}));

INSTANTIATE_TEST_SUITE_P(Exponents, NormalizeTest,
                         testing::Values(NormalizeCase{"1,5E-6", "1.5E-6"},
                                         NormalizeCase{"1,5E6", "1.5E6"},
                                         NormalizeCase{"-2,5E-3", "-2.5E-3"},
                                         NormalizeCase{"E5", "5"}, NormalizeCase{"5E", "5"},
                                         NormalizeCase{"5Ex", "5"}));

// Points without a comma are thousand points only while typing is formatted in format 1.
INSTANTIATE_TEST_SUITE_P(LonePoints, NormalizeTest,
                         testing::Values(NormalizeCase{"1.234", "1234", 1, 1},
                                         NormalizeCase{"1.234", "1.234", 2, 1},
                                         NormalizeCase{"1.234", "1.234", 1, 3},
                                         NormalizeCase{"1.5 kg", "1.5", 2, 2}));

TEST(NormalizeNumberText, TextThatIsNoUtf8FailsAndStaysUnchanged) {
  bool failed = false;
  EXPECT_EQ(NormalizeNumberText("12\xFF,5", 2, 3, failed), "12\xFF,5");
  EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace qv
