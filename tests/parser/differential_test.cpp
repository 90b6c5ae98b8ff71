// The compiled evaluation against the direct algorithm on a large corpus: well-formed terms,
// token soup and random bytes, under the default and an odd operator table, in both angle
// modes, with changing constant values and several terms sharing one parser.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "parse_outcome.h"

namespace qv {
namespace {

using testing::Evaluation;
using testing::Outcome;

const std::vector<std::string> kNumbers{"0",   "1",     "2",      "0,5",  "2,5",
                                        "1e5", "1e400", "0,3",    "90",   "3,14159265358979",
                                        "7",   " 4 ",   "1e4000", "1,5e2"};
const std::vector<std::string> kNames{"x", "a", "b", "c", "pi", "e", "2,5", " y"};
const std::vector<std::string> kBinary{"+",   "-",   "*", "/",   "mod", "div",
                                       "min", "max", "^", "exp", "log", "--"};
const std::vector<std::string> kUnary{"round",  "abs",    "floor",  "ceil",    "sqrt",   "ln",
                                      "arcsin", "arccos", "arctan", "sinh",    "cosh",   "tanh",
                                      "sin",    "cos",    "tan",    "deg2rad", "rad2deg"};
const std::vector<std::string> kSoup{"(",   ")", "(",  ")", "-",   "+", " ", ",",   "e",   "1",
                                     "2",   "0", "x",  "k", "ä",   "€", "²", "a(b", "(q",  "pi",
                                     "sin", "s", "in", "h", "mod", "^", "/", "*",   "log", "E"};

class Generator {
 public:
  explicit Generator(unsigned seed) : FRandom(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(static_cast<int>(items.size()))];
  }

  // A term as a person might write it, sometimes with a fault.
  std::string WellFormed(int depth) {
    const int kind = depth <= 0 ? Below(2) : Below(8);
    switch (kind) {
      case 0:
        return Pick(kNumbers);
      case 1:
        return Pick(kNames);
      case 2:
      case 3:
        return WellFormed(depth - 1) + Pick(kBinary) + WellFormed(depth - 1);
      case 4:
        return Pick(kUnary) + (Below(3) ? "(" + WellFormed(depth - 1) + ")" : WellFormed(0));
      case 5:
        return "(" + WellFormed(depth - 1) + ")";
      case 6:
        return (Below(2) ? "-" : "+") + WellFormed(depth - 1);
      default:
        return "(" + WellFormed(depth - 1) + ")" + Pick(kBinary) + "(" + WellFormed(depth - 1) +
               ")";
    }
  }

  std::string Soup() {
    std::string term;
    for (int n = Below(14); n > 0; --n) term += Pick(kSoup);
    return term;
  }

  std::string Bytes() {
    std::string term;
    for (int n = Below(12); n > 0; --n) {
      term += static_cast<char>(Below(4) ? "()+-*/^,e1x "[Below(12)] : Below(256));
    }
    return term;
  }

 private:
  std::mt19937 FRandom;
};

std::vector<std::string> Corpus() {
  std::vector<std::string> corpus{
      "1+2*3-4/2", "2*3^2", "2^3^2", "-2^2", "-(3)", "3-(-2)", "2*-3", "3--2", "2sqrt9", "3min4",
      "10div3", "-7mod3", "7,5div2", "6,5div2", "(x)expe", "exp(2)", "2log8", "1log8", "8/0",
      "sqrt(-1)", "(2+3", "2+3)", "", "()", "2 + 3", " pi", "arccos", "1e5", "1e-5", "sin(90)",
      "arcsin(1)", "tan(90)", "sin(3,14159265358979)", "a*x^2+b*x+c", "sin x", "(a)log(x)",
      "x/(x-1)", "1/0+y", "y+1/0", "sin(x)^2+cos(x)^2", "(a^2/sin(2*pi/b))-a/2", "x mod 0,3",
      "((x))", "-(-(-x))", "2x", "(1)(2)", "²+1", "1+€", "ä2", "k", "2a(b3",
      // written exponents: whole, squared, fractional, huge
      "x^2", "(-x)^2", "x^0", "x^3", "x^2,0", "x^2,5", "x^1e1", "x^(2)", "x^+2", "x^2147483647",
      "x^2147483648", "0^0", "(1/0)^2"};
  Generator generate(20240401);
  for (int i = 0; i < 2500; ++i) corpus.push_back(generate.WellFormed(1 + generate.Below(5)));
  for (int i = 0; i < 2500; ++i) corpus.push_back(generate.Soup());
  for (int i = 0; i < 1000; ++i) corpus.push_back(generate.Bytes());
  return corpus;
}

struct Variant {
  bool odd;
  bool degrees;
};

class DifferentialTest : public ::testing::TestWithParam<Variant> {
 protected:
  void TearDown() override { DegreeMode = false; }
};

TEST_P(DifferentialTest, CompiledEqualsDirect) {
  DegreeMode = GetParam().degrees;
  TMathParser parser(true);
  if (GetParam().odd) testing::AddOddOperators(parser);
  parser.SetConstantValue("a", 2);
  parser.SetConstantValue("b", 3);
  parser.SetConstantValue("c", -1);
  const Extended xs[] = {2, 0, -0.5L, 1, 90, 1e300L};
  const std::vector<std::string> corpus = Corpus();
  int values = 0;
  int compared = 0;
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    // The previous term in between keeps two compiled terms in turn.
    for (const Extended x : xs) {
      parser.SetConstantValue("x", x);
      parser.SetConstantValue("a", x / 2);
      for (const std::string* term : {&corpus[i == 0 ? 0 : i - 1], &corpus[i]}) {
        const testing::ParseOutcome direct = Outcome(parser, *term, Evaluation::Reference);
        ASSERT_EQ(Outcome(parser, *term, Evaluation::Compiled), direct)
            << '"' << *term << "\" x=" << static_cast<double>(x);
        values += !direct.failed;
        ++compared;
      }
    }
  }
  // The corpus must reach values, not only errors.
  EXPECT_GT(values, compared / 10);
}

INSTANTIATE_TEST_SUITE_P(Tables, DifferentialTest,
                         ::testing::Values(Variant{false, false}, Variant{false, true},
                                           Variant{true, false}, Variant{true, true}),
                         [](const auto& info) {
                           return std::string(info.param.odd ? "Odd" : "Default") +
                                  (info.param.degrees ? "Degrees" : "Radians");
                         });

}  // namespace
}  // namespace qv
