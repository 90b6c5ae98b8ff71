#pragma once
// The search for a rate or a loan sum that repays the loan within the maximum term. The
// literal search runs one pass after another: in mode "Rate" the entered rate, then the minimum
// rate when it lies below it, then steps of the rate step; in mode "Darl." the maximum loan, then
// 50 less each time. The fast search gives the same passes' result after a few passes.
#include <cstdint>

#include "finance/loan_schedule.h"

namespace qv {

// How a search ended; loan and rate are those of its last pass.
struct SearchEnd {
  enum class Kind {
    Repaid,        // the last pass repaid the loan in time
    TermExceeded,  // no adjust mode chosen and the term was exceeded
    NoFit,         // no rate or loan sum can repay the loan in time
    Fault,         // a value overflowed
  };
  Kind kind = Kind::Repaid;
  Extended loan = 0, rate = 0;
  // The next subsidy month the last pass started from: with the loan and the rate, what runs
  // that pass once more.
  int subsidyMonthBefore = 0;
  PassEnd pass;
  uint64_t index = 0;  // the last pass's number in the literal order, from 0
  long passes = 0;     // passes computed
};

// A search whose passes keep to the order that makes it fast: a higher rate or a smaller loan
// never takes longer to repay. That holds when no interest and no amount is negative, the rates
// tried are not negative, and the values stay far from the limits of exact stepping.
bool IsOrderly(const LoanPlan& plan);

// A search that is not orderly gives up after this many months computed in all, or this many
// passes.
constexpr long kUnorderlyMonthBudget = 2'000'000;
constexpr long kUnorderlyPassBudget = 100'000;

// The search as the passes run one after another. It ends when a pass repays the loan, when
// the next rate or loan to try would equal the last one (it could never repay), and, when the
// search is not orderly, after its budget of months or passes. Every change of the loan is
// written to loanAmount.
SearchEnd LiteralSearch(const LoanPlan& plan, Extended& loanAmount);

// The same result: an orderly search bisects over the number of steps between the first pass
// and one that repays for certain, since whether a pass repays in time only changes once along
// the steps; anything else runs the literal search.
SearchEnd FastSearch(const LoanPlan& plan, Extended& loanAmount);

// x after `count` additions x = x + step in extended arithmetic, each rounded as it comes (an
// addition that crosses a power of two may round; those between are exact). For an integer
// step of at most 1000 in magnitude.
Extended RepeatedSum(Extended x, Extended step, uint64_t count);

}  // namespace qv
