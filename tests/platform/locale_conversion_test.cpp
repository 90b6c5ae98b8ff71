#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {
namespace {

struct FloatCase {
  const char* text;
  Extended value;
};

class TextToFloatTest : public testing::TestWithParam<FloatCase> {};

TEST_P(TextToFloatTest, Converts) {
  Extended value = -99;
  ASSERT_TRUE(TryTextToFloat(GetParam().text, value)) << '"' << GetParam().text << '"';
  EXPECT_EQ(value, GetParam().value);
  EXPECT_EQ(StrToFloat(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Valid, TextToFloatTest,
                         testing::Values(FloatCase{"1,5", 1.5L}, FloatCase{" -2,25 ", -2.25L},
                                         FloatCase{"+3", 3}, FloatCase{",5", 0.5L},
                                         FloatCase{"1,", 1}, FloatCase{"1E3", 1000},
                                         FloatCase{"1,5e-2", 0.015L}, FloatCase{"-1,5E+2", -150},
                                         FloatCase{"0001234,5678", 1234.5678L},
                                         FloatCase{"1E4000", 1e4000L},
                                         // Underflow is silent.
                                         FloatCase{"1E-5000", 0}));

class TextToFloatRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(TextToFloatRejectTest, FailsWithTheConversionMessage) {
  Extended value = 7;
  EXPECT_FALSE(TryTextToFloat(GetParam(), value));
  EXPECT_EQ(value, 7);
  try {
    StrToFloat(GetParam());
    FAIL() << "no exception for \"" << GetParam() << '"';
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' ist kein gültiger Gleitkommawert");
  }
}

INSTANTIATE_TEST_SUITE_P(Invalid, TextToFloatRejectTest,
                         testing::Values("", "   ", "abc", ",", "-", "+,", "1.000", "1.5", "1,5,3",
                                         "1 000", "- 5", "1E", "1E+", "1E5000", "-1E5000", "INF",
                                         "NAN", "0x10", "12 €", "1,5\n"));

struct IntCase {
  const char* text;
  long long value;
};

class StrToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, Converts) {
  long long value = -99;
  ASSERT_TRUE(TryStrToInt(GetParam().text, value)) << '"' << GetParam().text << '"';
  EXPECT_EQ(value, GetParam().value);
  EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Valid, StrToIntTest,
                         testing::Values(IntCase{"42", 42}, IntCase{" -7 ", -7}, IntCase{"+3", 3},
                                         IntCase{"007", 7}, IntCase{"2147483647", 2147483647},
                                         IntCase{"-2147483648", -2147483648LL}));

class StrToIntRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRejectTest, FailsWithTheConversionMessage) {
  long long value = 5;
  EXPECT_FALSE(TryStrToInt(GetParam(), value));
  EXPECT_EQ(value, 5);
  try {
    StrToInt(GetParam());
    FAIL() << "no exception for \"" << GetParam() << '"';
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' ist kein gültiger Integerwert");
  }
}

INSTANTIATE_TEST_SUITE_P(Invalid, StrToIntRejectTest,
                         testing::Values("", " ", "-", "+", "1,5", "1e3", "12a", "- 1",
                                         "2147483648", "-2147483649", "99999999999999999999999"));

}  // namespace
}  // namespace qv
