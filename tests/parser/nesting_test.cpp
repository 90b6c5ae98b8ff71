// Terms inside more than MaxTermDepth brackets fail as syntax errors; chains of operators and
// signs of any length are evaluated, without exhausting the stack and in linear time.
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
    EXPECT_EQ(Outcome(parser, Nested(MaxTermDepth), how).value, 1);
    // The innermost "1" is the sub-term beyond the limit.
    EXPECT_EQ(Outcome(parser, Nested(MaxTermDepth + 1), how), SyntaxAt(MaxTermDepth + 2, 1));
    // Operands and signs do not count: a flat sum of 10 001 characters is a sum.
    EXPECT_EQ(Outcome(parser, Repeat("1+", 5000) + "1", how).value, 5001);
    EXPECT_EQ(Outcome(parser, Repeat("2*", 3000) + "1/" + Repeat("2/", 3000) + "1", how).value, 1);
    EXPECT_EQ(Outcome(parser, Repeat("-(", 1500) + "1" + Repeat(")", 1500), how),
              SyntaxAt(2 * (MaxTermDepth + 1) + 1, 3 * (1500 - MaxTermDepth - 1) + 1));
    // Brackets inside a chain count from the chain's level.
    EXPECT_EQ(Outcome(parser, "1+" + Nested(MaxTermDepth) + "+1", how).value, 3);
    const std::string deepOperand = "1+" + Nested(MaxTermDepth + 1) + "+1";
    EXPECT_EQ(Outcome(parser, deepOperand, how), SyntaxAt(MaxTermDepth + 4, 1));
  }
}

// Runs of 20 000 signs in front of a term, with the default table (where they never
// evaluate) and with a table of only "*" (where they do): both evaluations give the same
// outcome, the direct one no longer scanning the text again for every sign.
TEST(LeadingSigns, BothEvaluationsAgree) {
  const std::string minus = Repeat("-", 20000), plus = Repeat("+", 20000);
  const std::string terms[] = {minus + "1",     plus + "1",        Repeat("-+", 10000) + "1",
                               minus + "(1+2)", "1*" + plus + "2", "sqrt" + plus + "4",
                               minus + "-2*3",  plus + "x",        "(" + minus + "1)"};
  TMathParser defaults(true);
  TMathParser onlyTimes(false);
  onlyTimes.AddOperator("*", {arLeft, arRight}, testing::OddMethod);
  for (TMathParser* parser : {&defaults, &onlyTimes}) {
    parser->SetConstantValue("x", 2);
    for (const std::string& term : terms) {
      EXPECT_EQ(Outcome(*parser, term, Evaluation::Reference),
                Outcome(*parser, term, Evaluation::Compiled))
          << term.substr(0, 3) << "..." << term.substr(term.size() - 6);
    }
  }
  EXPECT_EQ(Outcome(onlyTimes, minus + "-2*3", Evaluation::Reference).value, 2 * -2 + 3 + 1);
  EXPECT_EQ(Outcome(defaults, minus + "1", Evaluation::Reference), SyntaxAt(20000, 0));
}

constexpr int kHuge = 100000;

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

// Long flat chains of a hundred thousand operators or signs are evaluated.
TEST(LongChain, IsEvaluatedWithoutCrashing) {
  TMathParser parser(true);
  parser.SetConstantValue("x", 1);
  EXPECT_EQ(Outcome(parser, Repeat("1+", kHuge) + "1", Evaluation::Compiled).value, kHuge + 1);
  EXPECT_EQ(Outcome(parser, Repeat("x*", kHuge) + "x", Evaluation::Compiled).value, 1);
  EXPECT_EQ(Outcome(parser, "1" + Repeat("-1", kHuge), Evaluation::Compiled).value, 1 - kHuge);
  EXPECT_EQ(Outcome(parser, Repeat("sin", kHuge) + "0", Evaluation::Compiled).value, 0);
  EXPECT_EQ(Outcome(parser, "0" + Repeat("+(-1)", kHuge), Evaluation::Compiled).value, -kHuge);
}

INSTANTIATE_TEST_SUITE_P(
    HundredThousand, DeepTermTest,
    ::testing::Values(
        DeepCase{"brackets", Nested(kHuge),
                 SyntaxAt(MaxTermDepth + 2, 2 * (kHuge - MaxTermDepth - 1) + 1)},
        // The rightmost "-" splits first and leaves signs without a number on its left.
        DeepCase{"signs", Repeat("-", kHuge) + "1", SyntaxAt(kHuge, 0)},
        DeepCase{"bracketed_signs", Repeat("-", kHuge) + "(1)", SyntaxAt(kHuge, 0)},
        DeepCase{"powers", Repeat("1^(", kHuge) + "1" + Repeat(")", kHuge),
                 SyntaxAt(3 * (MaxTermDepth + 1) + 1, 4 * (kHuge - MaxTermDepth - 1) + 1)},
        DeepCase{"open_brackets", Repeat("(", kHuge), SyntaxAt(1, kHuge)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv
