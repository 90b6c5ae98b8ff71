#pragma once
// The rows of a payment plan as the computation's accepted pass records them, month by month
// (or year by year for yearly crediting): what the page's results are made of.
#include <vector>

#include "platform/numbers.h"

namespace qv {

// One rate of a loan, or one month or year of a savings plan.
struct PlanRow {
  int number = 0;             // the rate number; the month or year counted from 1
  int date = 0;               // a day number: the rate's date, or the end of the month or year
  Extended interestRate = 0;  // percent per year in force from this row on
  Extended payment = 0;       // the rate, or the regular payment
  Extended interest = 0;      // the interest of the month or year
  Extended principal = 0;     // the rate's principal part (loans)
  Extended special = 0;       // the special repayments or payments
  Extended subsidy = 0;       // the subsidy paid into the loan
  Extended balance = 0;       // what is owed, or the savings, afterwards
  // The pass's running totals afterwards: repaid (loans) or paid in (savings), and interest.
  Extended principalSoFar = 0;
  Extended interestSoFar = 0;
};

// What an observer of a pass receives: the loan sum or the capital the pass starts from, and
// its rows.
struct PlanRecord {
  Extended opening = 0;
  std::vector<PlanRow> rows;
};

}  // namespace qv
