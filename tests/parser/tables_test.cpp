// The operator and constant tables, their management errors, and how table changes reach
// terms that were parsed before.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "parse_outcome.h"

namespace qv {
namespace {

using testing::Evaluation;
using testing::Outcome;

std::vector<std::string> ConstantNames(const TMathParser& parser) {
  std::vector<std::string> names;
  for (int i = 0; i < parser.ConstantCount(); ++i) names.push_back(parser.GetConstant(i).Name);
  return names;
}

std::vector<std::string> OperatorIds(const TMathParser& parser) {
  std::vector<std::string> ids;
  for (int i = 0; i < parser.OperatorCount(); ++i) ids.push_back(parser.GetOperator(i).ID);
  return ids;
}

// The 64-bit mantissa and the unbiased exponent of an x87 extended value.
std::pair<unsigned long long, int> Bits(Extended value) {
  unsigned long long mantissa = 0;
  unsigned short exponent = 0;
  std::memcpy(&mantissa, &value, 8);
  std::memcpy(&exponent, reinterpret_cast<const char*>(&value) + 8, 2);
  return {mantissa, (exponent & 0x7FFF) - 16383};
}

TEST(DefaultTables, HoldTheOperatorsInPrecedenceOrder) {
  constexpr TArguments LR{arLeft, arRight};
  constexpr TArguments R{arRight};
  const std::vector<std::pair<std::string, TArguments>> table{
      {"+", LR},     {"-", LR},     {"*", LR},      {"/", LR},     {"mod", LR},  {"div", LR},
      {"round", R},  {"abs", R},    {"min", LR},    {"max", LR},   {"floor", R}, {"ceil", R},
      {"^", LR},     {"sqrt", R},   {"exp", LR},    {"ln", R},     {"log", LR},  {"arcsin", R},
      {"arccos", R}, {"arctan", R}, {"sinh", R},    {"cosh", R},   {"tanh", R},  {"sin", R},
      {"cos", R},    {"tan", R},    {"deg2rad", R}, {"rad2deg", R}};
  const TMathParser parser(true);
  ASSERT_EQ(parser.OperatorCount(), 28);
  for (int i = 0; i < parser.OperatorCount(); ++i) {
    const TOperator op = parser.GetOperator(i);
    EXPECT_EQ(op.ID, table[i].first);
    EXPECT_TRUE(op.ArgumentPos == table[i].second) << op.ID;
    EXPECT_NE(op.Methode, nullptr);
  }
}

TEST(DefaultTables, HoldPiBeforeEWithTheirExactValues) {
  const TMathParser parser(true);
  EXPECT_EQ(ConstantNames(parser), (std::vector<std::string>{"pi", "e"}));
  EXPECT_EQ(Bits(parser.GetConstantValue("pi")), std::make_pair(0xC90FDAA22168C2DEULL, 1));
  EXPECT_EQ(Bits(parser.GetConstantValue("e")), std::make_pair(0xADF85458A2BBA070ULL, 1));
  EXPECT_EQ(parser.GetConstantValue("e"), 2.71828182845905L);
}

TEST(DefaultTables, AreEmptyWithoutDefaults) {
  TMathParser parser(false);
  EXPECT_EQ(parser.OperatorCount(), 0);
  EXPECT_EQ(parser.ConstantCount(), 0);
  const testing::ParseOutcome got = Outcome(parser, "1+2", Evaluation::Compiled);
  EXPECT_EQ(got.error, 1);
  EXPECT_EQ(got.length, 3);
  EXPECT_EQ(parser.Parse("1,5"), 1.5L);
}

TEST(ConstantTable, KeepsLongerNamesFirstAndEqualLengthsInInsertionOrder) {
  TMathParser parser(true);
  parser.SetConstantValue("x", 2);
  EXPECT_EQ(ConstantNames(parser), (std::vector<std::string>{"pi", "e", "x"}));
  parser.SetConstantValue("ab", 1);
  EXPECT_EQ(ConstantNames(parser), (std::vector<std::string>{"pi", "ab", "e", "x"}));
  parser.SetConstantValue("long", 4);
  parser.SetConstantValue("a", 5);
  EXPECT_EQ(ConstantNames(parser), (std::vector<std::string>{"long", "pi", "ab", "e", "x", "a"}));
  parser.SetConstantValue("ab", 7);  // an existing name keeps its place
  EXPECT_EQ(parser.GetConstant(2).Name, "ab");
  EXPECT_EQ(parser.GetConstant(2).Value, 7);
  parser.RemoveConstant("pi");
  EXPECT_EQ(ConstantNames(parser), (std::vector<std::string>{"long", "ab", "e", "x", "a"}));
  parser.SetConstantValue("Pi", 1);  // names are case-sensitive
  EXPECT_EQ(parser.ConstantCount(), 6);
}

TEST(OperatorTable, AppendsNewOperatorsAsTheTightestBinding) {
  TMathParser parser(true);
  const TOperatorMethode concat = [](const std::string&, Extended l, Extended r, int&, std::string&,
                                     TArguments&) -> Extended { return l * 10 + r; };
  parser.AddOperator("&", {arLeft, arRight}, concat);
  EXPECT_EQ(parser.OperatorCount(), 29);
  EXPECT_EQ(parser.Parse("1+2&3"), 24);
  EXPECT_EQ(parser.Parse("2^1&2"), 4096);  // 2^12
  parser.RemoveOperator("^");
  EXPECT_EQ(parser.GetOperator(12).ID, "sqrt");
  EXPECT_EQ(parser.GetOperator(27).ID, "&");
  EXPECT_EQ(Outcome(parser, "2^1&2", Evaluation::Compiled).error, 1);
}

struct ManagementCase {
  const char* name;
  std::function<void(TMathParser&)> action;
  const char* message;
};

void PrintTo(const ManagementCase& c, std::ostream* out) {
  *out << c.name;
}

class ManagementErrorTest : public ::testing::TestWithParam<ManagementCase> {};

TEST_P(ManagementErrorTest, RaisesItsMessageAndLeavesTheTables) {
  TMathParser parser(true);
  parser.SetConstantValue("k", 3);
  const std::vector<std::string> operators = OperatorIds(parser);
  const std::vector<std::string> constants = ConstantNames(parser);
  try {
    GetParam().action(parser);
    FAIL() << "no exception";
  } catch (const EMathParser& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
  EXPECT_EQ(OperatorIds(parser), operators);
  EXPECT_EQ(ConstantNames(parser), constants);
  EXPECT_EQ(parser.Parse("k*sin(0)+k"), 3);
}

const TOperatorMethode kNoMethod = nullptr;

INSTANTIATE_TEST_SUITE_P(
    All, ManagementErrorTest,
    ::testing::Values(
        ManagementCase{"duplicate",
                       [](TMathParser& p) { p.AddOperator("sin", {arRight}, kNoMethod); },
                       "Operator \"sin\" does already exist."},
        ManagementCase{"missing operator", [](TMathParser& p) { p.RemoveOperator("Sin"); },
                       "Operator \"Sin\" does not exist."},
        ManagementCase{"missing constant", [](TMathParser& p) { p.RemoveConstant("K"); },
                       "Constant \"K\" does not exist."},
        ManagementCase{"empty name", [](TMathParser& p) { p.SetConstantValue("", 1); },
                       "The constant name \"\" is invalid."},
        ManagementCase{"operator index", [](TMathParser& p) { p.GetOperator(28); },
                       "Index is out of bounds."},
        ManagementCase{"negative operator index", [](TMathParser& p) { p.GetOperator(-1); },
                       "Index is out of bounds."},
        ManagementCase{"constant index", [](TMathParser& p) { p.GetConstant(3); },
                       "Index is out of bounds."},
        ManagementCase{"unknown constant value", [](TMathParser& p) { p.GetConstantValue("y"); },
                       "Index is out of bounds."}));

// A term parsed before a table change must be split anew; a new constant value must not need
// that, but must reach the next Parse.
TEST(CompiledTerms, FollowTableChangesAndConstantValues) {
  TMathParser parser(true);
  parser.SetConstantValue("x", 1);
  EXPECT_EQ(parser.Parse("x*2+x"), 3);
  parser.SetConstantValue("x", 4);
  EXPECT_EQ(parser.Parse("x*2+x"), 12);

  EXPECT_EQ(Outcome(parser, "2x", Evaluation::Compiled).error, 1);
  parser.SetConstantValue("2x", 5);  // now a constant name, not a failed number
  EXPECT_EQ(parser.Parse("2x"), 5);
  EXPECT_EQ(parser.Parse("2x*2"), 10);
  parser.RemoveConstant("2x");
  EXPECT_EQ(Outcome(parser, "2x*2", Evaluation::Compiled).position, 1);

  EXPECT_EQ(parser.Parse("2^3"), 8);
  parser.RemoveOperator("^");
  EXPECT_EQ(Outcome(parser, "2^3", Evaluation::Compiled).error, 1);
  parser.AddOperator("^", {arLeft, arRight}, TMathParser(true).GetOperator(12).Methode);
  EXPECT_EQ(parser.Parse("2^3"), 8);
}

TEST(CompiledTerms, ServeSeveralTermsInTurn) {
  TMathParser parser(true);
  const char* terms[] = {"x+1", "x*2", "x^2", "sqrt(x)", "x/0", "-x"};
  for (int x = 1; x <= 3; ++x) {
    parser.SetConstantValue("x", x);
    for (const char* term : terms) {
      EXPECT_EQ(Outcome(parser, term, Evaluation::Compiled),
                Outcome(parser, term, Evaluation::Reference))
          << term;
    }
  }
}

// Texts of equal length that differ in a single character, at every place, are different
// terms: "1111" and "1121" in turn give their own values.
TEST(CompiledTerms, TellApartTextsOfEqualLengthByEveryCharacter) {
  TMathParser parser(true);
  for (std::size_t length = 1; length <= 24; ++length) {
    const std::string ones(length, '1');
    for (std::size_t place = 0; place < length; ++place) {
      std::string other = ones;
      other[place] = '2';
      for (const std::string& term : {ones, other, ones}) {
        EXPECT_EQ(parser.Parse(term), parser.ReferenceParse(term)) << term;
      }
    }
  }
}

TEST(CompiledTerms, ReadTheAngleModeAtEachParse) {
  TMathParser parser(true);
  EXPECT_NEAR(static_cast<double>(parser.Parse("sin(90)")), std::sin(90.0), 1e-15);
  DegreeMode = true;
  EXPECT_EQ(parser.Parse("sin(90)"), 1);
  DegreeMode = false;
  EXPECT_NE(parser.Parse("sin(90)"), 1);
}

// Error fields that an operator method sets are the parser's own: a later failure reports
// what they hold, and each Parse starts afresh.
TEST(OperatorMethods, ShareTheErrorStateOfTheParse) {
  for (const Evaluation how : {Evaluation::Compiled, Evaluation::Reference}) {
    TMathParser parser(true);
    parser.AddOperator("ä", {arLeft}, testing::OddMethod);
    parser.AddOperator("§", {arLeft, arRight}, testing::OddMethod);
    parser.SetConstantValue("big", -5000);
    parser.SetConstantValue("huge", 5000);
    // "ä" notes error 9 without failing; the overflow of "*" then reports it.
    EXPECT_EQ(Outcome(parser, "(big)ä+1e4000*1e4000", how),
              (testing::ParseOutcome{true, 0, 9, "vermerkt", 14, 1, 0}));
    // A syntax fault sets its own number and text.
    EXPECT_EQ(Outcome(parser, "(big)ä+y", how),
              (testing::ParseOutcome{true, 0, 1, "Fehlerhafte Syntax", 8, 1, 0}));
    EXPECT_EQ(Outcome(parser, "1+1e4000*1e4000", how),
              (testing::ParseOutcome{true, 0, 0, "Unbekannter Fehler", 9, 1, 0}));
    // A method failure with its own number, text and operand, at the operator.
    EXPECT_EQ(Outcome(parser, "1+(huge)ä", how),
              (testing::ParseOutcome{true, 0, 7, "zu groß: ä", 9, 1, 1}));
    EXPECT_EQ(parser.Parse("1+1"), 2);
    // An exception that is no Exception of the program passes through unchanged.
    EXPECT_EQ(Outcome(parser, "1§big", how).message, "passed through: fremd");
  }
}

}  // namespace
}  // namespace qv
