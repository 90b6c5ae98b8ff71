// The savings plan: the worked cases of the savings page in both kinds of crediting, where
// special payments and interest changes enter, the status month, the end date, how texts that
// do not convert and values that overflow end it, and the payment plan it records.
#include <gtest/gtest.h>

#include <random>

#include "civil_day.h"
#include "finance/savings_plan.h"
#include "plan_agreement.h"
#include "platform/errors.h"

namespace qv {
namespace {

SavingsCase Case(const char* capital, const char* interest, const char* payment, const char* years,
                 const char* months, bool yearly = false) {
  SavingsCase savingsCase;
  savingsCase.capitalText = capital;
  savingsCase.interestText = interest;
  savingsCase.paymentText = payment;
  savingsCase.yearsText = years;
  savingsCase.monthsText = months;
  savingsCase.yearly = yearly;
  savingsCase.startDate = Day(2024, 1, 15);
  savingsCase.statusDate = savingsCase.startDate + 365;  // status month 12
  return savingsCase;
}

SavingsResult Compute(const SavingsCase& savingsCase) {
  Extended loanAmount = 0;
  return ComputeSavingsPlan(savingsCase, loanAmount);
}

struct Expected {
  const char* endAmount;
  const char* payments;
  const char* interest;
  const char* status;
};

void ExpectResult(const SavingsCase& savingsCase, const Expected& expected) {
  const SavingsResult result = Compute(savingsCase);
  EXPECT_EQ(result.endAmount, expected.endAmount);
  EXPECT_EQ(result.payments, expected.payments);
  EXPECT_EQ(result.interest, expected.interest);
  EXPECT_EQ(result.status, expected.status);
}

TEST(SavingsPlan, WorkedCasesOfTheSavingsPage) {
  struct Worked {
    const char* name;
    SavingsCase savingsCase;
    Expected expected;
  };
  const Worked cases[] = {
      {"monthly, status after twelve months",
       Case("10.000", "3", "100", "10", "0"),
       {"27.467,68", "22.000,00", "5.467,68", "11.520,80"}},
      {"yearly, status after the first year",
       Case("10.000", "3", "1.200", "10", "0", true),
       {"27.195,82", "22.000,00", "5.195,82", "11.500,00"}},
      {"a year of twelfths",
       Case("1.000", "12", "0", "1", "0"),
       {"1.126,83", "1.000,00", "126,83", "1.126,83"}},
      {"one month",
       Case("1.000", "12", "0", "0", "1"),
       {"1.010,00", "1.000,00", "10,00", "  0,00"}},
      {"yearly over 18 months: two years",
       Case("1.000", "10", "0", "1", "6", true),
       {"1.210,00", "1.000,00", "210,00", "1.100,00"}},
      {"amounts typed with points and a currency",
       Case("1.000,50 €", "0", "-0,50 €", "0", "2"),
       {"999,50", "999,50", "0,00", "  0,00"}},
  };
  for (const Worked& worked : cases) {
    SCOPED_TRACE(worked.name);
    ExpectResult(worked.savingsCase, worked.expected);
  }
}

TEST(SavingsPlan, TheEndDateIsTheStartPlusTheTermInCalendarMonths) {
  SavingsCase savingsCase = Case("1000", "0", "0", "0", "1");
  savingsCase.startDate = Day(2024, 1, 31);
  EXPECT_EQ(Compute(savingsCase).endDate, Day(2024, 2, 29));
  savingsCase.yearly = true;
  savingsCase.yearsText = "2";
  savingsCase.monthsText = "3";
  EXPECT_EQ(Compute(savingsCase).endDate, Day(2026, 4, 30));
}

TEST(SavingsPlan, TheRunningCapitalEndsAsTheEndAmount) {
  Extended loanAmount = 0;
  ComputeSavingsPlan(Case("1.000", "12", "0", "0", "1"), loanAmount);
  EXPECT_EQ(loanAmount, Extended{1010});
}

// A special payment dated in month c comes at the end of that month and earns interest from
// month c + 1; in yearly crediting it comes after the interest of the year whose window holds it.
TEST(SavingsPlan, ASpecialPaymentEntersAtTheEndOfItsMonthOrYear) {
  SavingsCase monthly = Case("0", "12", "0", "0", "3");
  monthly.specialPayments = {{"15.02.2024", "1000"}};  // month 1
  ExpectResult(monthly, {"1.010,00", "1.000,00", "10,00", "  0,00"});

  SavingsCase yearly = Case("0", "10", "0", "3", "0", true);
  yearly.specialPayments = {{"15.01.2025", "1000"}};  // month 12: the window of the second year
  ExpectResult(yearly, {"1.100,00", "1.000,00", "100,00", "  0,00"});
  yearly.specialPayments = {{"15.02.2025", "1000"}};  // month 13: the third year's window
  ExpectResult(yearly, {"1.000,00", "1.000,00", "0,00", "  0,00"});
}

TEST(SavingsPlan, AnInterestChangeAppliesFromTheNextMonthAndTheLastRowWinsInYearlyCrediting) {
  SavingsCase monthly = Case("1000", "0", "0", "0", "3");
  monthly.variableInterest = true;
  monthly.interestChanges = {{"15.02.2024", "12"}};  // month 1: 12 % from month 2 on
  ExpectResult(monthly, {"1.010,00", "1.000,00", "10,00", "  0,00"});
  monthly.variableInterest = false;  // the list counts only with a variable interest
  ExpectResult(monthly, {"1.000,00", "1.000,00", "0,00", "  0,00"});

  // Both changes are dated at or before the second year: the later row counts although its date
  // is earlier.
  SavingsCase yearly = Case("1000", "0", "0", "2", "0", true);
  yearly.variableInterest = true;
  yearly.interestChanges = {{"15.01.2024", "20"}, {"01.01.2024", "10"}};
  ExpectResult(yearly, {"1.100,00", "1.000,00", "100,00", "1.000,00"});
}

TEST(SavingsPlan, AStatusDateOutsideTheTermShowsZero) {
  SavingsCase savingsCase = Case("1000", "12", "0", "1", "0");
  for (const int statusDate : {savingsCase.startDate - 40, savingsCase.startDate + 400}) {
    savingsCase.statusDate = statusDate;
    const SavingsResult result = Compute(savingsCase);
    EXPECT_FALSE(result.statusReached);
    EXPECT_EQ(result.status, "  0,00");
  }
  // The status month equal to the term shows the end amount; in yearly crediting every status
  // month from the term on does.
  savingsCase.statusDate = savingsCase.startDate + 365;
  EXPECT_EQ(Compute(savingsCase).status, "1.126,83");
  savingsCase.yearly = true;
  savingsCase.statusDate = savingsCase.startDate + 4000;
  EXPECT_EQ(Compute(savingsCase).status, "1.120,00");
}

TEST(SavingsPlan, ATextThatDoesNotConvertNamesItsField) {
  struct Fault {
    const char* name;
    SavingsCase savingsCase;
    FinanceField field;
    const char* message;
  };
  SavingsCase gap = Case("1000", "3", "0", "1", "0");
  gap.specialPayments = {{"15.02.2024", "100"}, {"", ""}, {"15.03.2024", "100"}};
  SavingsCase badChange = Case("x", "3", "0", "1", "0");
  badChange.variableInterest = true;
  badChange.interestChanges = {{"15.02.2024", "4.5"}};
  const Fault faults[] = {
      {"a gap in the special payments", gap, FinanceField::SpecialPayments,
       "'' ist kein gültiges Datum"},
      {"the list before the capital", badChange, FinanceField::SavingsInterestChanges,
       "'4.5' ist kein gültiger Gleitkommawert"},
      {"a capital that cleans to nothing", Case("€", "3", "0", "1", "0"), FinanceField::Capital,
       "'' ist kein gültiger Gleitkommawert"},
      {"a payment before the interest", Case("1", "x", "-", "1", "0"), FinanceField::Payment,
       "'-' ist kein gültiger Gleitkommawert"},
      {"the interest", Case("1", "3.5", "0", "1", "0"), FinanceField::SavingsInterest,
       "'3.5' ist kein gültiger Gleitkommawert"},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    try {
      Compute(fault.savingsCase);
      ADD_FAILURE() << "computed";
    } catch (const FinanceInputError& error) {
      EXPECT_EQ(error.field, fault.field);
      EXPECT_STREQ(error.what(), fault.message);
    }
  }
}

TEST(SavingsPlan, AValueThatOverflowsEndsWithTheArithmeticsFault) {
  EXPECT_THROW(Compute(Case("1", "1E4930", "0", "100", "0", true)), EOverflow);
  EXPECT_THROW(Compute(Case("1", "1E4930", "0", "100", "0")), EOverflow);
  // A plan that fails leaves its observer no rows.
  PlanRecord record{1, {PlanRow{}}};
  Extended loanAmount = 0;
  EXPECT_THROW(ComputeSavingsPlan(Case("1", "1E4930", "0", "100", "0"), loanAmount, &record),
               EOverflow);
  EXPECT_TRUE(record.rows.empty());
}

// Random cases in both kinds of crediting, with special payments and interest changes: the
// plan's rows end with the page's end amount and date, and their sums are its payments and
// interest.
TEST(SavingsPlan, ThePlanItRecordsAgreesWithThePageOnRandomCases) {
  std::mt19937_64 random(20240601);
  const auto below = [&random](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  const auto cents = [&below](int euros) {
    return std::to_string(below(euros)) + "," + std::to_string(10 + below(90));
  };
  for (int n = 0; n < 2000; ++n) {
    SavingsCase c = Case(cents(100000).c_str(), cents(12).c_str(), cents(2000).c_str(),
                         std::to_string(below(40)).c_str(), std::to_string(1 + below(11)).c_str(),
                         below(3) == 0);
    const int term = 12 * std::stoi(c.yearsText) + std::stoi(c.monthsText);
    for (int k = below(4); k > 0; --k)
      c.specialPayments.push_back(
          {DateToStr(c.startDate - 40 + below(static_cast<int>(term * 30.45) + 80)),
           std::to_string(below(5000))});
    c.variableInterest = below(2) == 0;
    for (int k = below(3); k > 0; --k)
      c.interestChanges.push_back(
          {DateToStr(c.startDate + below(static_cast<int>(term * 30.45) + 1)), cents(10)});
    PaymentPlan plan{PlanKind::Savings, c.startDate, {}, {}};
    Extended loanAmount = 0;
    const SavingsResult result = ComputeSavingsPlan(c, loanAmount, &plan.record);
    ASSERT_EQ(result, Compute(c));
    ASSERT_EQ(plan.record.rows.size(),
              c.yearly ? static_cast<size_t>((term + 11) / 12) : static_cast<size_t>(term));
    const std::optional<std::string> disagreement = SavingsPlanDisagreement(result, plan);
    ASSERT_FALSE(disagreement) << *disagreement << " (case " << n << ")";
  }
}

}  // namespace
}  // namespace qv
