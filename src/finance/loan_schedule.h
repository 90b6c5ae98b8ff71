#pragma once
// The repayment of an annuity loan month by month: a fixed monthly rate pays the month's
// interest on the balance and repays the rest; special repayments, dated interest changes and
// a yearly subsidy enter at their months. One pass runs the schedule for one rate and one loan
// sum until the loan is repaid or the maximum term is exceeded.
#include <optional>
#include <string>
#include <vector>

#include "finance/finance_input.h"
#include "finance/plan_rows.h"
#include "platform/numbers.h"

namespace qv {

// The loan page's inputs as the computation reads them.
struct LoanCase {
  std::string loanText;      // Edit1, cleaned by CleanAmountText
  std::string interestText;  // Edit2, percent per year
  std::string rateText;      // Edit12, cleaned by CleanAmountText
  std::string yearsText;     // Edit13, the maximum term
  std::string monthsText;    // Edit14
  int startDate = 0;         // Datum1, a day number
  int statusDate = 0;        // Datum3
  AdjustMode mode = AdjustMode::Rate;
  bool subsidyOn = false;                  // BauFi
  bool variableInterest = false;           // vproz
  std::vector<GridRow> specialRepayments;  // data rows of Grid2
  std::vector<GridRow> interestChanges;    // data rows of Grid3
  Extended subsidyPerYear = 0;
  Extended subsidyTotal = 0;
};

// The entries of one rate count j: its special repayments (amounts[first, first + count) in
// list order) and the interest that applies from the next month on, when one is set.
struct RateCountEntries {
  int firstAmount = 0;
  int amountCount = 0;
  bool interestChange = false;
  Extended newInterest = 0;
};

// The computation prepared from a LoanCase: the values every pass starts from.
struct LoanPlan {
  AdjustMode mode = AdjustMode::Rate;
  int startDate = 0;
  int termMonths = 0;     // N, the maximum term
  int statusMonth = 0;    // s
  Extended loan = 0;      // K of the first pass (the maximum loan in mode "Darl.")
  Extended rate = 0;      // R of the first pass
  Extended interest = 0;  // z at the start of every pass
  Extended minimumRate = 0;
  Extended maximumLoan = 0;
  Extended rateStep = 10;
  Extended specialTotal = 0;  // S
  bool subsidyOn = false;
  int subsidyOffset = 0;  // 14 - the start date's month
  Extended subsidyPerYear = 0;
  bool variableInterest = false;
  // The entries a pass can meet, by rate count j from 0 to N; entries of other months never
  // apply.
  std::vector<RateCountEntries> byRateCount;
  std::vector<Extended> amounts;
};

// Reads and converts the case: the lists, the loan sum (written to loanAmount as soon as it is
// read, and again when mode "Darl." replaces it by the maximum loan), the rate, the status
// month and the interest, then the term, the minimum rate, the maximum loan and the rate step.
// A text that does not convert raises FinanceInputError; an overflow EOverflow.
LoanPlan PrepareLoan(const LoanCase& loanCase, Extended& loanAmount);

// (K - S - subsidy total) / N rounded to an integer (halves to even), cut towards zero to a
// multiple of 10: 1389 gives 1380, -27 gives -20.
Extended MinimumRate(Extended loan, Extended specialTotal, Extended subsidyTotal, int termMonths);
// N x R + subsidy total + S.
Extended MaximumLoan(int termMonths, Extended rate, Extended subsidyTotal, Extended specialTotal);
// 10 below 1 000 000, 100 from there below 100 000 000, 1000 from there on.
Extended RateStep(Extended loan);

// The state of a loan in a given month, taken in the status month.
struct StatusValues {
  Extended principal = 0;      // the rate's principal part with what else repaid that month
  Extended interestPart = 0;   // the month's interest
  Extended repaid = 0;         // repaid up to that month
  Extended interestTotal = 0;  // interest up to that month
};

// Where a pass ended and what it left.
struct PassEnd {
  bool exceeded = false;  // the maximum term was reached before the loan was repaid
  bool finite = true;     // no value overflowed
  Extended balance = 0;   // B
  Extended interest = 0;  // z as the interest changes left it
  Extended repaid = 0;
  Extended interestPaid = 0;
  int rateCount = 0;  // j
  int months = 0;     // months computed
  int nextSubsidyMonth = 0;
  StatusValues status;
};

// One pass for loan K and rate R. The next subsidy month is the one the previous pass left (0
// before the first pass). The status values start at zero in every pass. A pass that has run
// twice the maximum term in months without the rate count reaching it (possible only with
// negative interest or amounts) counts as exceeding the term, so that every pass ends. A rate
// that would leave less than half a cent is the last rate: the pass ends before it, so that the
// finish pays it with that residue, and a binary residue never becomes a rate of 0,00 of its
// own a month later (nor pushes the rate count past the maximum term).
// An observer given records the pass's loan sum and one row per month, each after the month's
// interest change, so that it shows the interest in force from that month on.
PassEnd RunPass(const LoanPlan& plan, Extended loan, Extended rate, int nextSubsidyMonth,
                PlanRecord* observer = nullptr);

// The page's outputs after a pass that repaid the loan.
struct LoanOutputs {
  std::string rate;  // "%6.2n" like every amount here
  std::string loan;
  std::string termYears, termMonths;  // integer texts
  std::string lastRate;
  int lastRateDate = 0;  // a day number
  std::string totalPaid;
  std::string interestPaid;
  std::string statusPrincipal, statusInterestPart, statusRepaid, statusInterestTotal;
  std::string statusCaption;  // "Status nach 1 Jahr(en) und 0 Monat(en)"

  bool operator==(const LoanOutputs&) const = default;
};

// The finish of a pass that repaid the loan: the last, smaller rate with its interest, the
// status when the last rate falls in the status month, and the texts. Empty when a value
// overflowed. The observer of the pass records the last rate as its last row.
std::optional<LoanOutputs> FinishSchedule(const LoanPlan& plan, Extended loan, Extended rate,
                                          PassEnd pass, PlanRecord* observer = nullptr);

}  // namespace qv
