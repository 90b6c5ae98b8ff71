#include "tape/line_kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

struct KindCase {
  std::string line;
  TapeLineKind kind;
};

class TapeLineKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(TapeLineKindTest, LineIsClassifiedByItsForm) {
  EXPECT_EQ(ClassifyTapeLine(GetParam().line), GetParam().kind) << GetParam().line;
  EXPECT_TRUE(IsTapeLineKind(GetParam().line, GetParam().kind));
  EXPECT_TRUE(IsTapeLineKind(GetParam().line, TapeLineKind::Text));
}

INSTANTIATE_TEST_SUITE_P(
    WrittenLines, TapeLineKindTest,
    testing::Values(
        KindCase{"", TapeLineKind::Blank}, KindCase{"125 ^", TapeLineKind::StartValue},
        KindCase{"-1.234,50 ^", TapeLineKind::StartValue},
        KindCase{"  125,00 ^", TapeLineKind::StartValue},
        KindCase{"€ 12,50 ^", TapeLineKind::StartValue},
        KindCase{"(R1) 7 ^", TapeLineKind::Transfer}, KindCase{"(R2) ", TapeLineKind::Transfer},
        KindCase{"3 +", TapeLineKind::Operand}, KindCase{"-3 -", TapeLineKind::Operand},
        KindCase{"2,5 x", TapeLineKind::Operand}, KindCase{"1,5E-6 /", TapeLineKind::Operand},
        KindCase{"10 +% (12,50)", TapeLineKind::PercentOperand},
        KindCase{"10 % (1.000,00)", TapeLineKind::PercentOperand},
        KindCase{"3x   5 +", TapeLineKind::RepeatCount},
        KindCase{"-----------------", TapeLineKind::Rule}, KindCase{"-", TapeLineKind::Rule},
        KindCase{"128 T", TapeLineKind::Total}, KindCase{"128 S", TapeLineKind::Subtotal},
        KindCase{"15 Z", TapeLineKind::RunningSum},
        KindCase{"=  0,5 sin", TapeLineKind::FunctionResult},
        KindCase{"=  3,28km", TapeLineKind::FunctionResult},
        KindCase{"[sin(x)*a]", TapeLineKind::FunctionTerm},
        KindCase{"[x^2] f", TapeLineKind::FunctionTerm},
        KindCase{"1,7320508 =", TapeLineKind::ConfirmedValue},
        KindCase{"USD 13,60 =", TapeLineKind::ConfirmedValue},
        KindCase{"————", TapeLineKind::DashRule}, KindCase{"Q", TapeLineKind::Text},
        KindCase{"Miete Juni", TapeLineKind::Text},
        KindCase{"----", TapeLineKind::Text},  // an even count is no rule
        KindCase{"abc ^", TapeLineKind::Text}, KindCase{"3 ?", TapeLineKind::Text}));

TEST(TapeLineKind, LineBreaksAreNoText) {
  EXPECT_FALSE(IsTapeLineKind("a\r\nb", TapeLineKind::Text));
  EXPECT_FALSE(IsTapeLineKind("5 ^\n", TapeLineKind::StartValue));
}

TEST(TapeLineKind, DisplayValues) {
  for (const char* value : {"0", "-0,5", "1.000.000", "  -12,00", "EUR -3,50", "1E20", "7,"}) {
    EXPECT_TRUE(IsDisplayValue(value)) << value;
  }
  for (const char* value : {"", "-", "abc", " ", "€", "€ ", "1 2", "E5", "12a"}) {
    EXPECT_FALSE(IsDisplayValue(value)) << value;
  }
}

}  // namespace
}  // namespace qv
