#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {
namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

enum class Outcome { Value, InvalidOp, ZeroDivide, Overflow };

struct CheckCase {
  const char* name;
  std::function<Extended()> operation;
  Outcome outcome;
};

class CheckedMathTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckedMathTest, RaisesTheRuntimeFault) {
  const CheckCase& c = GetParam();
  switch (c.outcome) {
    case Outcome::Value:
      EXPECT_NO_THROW(c.operation());
      break;
    case Outcome::InvalidOp:
      EXPECT_THROW(c.operation(), EInvalidOp);
      break;
    case Outcome::ZeroDivide:
      EXPECT_THROW(c.operation(), EZeroDivide);
      break;
    case Outcome::Overflow:
      EXPECT_THROW(c.operation(), EOverflow);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedMathTest,
    testing::Values(
        CheckCase{"OneByZero", [] { return CheckedDivide(1, 0); }, Outcome::ZeroDivide},
        CheckCase{"MinusFiveByMinusZero", [] { return CheckedDivide(-5, -0.0L); },
                  Outcome::ZeroDivide},
        CheckCase{"ZeroByZero", [] { return CheckedDivide(0, 0); }, Outcome::InvalidOp},
        CheckCase{"InfByInf", [] { return CheckedDivide(kInf, kInf); }, Outcome::InvalidOp},
        CheckCase{"HugeByTiny", [] { return CheckedDivide(1e4000L, 1e-4000L); }, Outcome::Overflow},
        CheckCase{"TinyByHugeUnderflows", [] { return CheckedDivide(1e-4000L, 1e4000L); },
                  Outcome::Value},
        CheckCase{"InfByZeroStaysInf", [] { return CheckedDivide(kInf, 0); }, Outcome::Value},
        CheckCase{"NaNByZeroStaysNaN", [] { return CheckedDivide(kNaN, 0); }, Outcome::Value},
        CheckCase{"RootOfMinusOne", [] { return CheckedResult(std::sqrt(-1.0L), -1.0L); },
                  Outcome::InvalidOp},
        CheckCase{"InfMinusInf", [] { return CheckedResult(kInf - kInf, kInf, kInf); },
                  Outcome::InvalidOp},
        CheckCase{"ProductOverflows",
                  [] { return CheckedResult(1e4000L * 1e4000L, 1e4000L, 1e4000L); },
                  Outcome::Overflow},
        CheckCase{"InfOperandPassesOn", [] { return CheckedResult(kInf + 1, kInf, 1); },
                  Outcome::Value},
        CheckCase{"NaNOperandPassesOn", [] { return CheckedResult(kNaN, kNaN, 1); },
                  Outcome::Value}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(CheckedMath, ReturnsTheResult) {
  EXPECT_EQ(CheckedDivide(6, 3), 2);
  EXPECT_EQ(CheckedDivide(1e-4000L, 1e4000L), 0);
  EXPECT_EQ(CheckedResult(5, 2, 3), 5);
  EXPECT_EQ(CheckedDivide(kInf, 0), kInf);
}

TEST(CheckedMath, FaultsCarryTheRuntimeTexts) {
  EXPECT_STREQ(EInvalidOp().what(), "Ungültige Gleitkommaoperation");
  EXPECT_STREQ(EZeroDivide().what(), "Gleitkommadivision durch Null");
  EXPECT_STREQ(EOverflow().what(), "Gleitkommaüberlauf");
}

}  // namespace
}  // namespace qv
