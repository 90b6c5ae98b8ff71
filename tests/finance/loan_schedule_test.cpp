// The loan computation: the worked cases of the loan page, the month loop's rules for special
// repayments, interest changes, subsidy payments and the status month, the search's bounds and
// how a computation that cannot succeed ends.
#include <gtest/gtest.h>

#include <functional>

#include "civil_day.h"
#include "finance/loan_computation.h"
#include "finance/loan_search.h"
#include "platform/dates.h"
#include "platform/errors.h"

namespace qv {
namespace {

// A day in the given month counted from the start (MonthIndex gives it back).
int InMonth(int start, int month) {
  return start + static_cast<int>(month * 30.45 + (month >= 0 ? 0.5 : -0.5));
}

LoanCase Case(const char* loan, const char* interest, const char* rate, const char* years,
              AdjustMode mode = AdjustMode::Rate) {
  LoanCase loanCase;
  loanCase.loanText = loan;
  loanCase.interestText = interest;
  loanCase.rateText = rate;
  loanCase.yearsText = years;
  loanCase.monthsText = "0";
  loanCase.mode = mode;
  loanCase.startDate = Day(2024, 1, 15);
  loanCase.statusDate = loanCase.startDate + 365;
  return loanCase;
}

LoanResult Compute(const LoanCase& loanCase, Extended* loanAmount = nullptr) {
  Extended amount = 0;
  LoanResult result = ComputeLoanSchedule(loanCase, loanAmount ? *loanAmount : amount);
  EXPECT_EQ(result.outcome, LoanResult::Outcome::Repaid) << result.message;
  return result;
}

struct WorkedCase {
  const char* name;
  std::function<LoanCase()> make;
  LoanOutputs expected;  // lastRateDate not compared when 0
};

LoanOutputs Outputs(const char* rate, const char* loan, const char* years, const char* months,
                    const char* lastRate, const char* total, const char* interest,
                    const char* principal, const char* interestPart, const char* repaid,
                    const char* interestSoFar, const char* caption) {
  return {rate,     loan,      years,        months, lastRate,      0,      total,
          interest, principal, interestPart, repaid, interestSoFar, caption};
}

TEST(LoanSchedule, WorkedCasesOfTheLoanPage) {
  const WorkedCase cases[] = {
      {"rate found from the minimum rate 270 in steps of 10",
       [] { return Case("100.000", "6", "0", "30"); },
       Outputs("600,00", "100.000,00", "30", "0", "148,50", "215.548,50", "115.548,50", "105,64",
               "494,36", "1.233,56", "5.966,44", "Status nach 1 Jahr(en) und 0 Monat(en)")},
      {"loan found 886 passes below the maximum loan 120.000",
       [] { return Case("0", "5", "500", "20", AdjustMode::Loan); },
       Outputs("500,00", "75.750,00", "20", "0", "465,67", "119.965,67", "44.215,67", "193,00",
               "307,00", "2.263,91", "3.736,09", "Status nach 1 Jahr(en) und 0 Monat(en)")},
      {"a special repayment raises the rate once and shows in its status month",
       [] {
         LoanCase c = Case("200000", "4", "1000", "25");
         c.specialRepayments = {{DateToStr(InMonth(c.startDate, 24)), "10000"}};
         c.statusDate = InMonth(c.startDate, 24);
         return c;
       },
       Outputs("1.010,00", "200.000,00", "24", "11", "449,51", "311.429,51", "111.429,51",
               "10.370,64", "639,36", "18.563,72", "15.676,28",
               "Status nach 2 Jahr(en) und 0 Monat(en)")},
      {"the subsidy paid with rate 12 shows in status month 12",
       [] {
         LoanCase c = Case("150000", "5", "", "30");
         c.rateText = "0";
         c.startDate = Day(2024, 3, 10);
         c.statusDate = c.startDate + 365;
         c.subsidyOn = true;
         c.subsidyPerYear = 2850;
         c.subsidyTotal = 22800;
         return c;
       },
       Outputs("700,00", "150.000,00", "29", "3", "117,22", "270.767,22", "120.767,22", "2.940,89",
               "609,11", "6.754,29", "7.345,71", "Status nach 1 Jahr(en) und 0 Monat(en)")},
      {"the same loan without the subsidy",
       [] {
         LoanCase c = Case("150000", "5", "0", "30");
         c.startDate = Day(2024, 3, 10);
         c.statusDate = c.startDate + 365;
         return c;
       },
       Outputs("810,00", "150.000,00", "29", "8", "114,13", "287.664,13", "137.664,13", "193,66",
               "616,34", "2.271,59", "7.448,41", "Status nach 1 Jahr(en) und 0 Monat(en)")},
      {"a loan of 0 with a rate of 0", [] { return Case("0", "6", "0", "30"); },
       Outputs("  0,00", "  0,00", "0", "0", "  0,00", "  0,00", "  0,00", "  0,00", "  0,00",
               "  0,00", "  0,00", "Status nach 1 Jahr(en) und 0 Monat(en)")},
      {"a rate above the loan with its interest pays over at once",
       [] { return Case("1000", "12", "2000", "1"); },
       Outputs("2.000,00", "1.000,00", "0", "0", "-999,90", "1.000,10", "  0,10", "  0,00",
               "  0,00", "  0,00", "  0,00", "Status nach 1 Jahr(en) und 0 Monat(en)")},
  };
  for (const WorkedCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const SearchMethod method : {SearchMethod::Literal, SearchMethod::Fast}) {
      Extended amount = 0;
      const LoanResult result = ComputeLoanSchedule(c.make(), amount, method);
      ASSERT_EQ(result.outcome, LoanResult::Outcome::Repaid) << result.message;
      LoanOutputs got = result.outputs;
      got.lastRateDate = 0;
      EXPECT_EQ(got, c.expected);
    }
  }
}

TEST(LoanSchedule, TheLiteralLoanSearchTriesTheMaximumLoanAndThen50LessEachTime) {
  Extended amount = 0;
  const LoanResult result = ComputeLoanSchedule(Case("0", "5", "500", "20", AdjustMode::Loan),
                                                amount, SearchMethod::Literal);
  EXPECT_EQ(result.passes, 886);
  EXPECT_EQ(amount, 75750);
}

// 1300 at 100 a month without interest: 12 rates and a smaller 13th.
TEST(LoanSchedule, TheLastRateFallsOnTheStartDayOrTheLastDayOfAShorterMonth) {
  const std::pair<int, const char*> cases[] = {
      {Day(2023, 1, 31), "29.02.2024"},
      {Day(2022, 1, 31), "28.02.2023"},
      {Day(2023, 3, 31), "30.04.2024"},
      {Day(2023, 8, 15), "15.09.2024"},
  };
  for (const auto& [start, lastRate] : cases) {
    LoanCase c = Case("1300", "0", "100", "2");
    c.startDate = start;
    const LoanOutputs out = Compute(c).outputs;
    EXPECT_EQ(out.termYears + " " + out.termMonths, "1 1");
    EXPECT_EQ(DateToStr(out.lastRateDate), lastRate);
  }
}

// Amounts in cents are not exact in binary: after the last full rate a residue far below a
// cent may be left, which is no rate of its own. Without interest the rates are exactly
// loan / rate; the status month is that of the last rate.
TEST(LoanSchedule, AResidueBelowHalfACentIsNoRate) {
  struct ResidueCase {
    const char* name;
    LoanCase loanCase;
    int rates;
    const char *lastRate, *loan;
  };
  LoanCase loanSearch = Case("0", "0", "449,18", "7", AdjustMode::Loan);
  ResidueCase cases[] = {
      {"165 rates of 35,11", Case("5793,15", "0", "35,11", "30"), 165, " 35,11", "5.793,15"},
      {"84 rates of 449,18 are the maximum loan", loanSearch, 84, "449,18", "37.731,12"},
      {"the first rate repays", Case("1000", "0", "999,999", "1"), 1, "1.000,00", "1.000,00"},
      {"with interest", Case("1000", "0,0001", "999,998", "1"), 1, "1.000,00", "1.000,00"},
  };
  for (ResidueCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.loanCase.statusDate = InMonth(c.loanCase.startDate, c.rates);
    for (const SearchMethod method : {SearchMethod::Literal, SearchMethod::Fast}) {
      Extended amount = 0;
      const LoanResult result = ComputeLoanSchedule(c.loanCase, amount, method);
      ASSERT_EQ(result.outcome, LoanResult::Outcome::Repaid) << result.message;
      const LoanOutputs& out = result.outputs;
      EXPECT_EQ(out.loan, c.loan);
      EXPECT_EQ(out.termYears + " " + out.termMonths,
                std::to_string(c.rates / 12) + " " + std::to_string(c.rates % 12));
      EXPECT_EQ(out.lastRate, c.lastRate);
      EXPECT_EQ(out.lastRateDate, AddMonths(c.loanCase.startDate, c.rates));
      EXPECT_EQ(out.statusPrincipal, c.lastRate);
    }
  }
}

TEST(LoanSchedule, AStatusMonthOutsideTheScheduleLeavesTheStatusAtZero) {
  LoanCase before = Case("100.000", "6", "0", "30");
  before.statusDate = before.startDate - 426;  // 14 months before the start
  const LoanOutputs out = Compute(before).outputs;
  EXPECT_EQ(out.statusCaption, "Status nach -1 Jahr(en) und -2 Monat(en)");
  for (const std::string& value :
       {out.statusPrincipal, out.statusInterestPart, out.statusRepaid, out.statusInterestTotal})
    EXPECT_EQ(value, "  0,00");

  LoanCase after = before;
  after.statusDate = InMonth(after.startDate, 400);
  EXPECT_EQ(Compute(after).outputs.statusRepaid, "  0,00");
}

// Rate 1000 runs the whole term of 300 months and is rejected; rate 1010 repays after 299.
// Status month 300 is met only by the rejected pass: the status stays at zero.
TEST(LoanSchedule, TheStatusOfARejectedPassDoesNotShow) {
  LoanCase c = Case("200000", "4", "1000", "25");
  c.specialRepayments = {{DateToStr(InMonth(c.startDate, 24)), "10000"}};
  c.statusDate = InMonth(c.startDate, 300);
  for (const SearchMethod method : {SearchMethod::Literal, SearchMethod::Fast}) {
    Extended amount = 0;
    const LoanResult result = ComputeLoanSchedule(c, amount, method);
    EXPECT_EQ(result.outputs.termMonths, "11");
    EXPECT_EQ(result.outputs.statusRepaid, "  0,00");
    EXPECT_EQ(result.outputs.statusInterestTotal, "  0,00");
  }
}

// The prepared plan and one pass, for the month loop's own values.
struct Pass {
  explicit Pass(const LoanCase& loanCase) : plan(PrepareLoan(loanCase, amount)) {}
  PassEnd Run(int statusMonth) {
    plan.statusMonth = statusMonth;
    return RunPass(plan, plan.loan, plan.rate, 0);
  }
  Extended amount = 0;
  LoanPlan plan;
};

TEST(LoanSchedule, TwoSpecialRepaymentsOfOneMonthBothRepayButTheStatusShowsTheLater) {
  LoanCase c = Case("50000", "0", "500", "20");
  const std::string month10 = DateToStr(InMonth(c.startDate, 10));
  c.specialRepayments = {{month10, "1000"}, {month10, "2000"}};
  Pass pass(c);
  const PassEnd end = pass.Run(10);
  EXPECT_EQ(end.status.repaid, 10 * 500 + 3000);
  EXPECT_EQ(end.status.principal, 500 + 2000);
  EXPECT_EQ(end.rateCount, 93);  // (50000 - 3000) / 500 rates, the last one not counted
}

TEST(LoanSchedule, AnInterestChangeAppliesFromTheNextMonthAndTheLaterRowOfAMonthWins) {
  LoanCase c = Case("120000", "6", "1000", "30");
  c.variableInterest = true;
  const std::string month12 = DateToStr(InMonth(c.startDate, 12));
  c.interestChanges = {{month12, "3"}, {month12, "4,5"}};
  c.specialRepayments = {{month12, "5000"}};
  Pass pass(c);
  const PassEnd month12End = pass.Run(12);
  const PassEnd month13End = pass.Run(13);
  // Month 12 still pays 6 % on the balance after month 11; month 13 pays 4.5 % on the
  // balance after month 12 (the special repayment of month 12 taken off).
  const Extended interest12 = month12End.status.interestPart;
  const Extended balance11 = 120000 - (month12End.status.repaid - (1000 - interest12) - 5000);
  const Extended balance12 = 120000 - month12End.status.repaid;
  EXPECT_NEAR(interest12, balance11 * 6 / 100 / 12, 1e-9);
  EXPECT_NEAR(month13End.status.interestPart, balance12 * 4.5L / 100 / 12, 1e-9);
  EXPECT_EQ(month12End.status.principal, 1000 - interest12 + 5000);
}

TEST(LoanSchedule, WithAStartInMarchTheSubsidyGoesWithNineRates) {
  LoanCase c = Case("100000", "0", "500", "30");
  c.startDate = Day(2024, 3, 1);
  c.subsidyOn = true;
  c.subsidyPerYear = 1000;
  c.subsidyTotal = 8000;
  Pass pass(c);
  std::vector<int> paid;
  for (int month = 0; month <= 150; ++month)
    if (pass.Run(month).status.principal == 500 + 1000) paid.push_back(month);
  EXPECT_EQ(paid, (std::vector<int>{1, 12, 24, 36, 48, 60, 72, 84, 96}));
}

TEST(LoanSchedule, MinimumRateMaximumLoanAndRateStep) {
  EXPECT_EQ(MinimumRate(1389, 0, 0, 1), 1380);
  EXPECT_EQ(MinimumRate(-27, 0, 0, 1), -20);
  EXPECT_EQ(MinimumRate(100000, 0, 0, 360), 270);
  EXPECT_EQ(MinimumRate(150000, 0, 22800, 360), 350);
  EXPECT_EQ(MinimumRate(39, 0, 0, 2), 20);    // 19.5 to even: 20
  EXPECT_EQ(MinimumRate(-39, 0, 0, 2), -20);  // -19.5 to even: -20
  EXPECT_EQ(MinimumRate(10000, 12000, 0, 100), -20);
  EXPECT_EQ(MaximumLoan(240, 500, 0, 0), 120000);
  EXPECT_EQ(MaximumLoan(12, 100, 800, 50), 2050);
  EXPECT_EQ(RateStep(999999.99L), 10);
  EXPECT_EQ(RateStep(1000000), 100);
  EXPECT_EQ(RateStep(99999999), 100);
  EXPECT_EQ(RateStep(100000000), 1000);
  EXPECT_EQ(RateStep(-5), 10);
}

TEST(LoanSchedule, WithNoAdjustModeAnExceededTermEndsWithAMessage) {
  LoanCase c = Case("100000", "6", "500", "30", AdjustMode::None);
  Extended amount = 0;
  const LoanResult result = ComputeLoanSchedule(c, amount);
  EXPECT_EQ(result.outcome, LoanResult::Outcome::Refused);
  EXPECT_EQ(result.message, "Rate zu niederig. Eine höhere Zahl eingeben");
  EXPECT_EQ(result.rateText, "500");
}

// A search whose next rate equals the last (too large for the step to change it) ends.
TEST(LoanSchedule, ASearchThatCanNeverRepayEndsWithAMessage) {
  LoanCase c = Case("", "5", "0", "30");
  c.loanText = "1" + std::string(30, '0');
  for (const SearchMethod method : {SearchMethod::Literal, SearchMethod::Fast}) {
    Extended amount = 0;
    const LoanResult result = ComputeLoanSchedule(c, amount, method);
    EXPECT_EQ(result.outcome, LoanResult::Outcome::Refused);
    EXPECT_EQ(result.message,
              "Keine Rate gefunden, die das Darlehen in der maximalen Laufzeit tilgt");
    EXPECT_EQ(result.rateText, "2,77777777777778E27");
    EXPECT_EQ(result.passes, 2);
  }
}

// A negative special repayment breaks the order the fast search relies on; the literal search
// then gives up after its budget, here the 28 000 passes the loan search would need.
TEST(LoanSchedule, ASearchThatIsNotOrderlyGivesUpAfterItsBudget) {
  LoanCase c = Case("0", "15", "5000", "30", AdjustMode::Loan);
  c.specialRepayments = {{DateToStr(InMonth(c.startDate, 5)), "1"}};
  Compute(c);
  c.specialRepayments[0].value = "-1";
  Extended amount = 0;
  const LoanResult result = ComputeLoanSchedule(c, amount);
  EXPECT_EQ(result.outcome, LoanResult::Outcome::Refused);
  EXPECT_EQ(result.message,
            "Keine Darlehenssumme gefunden, die mit dieser Rate in der maximalen Laufzeit "
            "getilgt wird");
  EXPECT_EQ(result.passes, (kUnorderlyMonthBudget + 359) / 360);
}

TEST(LoanSchedule, AnOverflowInAPassIsTheArithmeticsFault) {
  for (const SearchMethod method : {SearchMethod::Literal, SearchMethod::Fast}) {
    Extended amount = 0;
    const LoanResult result = ComputeLoanSchedule(Case("1000", "1e100", "0", "30"), amount, method);
    EXPECT_EQ(result.outcome, LoanResult::Outcome::Fault);
    EXPECT_EQ(result.message, "Gleitkommaüberlauf");
    EXPECT_EQ(result.rateText, "0");
  }
  Extended amount = 0;
  LoanCase huge = Case("1000", "5", "", "30");
  huge.rateText = std::string(4931, '9');  // 360 rates of it are no number any more
  EXPECT_THROW(ComputeLoanSchedule(huge, amount), EOverflow);
}

TEST(LoanSchedule, ATextThatDoesNotConvertNamesItsField) {
  const std::pair<LoanCase, FinanceField> cases[] = {
      {Case("abc", "5", "0", "30"), FinanceField::Loan},
      {Case("1000", "5x", "0", "30"), FinanceField::Interest},
      {Case("1000", "5", "", "30"), FinanceField::Rate},
  };
  for (const auto& [loanCase, field] : cases) {
    Extended amount = 0;
    try {
      ComputeLoanSchedule(loanCase, amount);
      ADD_FAILURE() << "no error";
    } catch (const FinanceInputError& e) {
      EXPECT_EQ(e.field, field) << e.what();
    }
  }
}

TEST(LoanSchedule, LoanAmountFollowsTheLoanSum) {
  Extended amount = 0;
  Compute(Case("100.000", "6", "0", "30"), &amount);
  EXPECT_EQ(amount, 100000);
  Compute(Case("0", "5", "500", "20", AdjustMode::Loan), &amount);
  EXPECT_EQ(amount, 75750);
  // The loan is read before the rate: a rate that does not convert leaves the new loan.
  EXPECT_THROW(ComputeLoanSchedule(Case("5000", "5", "x", "30"), amount), FinanceInputError);
  EXPECT_EQ(amount, 5000);
}

}  // namespace
}  // namespace qv
