#include "finance/loan_search.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace qv {

namespace {

// Below this magnitude a step of 10 or 50 always changes a value and the additions between
// powers of two are exact.
constexpr Extended kExactLimit = 0x1p62L;

// The rate of the second pass in mode "Rate": the minimum rate when the entered one lies below
// it, else one step more.
Extended FirstRaisedRate(const LoanPlan& plan) {
  return plan.rate < plan.minimumRate ? plan.minimumRate : plan.rate + plan.rateStep;
}

// A pass whose rate is at least the loan with one month's interest leaves no balance after
// its first month and so repays at once (with no negative amounts and a rate not below 0).
Extended SureRate(const LoanPlan& plan) {
  return plan.loan + plan.loan * plan.interest / 100 / 12;
}

// The loan and the rate of pass n of a search.
Extended CandidateLoan(const LoanPlan& plan, uint64_t n) {
  return plan.mode == AdjustMode::Loan ? RepeatedSum(plan.loan, -50, n) : plan.loan;
}

Extended CandidateRate(const LoanPlan& plan, uint64_t n) {
  if (plan.mode != AdjustMode::Rate || n == 0) return plan.rate;
  return RepeatedSum(FirstRaisedRate(plan), plan.rateStep, n - 1);
}

// A pass of an orderly search that repays for certain: in mode "Rate" the first whose rate
// reaches the sure rate, in mode "Darl." the first whose loan is no longer positive.
uint64_t SureIndex(const LoanPlan& plan) {
  uint64_t n = 0;
  if (plan.mode == AdjustMode::Rate) {
    const Extended sure = SureRate(plan);
    const Extended first = FirstRaisedRate(plan);
    n = 1 + (first < sure ? static_cast<uint64_t>(std::ceil((sure - first) / plan.rateStep)) : 0);
    while (CandidateRate(plan, n) < sure) ++n;
  } else {
    n = static_cast<uint64_t>(std::ceil(plan.loan / 50));
    while (CandidateLoan(plan, n) > 0) ++n;
  }
  return n;
}

}  // namespace

Extended RepeatedSum(Extended x, Extended step, uint64_t count) {
  using Wide = __int128;
  constexpr Wide kUnitLimit = static_cast<Wide>(1) << 64;
  while (count > 0) {
    int exponent = 0;
    const Extended mantissa = std::frexp(x, &exponent);
    if (std::fabs(x) < 1 || exponent > 62) {
      x = x + step;
      --count;
      continue;
    }
    // In units of the last place of x (2^(exponent-64)) every value below 2^exponent in
    // magnitude is exact, so the additions that stay below it are done at once.
    const Wide units = static_cast<Wide>(std::ldexp(mantissa, 64));
    const Wide stepUnits = static_cast<Wide>(std::ldexp(step, 64 - exponent));
    const Wide room = stepUnits > 0 ? (kUnitLimit - 1 - units) / stepUnits
                                    : (kUnitLimit - 1 + units) / -stepUnits;
    const uint64_t exact = static_cast<uint64_t>(std::min<Wide>(room, count));
    x = std::ldexp(static_cast<Extended>(units + static_cast<Wide>(exact) * stepUnits),
                   exponent - 64);
    count -= exact;
    // The addition that reaches the next power of two, rounded.
    if (count > 0) {
      x = x + step;
      --count;
    }
  }
  return x;
}

bool IsOrderly(const LoanPlan& plan) {
  if (plan.interest < 0) return false;
  for (const RateCountEntries& entries : plan.byRateCount)
    if (entries.interestChange && entries.newInterest < 0) return false;
  for (const Extended amount : plan.amounts)
    if (amount < 0 || amount >= kExactLimit) return false;
  if (plan.subsidyOn && !(plan.subsidyPerYear >= 0 && plan.subsidyPerYear < kExactLimit))
    return false;
  if (!(std::fabs(plan.loan) < kExactLimit)) return false;
  switch (plan.mode) {
    case AdjustMode::Rate: {
      const Extended first = FirstRaisedRate(plan);
      return first >= 0 && first < kExactLimit && SureRate(plan) < kExactLimit;
    }
    case AdjustMode::Loan:
      return plan.rate >= 0;
    case AdjustMode::None:
      break;
  }
  return true;
}

SearchEnd LiteralSearch(const LoanPlan& plan, Extended& loanAmount) {
  const bool budgeted = !IsOrderly(plan);
  SearchEnd end;
  end.loan = plan.loan;
  end.rate = plan.rate;
  int nextSubsidyMonth = 0;
  long months = 0;
  for (;;) {
    end.subsidyMonthBefore = nextSubsidyMonth;
    end.pass = RunPass(plan, end.loan, end.rate, nextSubsidyMonth);
    ++end.passes;
    months += end.pass.months;
    nextSubsidyMonth = end.pass.nextSubsidyMonth;
    if (!end.pass.finite) {
      end.kind = SearchEnd::Kind::Fault;
      return end;
    }
    if (!end.pass.exceeded) {
      end.kind = SearchEnd::Kind::Repaid;
      return end;
    }
    if (plan.mode == AdjustMode::None) {
      end.kind = SearchEnd::Kind::TermExceeded;
      return end;
    }
    Extended loan = end.loan, rate = end.rate;
    if (plan.mode == AdjustMode::Rate)
      rate = rate < plan.minimumRate ? plan.minimumRate : rate + plan.rateStep;
    else
      loan = loan > plan.maximumLoan ? plan.maximumLoan : loan - 50;
    // A step too small to change the value would repeat the same pass for ever.
    const bool spent = months >= kUnorderlyMonthBudget || end.passes >= kUnorderlyPassBudget;
    if ((loan == end.loan && rate == end.rate) || (budgeted && spent)) {
      end.kind = SearchEnd::Kind::NoFit;
      return end;
    }
    end.loan = loan;
    end.rate = rate;
    ++end.index;
    loanAmount = loan;
  }
}

// The literal order of passes is kept at its start: pass 0 with the entered values, and in
// mode "Rate" with a negative entered rate also pass 1. From the first pass of the orderly
// steps (lo, which exceeded the term) to a sure one (hi), each bisection step halves the range;
// the pass found repays while the one before it (lo) exceeded. Whether a pass repays does not
// depend on the subsidy month the pass before left; its outputs do, and every exceeding
// orderly pass leaves the same one, that of lo.
SearchEnd FastSearch(const LoanPlan& plan, Extended& loanAmount) {
  if (plan.mode == AdjustMode::None || !IsOrderly(plan)) return LiteralSearch(plan, loanAmount);
  SearchEnd end;
  const uint64_t first = plan.mode == AdjustMode::Rate && plan.rate < 0 ? 1 : 0;
  PassEnd lastPass;
  for (uint64_t n = 0; n <= first; ++n) {
    end.index = n;
    end.loan = CandidateLoan(plan, n);
    end.rate = CandidateRate(plan, n);
    end.subsidyMonthBefore = lastPass.nextSubsidyMonth;
    end.pass = RunPass(plan, end.loan, end.rate, lastPass.nextSubsidyMonth);
    ++end.passes;
    if (!end.pass.finite) {
      end.kind = SearchEnd::Kind::Fault;
      return end;
    }
    if (!end.pass.exceeded) return end;
    lastPass = end.pass;
  }
  uint64_t lo = first, hi = SureIndex(plan);
  std::optional<PassEnd> hiPass;
  while (hi - lo > 1) {
    const uint64_t mid = lo + (hi - lo) / 2;
    PassEnd pass = RunPass(plan, CandidateLoan(plan, mid), CandidateRate(plan, mid),
                           lastPass.nextSubsidyMonth);
    ++end.passes;
    if (pass.exceeded) {
      lo = mid;
    } else {
      hi = mid;
      hiPass = pass;
    }
  }
  end.index = hi;
  end.loan = CandidateLoan(plan, hi);
  end.rate = CandidateRate(plan, hi);
  end.subsidyMonthBefore = lastPass.nextSubsidyMonth;
  if (!hiPass) {
    hiPass = RunPass(plan, end.loan, end.rate, lastPass.nextSubsidyMonth);
    ++end.passes;
  }
  end.pass = *hiPass;
  loanAmount = end.loan;
  return end;
}

}  // namespace qv
