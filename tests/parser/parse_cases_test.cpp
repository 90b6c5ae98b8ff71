// Terms with the default tables: value or error, through the compiled and the direct
// evaluation alike.
#include <gtest/gtest.h>

#include <cmath>

#include "parse_outcome.h"

namespace qv {
namespace {

using testing::Evaluation;
using testing::Outcome;

constexpr TArguments kL{arLeft};
constexpr TArguments kR{arRight};

struct Expect {
  bool fails = false;
  Extended value = 0;
  Extended tolerance = 0;  // 0: exactly this value
  int error = 0;
  const char* message = "";
  int position = 0;
  int length = 0;
  TArguments blamed{};
};

Expect Value(Extended value, Extended tolerance = 0) {
  return {.value = value, .tolerance = tolerance};
}
Expect Fails(int error, const char* message, int position, int length, TArguments blamed = {}) {
  return {.fails = true,
          .error = error,
          .message = message,
          .position = position,
          .length = length,
          .blamed = blamed};
}
Expect Syntax(int position, int length) {
  return Fails(1, "Fehlerhafte Syntax", position, length);
}
Expect Unknown(int position, int length) {
  return Fails(0, "Unbekannter Fehler", position, length);
}

struct Case {
  const char* term;
  Expect expect;
  Extended x = 2;  // a = 2, b = 3, c = -1 always
  bool degrees = false;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << '"' << c.term << "\" x=" << static_cast<double>(c.x) << (c.degrees ? " deg" : "");
}

class ParseCaseTest : public ::testing::TestWithParam<std::tuple<Case, Evaluation>> {
 protected:
  void TearDown() override { DegreeMode = false; }
};

TEST_P(ParseCaseTest, GivesItsValueOrError) {
  const auto& [c, how] = GetParam();
  TMathParser parser(true);
  parser.SetConstantValue("x", c.x);
  parser.SetConstantValue("a", 2);
  parser.SetConstantValue("b", 3);
  parser.SetConstantValue("c", -1);
  DegreeMode = c.degrees;
  const testing::ParseOutcome got = Outcome(parser, c.term, how);
  const Expect& want = c.expect;
  ASSERT_EQ(got.failed, want.fails) << got;
  if (!want.fails) {
    if (want.tolerance == 0) {
      EXPECT_EQ(got.value, want.value);
    } else {
      EXPECT_NEAR(static_cast<double>(got.value), static_cast<double>(want.value),
                  static_cast<double>(want.tolerance));
    }
    return;
  }
  EXPECT_EQ(got.error, want.error);
  EXPECT_EQ(got.message, want.message);
  EXPECT_EQ(got.position, want.position);
  EXPECT_EQ(got.length, want.length);
  EXPECT_EQ(got.blamed, want.blamed.Bits());
}

const Case kPrecedence[] = {
    {"1+2*3-4/2", Value(5)},
    {"2*3^2", Value(18)},
    {"2^3^2", Value(64)},
    {"8-2-1", Value(5)},
    {"4/2/2", Value(1)},
    {"a-b+c", Value(-2)},
    {"a+b-c", Value(6)},
    {"2*7mod3", Value(2)},
    {"2*7mod4", Value(6)},  // 2 * (7 mod 4), not (2*7) mod 4
    {"round(2,5)^2", Value(6)},
    {"sqrt(4)^2", Value(4)},
    {"sqrt(0-4)^2", Fails(1, "Invalid Argument", 1, 4, kR)},  // (sqrt(-4))^2
    {"sin(x)^2", Value(std::sin(2.0L) * std::sin(2.0L))},
    {"2sqrt9", Value(3)},
    {"3min4", Value(3)},
    {"4min3", Value(3)},
    {"3max4", Value(4)},
    {"10div3", Value(3)},
    {"-7mod3", Value(-1)},
    {"7,5div2", Value(4)},
    {"6,5div2", Value(3)},
    {"sinx", Value(std::sin(2.0L))},
    {"sin 2", Value(std::sin(2.0L))},
    {"sin x", Syntax(4, 2)},
    {"-2^2", Value(4)},
    {"-(3)", Value(-3)},
    {"3-(-2)", Value(5)},
    {"-3-2", Value(-5)},
    {"+3", Value(3)},
    {"2*(-3)", Value(-6)},
    {"2*-3", Syntax(1, 2)},
    {"3--2", Syntax(1, 2)},
    {"2x", Syntax(1, 2)},
    {"(1)(2)", Syntax(2, 4)},
    {"1e5", Value(100000)},
    {"1e-5", Syntax(1, 2)},
    {"(x)expe", Value(std::exp(2.0L))},
    {"exp(2)", Syntax(1, 6)},
    {"(a)log(8)", Value(3)},
    {"2log8", Value(3)},
    {"1log8", Fails(2, "Division durch Null!", 2, 3, kL)},
    {"2 + 3", Value(5)},
    {" pi", Syntax(1, 3)},
    {"pi", Value(std::ldexp(static_cast<Extended>(0xC90FDAA22168C2DEULL), -62))},
    {"PI", Syntax(1, 2)},
    {"e", Value(2.71828182845905L)},
    {"arccos", Syntax(1, 6)},
    {"sinh(1)", Value(std::sinh(1.0L))},
    {"arcsin(1)", Value(std::asin(1.0L))},
    {"cosh(0)+tanh(0)", Value(1)},
    {"deg2rad(180)", Value(180 * 0.017453292519943295769L)},
    {"rad2deg(1)", Value(57.295779513082320877L)},
    {"arctan(1)", Value(std::atan(1.0L))},
    // Names that contain other names are told apart by the table order alone.
    {"arcsin(0,5)", Value(std::asin(0.5L))},
    {"arccos(1)", Value(0)},
    {"cosh(1)", Value(std::cosh(1.0L), 1e-18L)},
    {"tanh(1)", Value(std::tanh(1.0L))},
    {"2*arctan(1)+sinh(0)", Value(2 * std::atan(1.0L))},
    {"rad2deg(deg2rad(90))", Value(90 * 0.017453292519943295769L * 57.295779513082320877L)},
};
INSTANTIATE_TEST_SUITE_P(Precedence, ParseCaseTest,
                         ::testing::Combine(::testing::ValuesIn(kPrecedence),
                                            ::testing::Values(Evaluation::Compiled,
                                                              Evaluation::Reference)));

const Case kSyntax[] = {
    {"", Syntax(1, 0)},
    {"()", Syntax(2, 0)},
    {"(2+3", Syntax(1, 2)},
    {"2+3)", Syntax(1, 4)},
    {"((1)", Syntax(2, 2)},
    {"1+", Syntax(1, 2)},
    {"y", Syntax(1, 1)},
    {"1,5,3", Syntax(1, 5)},
    {"1.5", Syntax(1, 3)},
    {"-", Syntax(2, 0)},
    {"1+(2*)", Syntax(4, 2)},
    {"sqrt", Syntax(1, 4)},
    {"2+()", Syntax(4, 0)},
    // Characters, not bytes: "²" and "€" are one character each.
    {"²+1", Syntax(1, 1)},
    {"1+€", Syntax(3, 1)},
    {"sin(€)+x²", Syntax(5, 1)},
    {"sin(2)+x²", Syntax(8, 2)},
    {"€sqrt(0-1)", Fails(1, "Invalid Argument", 2, 4, kR)},
};
INSTANTIATE_TEST_SUITE_P(Syntax, ParseCaseTest,
                         ::testing::Combine(::testing::ValuesIn(kSyntax),
                                            ::testing::Values(Evaluation::Compiled,
                                                              Evaluation::Reference)));

const Case kOperatorErrors[] = {
    {"8/0", Fails(2, "Division durch Null!", 2, 1, kR)},
    {"1+8/(x-2)", Fails(2, "Division durch Null!", 4, 1, kR)},
    {"1+8/(x-2)", Value(9), 3},
    {"5mod0", Fails(2, "Division by zero", 2, 3, kR)},
    {"5div0", Fails(2, "Division durch Null!", 2, 3, kR)},
    {"5div0,3", Unknown(2, 3)},  // the divisor rounds to 0
    {"5mod(0-0,3)", Unknown(2, 3)},
    {"sqrt(-1)", Fails(1, "Invalid Argument", 1, 4, kR)},
    {"ln(0)", Fails(1, "Invalid Argument", 1, 2, kR)},
    {"0log8", Fails(1, "Invalid Argument", 2, 3, kL)},
    {"2log0", Unknown(2, 3)},
    {"2log(0-1)", Unknown(2, 3)},
    {"arcsin(2)", Fails(1, "Invalid Argument", 1, 6, kR)},
    {"arccos(0-1,5)", Fails(1, "Invalid Argument", 1, 6, kR)},
    {"tan(90)", Value(-1.99520041220824, 1e-12)},
    {"tan(90)", Fails(2, "Division durch Null", 1, 3, kR), 2, true},
    {"1+tan(x)", Fails(2, "Division durch Null", 3, 3, kR), 270, true},
    {"10^5000", Unknown(3, 1)},
    {"2^(0-20000)", Unknown(2, 1)},
    {"0^(0-1)", Unknown(2, 1)},
    {"(0-8)^0,5", Unknown(6, 1)},
    {"0^0,5", Value(0)},
    {"0^0", Value(1)},
    {"2^(0-2)", Value(0.25L)},
    {"(0-2)^3", Value(-8)},
    {"4^0,5", Value(2, 1e-18)},
    {"round(1e19)", Unknown(1, 5)},
    {"round(1e18)", Value(1e18L)},
    {"floor(3e9)", Unknown(1, 5)},
    {"ceil(0-3e9)", Unknown(1, 4)},
    {"floor(0-2,5)+ceil(2,5)", Value(0)},
    {"sinh(20000)", Unknown(1, 4)},
    {"(20000)expe", Unknown(8, 3)},
    {"1e4000*1e4000", Unknown(7, 1)},
    // The left operand is evaluated first, so its error wins.
    {"1/0+sqrt(-1)", Fails(2, "Division durch Null!", 2, 1, kR)},
    {"sqrt(-1)+1/0", Fails(1, "Invalid Argument", 1, 4, kR)},
    {"1/0+y", Fails(2, "Division durch Null!", 2, 1, kR)},
    {"y+1/0", Syntax(1, 1)},
};
INSTANTIATE_TEST_SUITE_P(OperatorErrors, ParseCaseTest,
                         ::testing::Combine(::testing::ValuesIn(kOperatorErrors),
                                            ::testing::Values(Evaluation::Compiled,
                                                              Evaluation::Reference)));

const Case kAngles[] = {
    {"sin(90)", Value(1), 2, true},
    {"arcsin(1)", Value(90, 1e-15), 2, true},
    {"cos(60)", Value(0.5L, 1e-18), 2, true},
    {"arctan(1)", Value(45, 1e-15), 2, true},
    {"arccos(0)", Value(90, 1e-15), 2, true},
    {"sin(3,14159265358979)", Value(0)},
    {"sin(-3,14159265358979)", Value(0)},
    {"sin(pi)", Value(std::sin(std::ldexp(static_cast<Extended>(0xC90FDAA22168C2DEULL), -62)))},
    {"sin(180)", Value(std::sin(180 * 0.017453292519943295769L)), 2, true},
    {"deg2rad(180)", Value(180 * 0.017453292519943295769L), 2, true},
};
INSTANTIATE_TEST_SUITE_P(Angles, ParseCaseTest,
                         ::testing::Combine(::testing::ValuesIn(kAngles),
                                            ::testing::Values(Evaluation::Compiled,
                                                              Evaluation::Reference)));

}  // namespace
}  // namespace qv
