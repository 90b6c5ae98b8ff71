#include "finance/savings_plan.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "finance/finance_dates.h"
#include "platform/dates.h"
#include "platform/errors.h"

namespace qv {

namespace {

// The running values of a plan.
struct Savings {
  Extended capital = 0;   // K
  Extended interest = 0;  // z, percent per year
  Extended paid = 0;
  Extended earned = 0;
  std::optional<Extended> status;
};

// What a plan's pass needs besides its running values: the payment, the term, the status
// month, the start and the observer.
struct SavingsRun {
  Extended payment = 0;
  int termMonths = 0;
  int statusMonth = 0;
  int start = 0;
  PlanRecord* observer = nullptr;

  void Record(const Savings& s, int number, int endMonth, Extended interest,
              Extended special) const {
    if (observer)
      observer->rows.push_back({number, AddMonths(start, endMonth), s.interest, payment, interest,
                                0, special, 0, s.capital, s.paid, s.earned});
  }
};

// A value that left the finite numbers ends the plan with the arithmetic's fault.
void CheckFinite(const Savings& s) {
  for (const Extended value : {s.capital, s.interest, s.paid, s.earned, s.status.value_or(0)}) {
    if (std::isnan(value)) throw EInvalidOp();
    if (std::isinf(value)) throw EOverflow();
  }
}

// Monthly crediting: month c earns a twelfth of the rate on the amount at its start, then takes
// the payment; the special payments of month c are added at its end and the interest changed in
// month c applies from month c + 1.
void CreditMonthly(Savings& s, const SavingsRun& run, const std::vector<ListEntry>& specials,
                   const std::vector<ListEntry>& changes) {
  const Extended payment = run.payment;
  const int termMonths = run.termMonths, statusMonth = run.statusMonth;
  const auto inTerm = [termMonths](int month) { return month >= 0 && month < termMonths; };
  std::vector<std::vector<Extended>> specialsOf(static_cast<size_t>(termMonths));
  for (const ListEntry& entry : specials)
    if (inTerm(entry.month)) specialsOf[entry.month].push_back(entry.value);
  std::vector<std::optional<Extended>> changeOf(static_cast<size_t>(termMonths));
  for (const ListEntry& entry : changes)
    if (inTerm(entry.month)) changeOf[entry.month] = entry.value;  // the last row counts

  for (int c = 0; c < termMonths; ++c) {
    if (statusMonth == c) s.status = s.capital;
    s.paid = s.paid + payment;
    const Extended monthly = s.capital * s.interest / 100 / 12;
    s.earned = s.earned + monthly;
    s.capital = s.capital + payment + monthly;
    Extended special = 0;
    for (const Extended amount : specialsOf[c]) {
      s.capital = s.capital + amount;
      s.paid = s.paid + amount;
      special = special + amount;
    }
    if (changeOf[c]) s.interest = *changeOf[c];
    if (statusMonth == termMonths) s.status = s.capital;
    CheckFinite(s);
    run.Record(s, c + 1, c + 1, monthly, special);
  }
}

// Yearly crediting, c = 0, 12, 24, ... while c < N: the year's interest on the amount at its
// start, then the interest of the last change (in list order) dated at or before c, the special
// payments dated within the year's window c - 12 < month <= c, and the payment.
void CreditYearly(Savings& s, const SavingsRun& run, const std::vector<ListEntry>& specials,
                  const std::vector<ListEntry>& changes) {
  const Extended payment = run.payment;
  const int termMonths = run.termMonths, statusMonth = run.statusMonth;
  for (int c = 0; c < termMonths; c += 12) {
    if (statusMonth >= c) s.status = s.capital;
    const Extended yearly = s.capital * s.interest / 100;
    s.earned = s.earned + yearly;
    s.capital = s.capital + yearly;
    for (const ListEntry& change : changes)
      if (change.month <= c) s.interest = change.value;
    Extended paidSpecially = 0;
    for (const ListEntry& special : specials) {
      if (special.month <= c - 12 || special.month > c) continue;
      s.capital = s.capital + special.value;
      s.paid = s.paid + special.value;
      paidSpecially = paidSpecially + special.value;
    }
    s.capital = s.capital + payment;
    s.paid = s.paid + payment;
    if (statusMonth >= termMonths) s.status = s.capital;
    CheckFinite(s);
    // The last year ends with the term.
    run.Record(s, c / 12 + 1, std::min(c + 12, termMonths), yearly, paidSpecially);
  }
}

}  // namespace

SavingsResult ComputeSavingsPlan(const SavingsCase& savingsCase, Extended& loanAmount,
                                 PlanRecord* observer) {
  if (observer) *observer = {};
  const int start = savingsCase.startDate;
  const std::vector<ListEntry> specials =
      ReadGridList(savingsCase.specialPayments, start, FinanceField::SpecialPayments);
  std::vector<ListEntry> changes;
  if (savingsCase.variableInterest)
    changes =
        ReadGridList(savingsCase.interestChanges, start, FinanceField::SavingsInterestChanges);

  Savings s;
  s.capital =
      ReadField(FinanceField::Capital, [&] { return CleanAmount(savingsCase.capitalText); });
  loanAmount = s.capital;
  const Extended payment =
      ReadField(FinanceField::Payment, [&] { return CleanAmount(savingsCase.paymentText); });
  s.interest = ReadField(FinanceField::SavingsInterest,
                         [&] { return StrToFloat(savingsCase.interestText); });
  const long long years =
      ReadField(FinanceField::SavingsYears, [&] { return StrToInt(savingsCase.yearsText); });
  const long long months =
      ReadField(FinanceField::SavingsMonths, [&] { return StrToInt(savingsCase.monthsText); });
  const long long term = 12 * years + months;
  if (term < 1 || term > kMaxTermMonths)
    throw std::invalid_argument("a savings case needs a valid term (ValidateSavingsInput)");
  const int termMonths = static_cast<int>(term);
  const int statusMonth = MonthIndex(savingsCase.statusDate, start);

  s.paid = s.capital;  // the initial capital counts as a payment
  // The observer receives the rows of a plan that ran to its end.
  PlanRecord recorded{s.capital, {}};
  const SavingsRun run{payment, termMonths, statusMonth, start, observer ? &recorded : nullptr};
  if (savingsCase.yearly)
    CreditYearly(s, run, specials, changes);
  else
    CreditMonthly(s, run, specials, changes);
  if (observer) *observer = std::move(recorded);
  loanAmount = s.capital;

  SavingsResult result;
  result.endDate = AddMonths(start, termMonths);
  result.endAmount = FormatFixed(s.capital, 2, 2);
  result.payments = FormatFixed(s.paid, 2, 2);
  result.interest = FormatFixed(s.earned, 2, 2);
  result.statusReached = s.status.has_value();
  result.status = FormatFixed(s.status.value_or(0), 6, 2);
  return result;
}

}  // namespace qv
