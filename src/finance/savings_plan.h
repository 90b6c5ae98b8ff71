#pragma once
// How a savings investment grows: an initial capital earns interest, a regular payment is added,
// special payments come in on given dates and the interest may change on given dates. Interest
// is credited monthly, at a twelfth of the yearly rate, or once a year, always on the amount at
// the start of the month or year; amounts are rounded only when shown.
#include <string>
#include <vector>

#include "finance/finance_input.h"
#include "finance/plan_rows.h"
#include "platform/numbers.h"

namespace qv {

// The savings page's inputs as the computation reads them.
struct SavingsCase {
  std::string capitalText;               // Edit16, cleaned by CleanAmountText
  std::string interestText;              // Edit17, percent per year
  std::string paymentText;               // Edit18, cleaned by CleanAmountText; monthly or yearly
  std::string yearsText;                 // Edit19
  std::string monthsText;                // Edit23
  int startDate = 0;                     // Datum4, a day number
  int statusDate = 0;                    // Datum6
  bool yearly = false;                   // Zins2 "jährlich"
  bool variableInterest = false;         // vproz2
  std::vector<GridRow> specialPayments;  // data rows of Grid1
  std::vector<GridRow> interestChanges;  // data rows of Grid4
};

// The texts the page shows afterwards.
struct SavingsResult {
  int endDate = 0;        // Datum5: the start plus the term in calendar months
  std::string endAmount;  // Edit21, "%2.2n" like the payments and the interest
  std::string payments;   // Edit20, the capital, the regular and the special payments
  std::string interest;   // Edit22
  std::string status;     // Edit24, "%6.2n"; zero when the status date is outside the term
  bool statusReached = false;

  bool operator==(const SavingsResult&) const = default;
};

// Runs the plan of a case that passed ValidateSavingsInput. The running capital is kept in
// loanAmount, which holds the end amount afterwards. A text that does not convert raises
// FinanceInputError (the lists first, then the capital, the payment and the interest); a value
// that overflows raises the arithmetic's fault. An observer records the capital and one row per
// month (per year with yearly crediting), dated at its end; it holds none when the plan fails.
SavingsResult ComputeSavingsPlan(const SavingsCase& savingsCase, Extended& loanAmount,
                                 PlanRecord* observer = nullptr);

}  // namespace qv
