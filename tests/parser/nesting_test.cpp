// Terms nested deeper than MaxTermDepth fail as syntax errors instead of exhausting the stack.
#include <gtest/gtest.h>

#include <string>

#include "parse_outcome.h"

namespace qv {
namespace {

using testing::Evaluation;
using testing::Outcome;
using testing::ParseOutcome;

std::string Repeat(const std::string& part, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += part;
  return text;
}

std::string Nested(int brackets) {
  return Repeat("(", brackets) + "1" + Repeat(")", brackets);
}

ParseOutcome SyntaxAt(int position, int length) {
  return {true, 0, 1, "Fehlerhafte Syntax", position, length, 0};
}

TEST(Nesting, WorksUpToTheLimitThroughBothEvaluations) {
  TMathParser parser(true);
  for (const Evaluation how : {Evaluation::Compiled, Evaluation::Reference}) {
    EXPECT_EQ(Outcome(parser, Nested(MaxTermDepth - 1), how).value, 1);
    // The innermost "1" is the sub-term beyond the limit.
    EXPECT_EQ(Outcome(parser, Nested(MaxTermDepth), how), SyntaxAt(MaxTermDepth + 1, 1));
    // Operands count as levels too; the leftmost operand is reached first.
    const std::string chain = Repeat("1+", MaxTermDepth) + "1";
    EXPECT_EQ(Outcome(parser, chain, how), SyntaxAt(1, 1));
    EXPECT_EQ(Outcome(parser, Repeat("1+", MaxTermDepth - 1) + "1", how).value, MaxTermDepth);
  }
}

struct DeepCase {
  const char* name;
  std::string term;
  ParseOutcome expect;
};

void PrintTo(const DeepCase& c, std::ostream* out) {
  *out << c.name;
}

class DeepTermTest : public ::testing::TestWithParam<DeepCase> {};

TEST_P(DeepTermTest, FailsWithoutCrashing) {
  TMathParser parser(true);
  EXPECT_EQ(Outcome(parser, GetParam().term, Evaluation::Compiled), GetParam().expect);
}

constexpr int kHuge = 100000;

INSTANTIATE_TEST_SUITE_P(
    HundredThousand, DeepTermTest,
    ::testing::Values(
        DeepCase{"brackets", Nested(kHuge),
                 SyntaxAt(MaxTermDepth + 1, 2 * (kHuge - MaxTermDepth) + 1)},
        DeepCase{"signs", Repeat("-", kHuge) + "1", SyntaxAt(MaxTermDepth, kHuge - MaxTermDepth)},
        DeepCase{"sums", Repeat("1+", kHuge) + "1", SyntaxAt(1, 2 * (kHuge - MaxTermDepth) + 1)},
        DeepCase{"powers", Repeat("1^(", kHuge) + "1" + Repeat(")", kHuge),
                 SyntaxAt(3 * (MaxTermDepth / 2) + 1, 4 * kHuge + 1 - 4 * (MaxTermDepth / 2))},
        DeepCase{"open_brackets", Repeat("(", kHuge), SyntaxAt(1, kHuge)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv
