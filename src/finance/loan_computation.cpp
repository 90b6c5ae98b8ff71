#include "finance/loan_computation.h"

#include "finance/loan_search.h"
#include "platform/errors.h"

namespace qv {

namespace {

LoanResult NotRepaid(LoanResult::Outcome outcome, std::string message, Extended rate) {
  LoanResult result;
  result.outcome = outcome;
  result.message = std::move(message);
  result.rateText = FormatGeneral(rate);
  return result;
}

std::string NoFitMessage(AdjustMode mode) {
  return mode == AdjustMode::Rate
             ? "Keine Rate gefunden, die das Darlehen in der maximalen Laufzeit tilgt"
             : "Keine Darlehenssumme gefunden, die mit dieser Rate in der maximalen Laufzeit "
               "getilgt wird";
}

}  // namespace

LoanResult ComputeLoanSchedule(const LoanCase& loanCase, Extended& loanAmount, SearchMethod method,
                               PlanRecord* observer) {
  if (observer) *observer = {};
  const LoanPlan plan = PrepareLoan(loanCase, loanAmount);
  SearchEnd end =
      method == SearchMethod::Fast ? FastSearch(plan, loanAmount) : LiteralSearch(plan, loanAmount);
  LoanResult result;
  switch (end.kind) {
    case SearchEnd::Kind::Repaid:
      if (observer) {
        end.pass = RunPass(plan, end.loan, end.rate, end.subsidyMonthBefore, observer);
        ++end.passes;
      }
      if (const auto outputs = FinishSchedule(plan, end.loan, end.rate, end.pass, observer)) {
        result.outputs = *outputs;
        break;
      }
      [[fallthrough]];
    case SearchEnd::Kind::Fault:
      result = NotRepaid(LoanResult::Outcome::Fault, EOverflow().what(), end.rate);
      break;
    case SearchEnd::Kind::TermExceeded:
      result = NotRepaid(LoanResult::Outcome::Refused,
                         "Rate zu niederig. Eine höhere Zahl eingeben", end.rate);
      break;
    case SearchEnd::Kind::NoFit:
      result = NotRepaid(LoanResult::Outcome::Refused, NoFitMessage(plan.mode), end.rate);
      break;
  }
  result.passes = end.passes;
  if (observer && result.outcome != LoanResult::Outcome::Repaid) *observer = {};
  return result;
}

}  // namespace qv
