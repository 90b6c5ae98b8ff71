#include "finance/loan_schedule.h"

#include <cmath>
#include <stdexcept>

#include "finance/finance_dates.h"
#include "platform/dates.h"
#include "platform/errors.h"

namespace qv {

namespace {

// An overflow in the preparation stops the computation as the arithmetic's fault does.
Extended Finite(Extended value) {
  if (!std::isfinite(value)) throw EOverflow();
  return value;
}

// The entries by rate count, special repayments in list order; of several interest changes
// in one month the last one counts. Entries outside the months 0 to N never apply.
void GroupByRateCount(LoanPlan& plan, const std::vector<ListEntry>& specials,
                      const std::vector<ListEntry>& changes) {
  const auto applies = [&plan](int month) { return month >= 0 && month <= plan.termMonths; };
  plan.byRateCount.assign(static_cast<size_t>(plan.termMonths) + 1, {});
  for (const ListEntry& entry : specials)
    if (applies(entry.month)) ++plan.byRateCount[entry.month].amountCount;
  int first = 0;
  for (RateCountEntries& entries : plan.byRateCount) {
    entries.firstAmount = first;
    first += entries.amountCount;
  }
  plan.amounts.assign(static_cast<size_t>(first), 0);
  std::vector<int> placed(plan.byRateCount.size(), 0);
  for (const ListEntry& entry : specials) {
    if (!applies(entry.month)) continue;
    const RateCountEntries& entries = plan.byRateCount[entry.month];
    plan.amounts[entries.firstAmount + placed[entry.month]++] = entry.value;
  }
  for (const ListEntry& entry : changes) {
    if (!applies(entry.month)) continue;
    plan.byRateCount[entry.month].interestChange = true;
    plan.byRateCount[entry.month].newInterest = entry.value;
  }
}

bool AllFinite(std::initializer_list<Extended> values) {
  for (const Extended value : values)
    if (!std::isfinite(value)) return false;
  return true;
}

bool Finite(const StatusValues& status) {
  return AllFinite({status.principal, status.interestPart, status.repaid, status.interestTotal});
}

std::string Money(Extended value) {
  return FormatFixed(value, 6, 2);
}

// What the next full rate would leave is a binary residue rather than a balance when it lies
// below half a cent: the rate that leaves it repays the loan, and no last rate of 0,00 follows.
// The month's arithmetic as the pass does it.
bool LeavesResidue(Extended balance, Extended interest, Extended rate) {
  const Extended left = balance + balance * interest / 100 / 12 - rate;
  return left > 0 && left < Extended{0.005L};
}

}  // namespace

Extended MinimumRate(Extended loan, Extended specialTotal, Extended subsidyTotal, int termMonths) {
  const Extended x = std::nearbyint(Finite(Finite(loan - specialTotal) - subsidyTotal) /
                                    static_cast<Extended>(termMonths));
  return x - std::fmod(x, Extended{10});
}

Extended MaximumLoan(int termMonths, Extended rate, Extended subsidyTotal, Extended specialTotal) {
  return Finite(Finite(Finite(static_cast<Extended>(termMonths) * rate) + subsidyTotal) +
                specialTotal);
}

// A loan of exactly 1 000 000 or 100 000 000 takes the step of the larger loans.
Extended RateStep(Extended loan) {
  if (loan < 1'000'000) return 10;
  if (loan < 100'000'000) return 100;
  return 1000;
}

LoanPlan PrepareLoan(const LoanCase& loanCase, Extended& loanAmount) {
  LoanPlan plan;
  plan.mode = loanCase.mode;
  plan.startDate = loanCase.startDate;
  plan.subsidyOn = loanCase.subsidyOn;
  if (plan.subsidyOn) plan.subsidyOffset = 14 - DecodeDate(plan.startDate).month;
  plan.subsidyPerYear = loanCase.subsidyPerYear;
  plan.variableInterest = loanCase.variableInterest;

  const std::vector<ListEntry> specials =
      ReadGridList(loanCase.specialRepayments, plan.startDate, FinanceField::SpecialRepayments);
  for (const ListEntry& entry : specials)
    plan.specialTotal = Finite(plan.specialTotal + entry.value);
  std::vector<ListEntry> changes;
  if (plan.variableInterest)
    changes = ReadGridList(loanCase.interestChanges, plan.startDate, FinanceField::InterestChanges);

  plan.loan = ReadField(FinanceField::Loan, [&] { return CleanAmount(loanCase.loanText); });
  loanAmount = plan.loan;
  plan.rate = ReadField(FinanceField::Rate, [&] { return CleanAmount(loanCase.rateText); });
  plan.statusMonth = MonthIndex(loanCase.statusDate, plan.startDate);
  plan.interest =
      ReadField(FinanceField::Interest, [&] { return StrToFloat(loanCase.interestText); });

  const long long years =
      ReadField(FinanceField::Years, [&] { return StrToInt(loanCase.yearsText); });
  const long long months =
      ReadField(FinanceField::Months, [&] { return StrToInt(loanCase.monthsText); });
  const long long term = 12 * years + months;
  if (term < 1 || term > kMaxTermMonths)
    throw std::invalid_argument("a loan case needs a valid term (ValidateLoanInput)");
  plan.termMonths = static_cast<int>(term);

  plan.minimumRate =
      MinimumRate(plan.loan, plan.specialTotal, loanCase.subsidyTotal, plan.termMonths);
  plan.maximumLoan =
      MaximumLoan(plan.termMonths, plan.rate, loanCase.subsidyTotal, plan.specialTotal);
  // In mode "Darl." the loan field is only an output.
  if (plan.mode == AdjustMode::Loan) {
    plan.loan = plan.maximumLoan;
    loanAmount = plan.loan;
  }
  plan.rateStep = RateStep(plan.loan);
  GroupByRateCount(plan, specials, changes);
  return plan;
}

PassEnd RunPass(const LoanPlan& plan, Extended loan, Extended rate, int nextSubsidyMonth,
                PlanRecord* observer) {
  const int termMonths = plan.termMonths;
  const int statusMonth = plan.statusMonth;
  const Extended subsidy = plan.subsidyPerYear;
  Extended balance = loan, interest = plan.interest, repaid = 0, interestPaid = 0, monthly = 0;
  int rateCount = 0, subsidyCount = 0, months = 0;
  PassEnd end;
  if (observer) {
    observer->opening = loan;
    observer->rows.clear();
  }
  for (;;) {
    // The next rate is the last one.
    if (LeavesResidue(balance, interest, rate)) break;
    ++months;
    monthly = balance * interest / 100 / 12;
    balance = balance + monthly - rate;
    // The rate count advances only while a balance remains.
    if (balance > 0) ++rateCount;
    repaid = repaid + (rate - monthly);
    interestPaid = interestPaid + monthly;

    // The first payment goes with the first rate, the second with the rate of March of the
    // following year, then one every 12 rates: nine in all.
    bool subsidyPaid = false;
    if (plan.subsidyOn) {
      if (rateCount == 1) {
        balance = balance - subsidy;
        repaid = repaid + subsidy;
        nextSubsidyMonth = rateCount + plan.subsidyOffset;
        ++subsidyCount;
        subsidyPaid = true;
      }
      if (rateCount == nextSubsidyMonth) {
        balance = balance - subsidy;
        repaid = repaid + subsidy;
        if (subsidyCount < 8) nextSubsidyMonth = rateCount + 12;
        subsidyPaid = true;
        ++subsidyCount;
      }
    }

    const RateCountEntries& entries = plan.byRateCount[rateCount];
    const int endAmount = entries.firstAmount + entries.amountCount;
    Extended special = 0;
    for (int a = entries.firstAmount; a < endAmount; ++a) {
      balance = balance - plan.amounts[a];
      repaid = repaid + plan.amounts[a];
      special = special + plan.amounts[a];
    }

    if (rateCount == statusMonth) {
      end.status.repaid = repaid;
      // Of several special repayments in the status month only the last one shows.
      end.status.principal =
          entries.amountCount > 0 ? rate - monthly + plan.amounts[endAmount - 1] : rate - monthly;
      if (subsidyPaid) end.status.principal = end.status.principal + subsidy;
      end.status.interestPart = monthly;
      end.status.interestTotal = interestPaid;
    }

    // A new interest applies from the next month on.
    if (entries.interestChange) interest = entries.newInterest;
    if (observer)
      observer->rows.push_back({rateCount, AddMonths(plan.startDate, rateCount), interest, rate,
                                monthly, rate - monthly, special, subsidyPaid ? subsidy : 0,
                                balance, repaid, interestPaid});

    if (rateCount >= termMonths || months >= 2 * termMonths) {
      end.exceeded = true;
      break;
    }
    if (!(balance > rate)) break;
  }
  end.balance = balance;
  end.interest = interest;
  end.repaid = repaid;
  end.interestPaid = interestPaid;
  end.rateCount = rateCount;
  end.months = months;
  end.nextSubsidyMonth = nextSubsidyMonth;
  end.finite = AllFinite({balance, monthly, repaid, interestPaid}) && Finite(end.status);
  return end;
}

std::optional<LoanOutputs> FinishSchedule(const LoanPlan& plan, Extended loan, Extended rate,
                                          PassEnd pass, PlanRecord* observer) {
  Extended balance = pass.balance;
  int rateCount = pass.rateCount;
  StatusValues status = pass.status;
  // The last, smaller rate: the remaining balance with its interest.
  if (balance > 0) ++rateCount;
  const Extended monthly = balance * pass.interest / 100 / 12;
  const Extended repaid = pass.repaid + balance;
  const Extended principal = balance;
  balance = balance + monthly;
  const Extended interestPaid = pass.interestPaid + monthly;
  if (rateCount == plan.statusMonth) {
    status.repaid = repaid;
    status.principal = balance;
    status.interestPart = monthly;
    status.interestTotal = interestPaid;
  }
  const Extended totalPaid = repaid + interestPaid;
  if (!AllFinite({balance, monthly, repaid, interestPaid, totalPaid}) || !Finite(status))
    return std::nullopt;

  if (observer)
    observer->rows.push_back({rateCount, AddMonths(plan.startDate, rateCount), pass.interest,
                              balance, monthly, principal, 0, 0, 0, repaid, interestPaid});

  LoanOutputs out;
  out.rate = Money(rate);
  out.loan = Money(loan);
  out.termYears = std::to_string(rateCount / 12);
  out.termMonths = std::to_string(rateCount % 12);
  out.lastRate = Money(balance);
  out.lastRateDate = AddMonths(plan.startDate, rateCount);
  out.totalPaid = Money(totalPaid);
  out.interestPaid = Money(interestPaid);
  out.statusPrincipal = Money(status.principal);
  out.statusInterestPart = Money(status.interestPart);
  out.statusRepaid = Money(status.repaid);
  out.statusInterestTotal = Money(status.interestTotal);
  out.statusCaption = "Status nach " + std::to_string(plan.statusMonth / 12) + " Jahr(en) und " +
                      std::to_string(plan.statusMonth % 12) + " Monat(en)";
  return out;
}

}  // namespace qv
