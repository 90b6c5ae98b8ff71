// The fast search against the literal one on a large randomised corpus of loan cases: loan
// sums from 1 to 10^9, interest from 0 to 30 %, terms, special repayments, interest changes,
// subsidy on and off, all adjust modes; every output text must be the same, and the payment
// plan recorded from the accepted pass must agree with them to the cent. Also the exact
// repeated stepping the fast search uses to name the rate or loan of any pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "finance/loan_computation.h"
#include "finance/loan_search.h"
#include "plan_agreement.h"
#include "platform/dates.h"

namespace qv {
namespace {

TEST(RepeatedSum, GivesWhatAdditionOneAtATimeGives) {
  std::mt19937_64 random(7);
  const Extended starts[] = {0,        0.1L,           1234.56L, 2047.7L,  -0.3L,  75750.25L,
                             1e6L / 3, 123456789.123L, 4.6e18L,  -2047.9L, 1e-30L, 999999.99L};
  const Extended steps[] = {10, 100, 1000, -50};
  for (const Extended start : starts) {
    for (const Extended step : steps) {
      const uint64_t count = std::uniform_int_distribution<uint64_t>(0, 300000)(random);
      Extended sequential = start;
      for (uint64_t i = 0; i < count; ++i) {
        sequential = sequential + step;
        if (i % 9973 == 0 || i + 1 == count) {
          ASSERT_EQ(RepeatedSum(start, step, i + 1), sequential)
              << static_cast<double>(start) << " + " << i + 1 << " x " << static_cast<double>(step);
        }
      }
    }
  }
}

// A loan case as a person might enter it, drawn at random.
class CaseGenerator {
 public:
  explicit CaseGenerator(uint64_t seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  double LogUniform(double low, double high) {
    return std::exp(Uniform(std::log(low), std::log(high)));
  }

  // An amount as typed: whole or with cents, with or without thousand points and "€".
  std::string Amount(double value, bool forGrid) {
    const bool cents = Below(3) == 0;
    const Extended rounded = cents ? std::round(value * 100) / 100 : std::round(value);
    if (forGrid) return FormatGeneral(rounded);
    std::string text = cents ? FormatFixed(rounded, 0, 2) : FormatFixed(rounded, 0, 0);
    if (Below(2)) text = CleanAmountText(text);
    if (Below(5) == 0) text += " €";
    return text;
  }

  std::string Interest() {
    if (Below(15) == 0) return "0";
    return FormatGeneral(std::round(Uniform(0.01, 30) * 100) / 100);
  }

  std::string DateText(int day) {
    const std::string text = DateToStr(day);
    return Below(4) == 0 ? text.substr(0, 6) + text.substr(8) : text;
  }

  LoanCase Next() {
    LoanCase c;
    const int kind = Below(20);
    c.mode = kind < 11 ? AdjustMode::Rate : kind < 19 ? AdjustMode::Loan : AdjustMode::None;
    const int years = Below(5) == 0 ? Below(5) : 1 + Below(40);
    const int months = years == 0 || Below(3) == 0 ? Below(12) : 0;
    c.yearsText = std::to_string(years);
    c.monthsText = std::to_string(years == 0 && months == 0 ? 1 : months);
    const int term = 12 * years + std::stoi(c.monthsText);
    c.interestText = Interest();
    int first = 0;
    TryEncodeDate(1990, 1, 1, first);
    c.startDate = first + Below(18600);
    c.statusDate = c.startDate - 400 + Below(term * 31 + 800);

    const double interest = static_cast<double>(StrToFloat(c.interestText));
    double scale = 0;
    if (c.mode == AdjustMode::Loan) {
      // The literal loan search takes (maximum loan - loan found) / 50 passes: rates that keep
      // it to some thousand passes.
      const double monthly = interest / 1200;
      const double annuity = monthly > 0 ? (1 - std::pow(1 + monthly, -term)) / monthly : term;
      const double highest = std::max(2.0, 50.0 * (2e6 / term) / (term - annuity + 1));
      const double rate = LogUniform(1, highest);
      c.rateText = Amount(rate, false);
      c.loanText = Below(2) ? "0" : Amount(LogUniform(1, 1e6), false);
      scale = rate * term;
    } else {
      const double loan = LogUniform(1, 1e9);
      c.loanText = Amount(loan, false);
      const int start = Below(10);
      c.rateText = start < 6   ? "0"
                   : start < 9 ? Amount(Uniform(0, 2.5 * loan / term), false)
                               : "-" + Amount(Uniform(0, 1000), false);
      scale = loan;
    }

    for (int n = Below(2) ? 0 : 1 + Below(3); n > 0; --n)
      c.specialRepayments.push_back(
          {DateText(c.startDate - 60 + Below(static_cast<int>(term * 30.45) + 120)),
           Amount(Uniform(0, scale / 3), true)});
    c.variableInterest = Below(5) < 2;
    for (int n = c.variableInterest ? 1 + Below(3) : Below(2); n > 0; --n)
      c.interestChanges.push_back(
          {DateText(c.startDate + Below(static_cast<int>(term * 30.45) + 30)), Interest()});
    c.subsidyOn = Below(4) == 0;
    if (c.subsidyOn) {
      c.subsidyPerYear = Below(3) ? std::round(Uniform(0, 5000)) : Uniform(0, 5000);
      c.subsidyTotal = std::min<Extended>(8 * c.subsidyPerYear, scale);
    }
    // Now and then a case the fast search must leave to the literal one.
    if (Below(40) == 0) {
      if (c.specialRepayments.empty() || Below(2))
        c.interestChanges.push_back({DateText(c.startDate + 40), "-" + Interest()});
      else
        c.specialRepayments.back().value = "-" + c.specialRepayments.back().value;
    }
    return c;
  }

 private:
  std::mt19937_64 random_;
};

// What the page shows after a computation, as one text.
std::string Shown(const LoanResult& result, Extended loanAmount) {
  const LoanOutputs& o = result.outputs;
  return std::to_string(static_cast<int>(result.outcome)) + "|" + result.message + "|" +
         result.rateText + "|" + o.rate + "|" + o.loan + "|" + o.termYears + "|" + o.termMonths +
         "|" + o.lastRate + "|" + DateToStr(o.lastRateDate) + "|" + o.totalPaid + "|" +
         o.interestPaid + "|" + o.statusPrincipal + "|" + o.statusInterestPart + "|" +
         o.statusRepaid + "|" + o.statusInterestTotal + "|" + o.statusCaption + "|" +
         CanonicalText(loanAmount);
}

std::string Describe(const LoanCase& c) {
  std::string text = "loan " + c.loanText + ", interest " + c.interestText + ", rate " +
                     c.rateText + ", term " + c.yearsText + "/" + c.monthsText + ", start " +
                     DateToStr(c.startDate) + ", status " + DateToStr(c.statusDate) + ", mode " +
                     std::to_string(static_cast<int>(c.mode));
  for (const GridRow& row : c.specialRepayments) text += ", special " + row.date + " " + row.value;
  if (c.variableInterest)
    for (const GridRow& row : c.interestChanges) text += ", change " + row.date + " " + row.value;
  if (c.subsidyOn)
    text += ", subsidy " + FormatGeneral(c.subsidyPerYear) + "/" + FormatGeneral(c.subsidyTotal);
  return text;
}

// The literal search's cost in months, known from where the fast search ends: every rejected
// pass of an orderly search runs the whole term.
long LiteralMonths(const LoanCase& c) {
  Extended amount = 0;
  const LoanPlan plan = PrepareLoan(c, amount);
  if (!IsOrderly(plan)) return 0;
  return static_cast<long>(FastSearch(plan, amount).index + 1) * plan.termMonths;
}

TEST(FastSearch, GivesTheLiteralSearchsOutputsOnARandomCorpus) {
  CaseGenerator generator(20240515);
  // Cases whose literal search would compute more months than this are drawn anew.
  constexpr long kLiteralMonths = 600'000;
  constexpr int kCases = 6000;
  int compared = 0, redrawn = 0, searched = 0, refused = 0;
  long longestSearch = 0;
  while (compared < kCases) {
    LoanCase c = generator.Next();
    // A start close to the answer keeps long searches within reach of the literal search.
    if (c.mode == AdjustMode::Rate && generator.Below(2) == 0) {
      Extended amount = 0;
      const LoanResult found = ComputeLoanSchedule(c, amount);
      if (found.outcome == LoanResult::Outcome::Repaid)
        c.rateText = FormatGeneral(CleanAmount(found.outputs.rate) - generator.Below(300) * 10 -
                                   generator.Below(100) / 7.0L);
    }
    const long months = LiteralMonths(c);
    if (months > kLiteralMonths) {
      ++redrawn;
      continue;
    }
    Extended literalAmount = 0, fastAmount = 0;
    const LoanResult literal = ComputeLoanSchedule(c, literalAmount, SearchMethod::Literal);
    const LoanResult fast = ComputeLoanSchedule(c, fastAmount, SearchMethod::Fast);
    ASSERT_EQ(Shown(fast, fastAmount), Shown(literal, literalAmount)) << Describe(c);
    // The pass the page accepted, observed: the same outputs, and a plan that agrees with them.
    PaymentPlan plan{PlanKind::Loan, c.startDate, {}, {}};
    Extended observedAmount = 0;
    const LoanResult observed =
        ComputeLoanSchedule(c, observedAmount, SearchMethod::Fast, &plan.record);
    ASSERT_EQ(observed.outputs, fast.outputs) << Describe(c);
    if (fast.outcome == LoanResult::Outcome::Repaid) {
      const std::optional<std::string> disagreement =
          LoanPlanDisagreement(c, observed.outputs, plan);
      ASSERT_FALSE(disagreement) << *disagreement << "\n" << Describe(c);
    } else {
      ASSERT_TRUE(plan.record.rows.empty()) << Describe(c);
    }
    ++compared;
    if (literal.passes > 1) ++searched;
    if (literal.outcome != LoanResult::Outcome::Repaid) ++refused;
    longestSearch = std::max(longestSearch, literal.passes);
  }
  std::printf(
      "%d cases compared (%d searched over more than one pass, %d refused, the longest "
      "%ld passes); %d drawn anew as too long for the literal search\n",
      compared, searched, refused, longestSearch, redrawn);
  EXPECT_GT(searched, kCases / 2);
}

TEST(FastSearch, NeedsAFewPassesWhereTheLiteralSearchNeedsThousands) {
  LoanCase c;
  c.mode = AdjustMode::Loan;
  c.loanText = "0";
  c.rateText = "5000";
  c.interestText = "15";
  c.yearsText = "30";
  c.monthsText = "0";
  Extended literalAmount = 0, fastAmount = 0;
  const LoanResult literal = ComputeLoanSchedule(c, literalAmount, SearchMethod::Literal);
  const LoanResult fast = ComputeLoanSchedule(c, fastAmount, SearchMethod::Fast);
  EXPECT_EQ(fast.outputs, literal.outputs);
  EXPECT_EQ(literal.passes, 28093);
  EXPECT_LE(fast.passes, 24);
}

TEST(IsOrderly, NegativeInterestAmountsOrRatesLeaveTheSearchToTheLiteralOne) {
  LoanCase c;
  c.loanText = "100000";
  c.interestText = "5";
  c.rateText = "0";
  c.yearsText = "30";
  c.monthsText = "0";
  const auto orderly = [](const LoanCase& loanCase) {
    Extended amount = 0;
    return IsOrderly(PrepareLoan(loanCase, amount));
  };
  EXPECT_TRUE(orderly(c));
  LoanCase negativeInterest = c;
  negativeInterest.interestText = "-0,5";
  EXPECT_FALSE(orderly(negativeInterest));
  LoanCase negativeChange = c;
  negativeChange.variableInterest = true;
  negativeChange.interestChanges = {{DateToStr(c.startDate + 100), "-1"}};
  EXPECT_FALSE(orderly(negativeChange));
  negativeChange.variableInterest = false;  // the list does not apply
  EXPECT_TRUE(orderly(negativeChange));
  LoanCase negativeRate = c;
  negativeRate.rateText = "-500";
  EXPECT_TRUE(orderly(negativeRate));  // the minimum rate, the second one tried, is positive
  negativeRate.loanText = "-100000";
  EXPECT_FALSE(orderly(negativeRate));
  LoanCase loanSearch = c;
  loanSearch.mode = AdjustMode::Loan;
  loanSearch.rateText = "-1";
  EXPECT_FALSE(orderly(loanSearch));
  LoanCase huge = c;
  huge.loanText = "1" + std::string(19, '0');
  EXPECT_FALSE(orderly(huge));
}

}  // namespace
}  // namespace qv
