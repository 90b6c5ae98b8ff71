#pragma once
// The computation of the loan page: from the page's texts to the texts written back, or the
// message that ends it.
#include <string>

#include "finance/loan_schedule.h"

namespace qv {

struct LoanResult {
  enum class Outcome {
    Repaid,   // outputs hold the page's new texts
    Refused,  // no rate or loan repays in time: message is shown, outputs keep their texts
    Fault,    // a value overflowed: message is the arithmetic's fault
  };
  Outcome outcome = Outcome::Repaid;
  LoanOutputs outputs;
  std::string message;
  // When not repaid: the rate field shows the rate of the last pass as a plain number.
  std::string rateText;
  long passes = 0;  // schedule passes computed
};

enum class SearchMethod { Literal, Fast };

// Runs the computation for a case that passed ValidateLoanInput; loanAmount follows the loan
// sum as the computation changes it. A text that does not convert raises FinanceInputError, an
// overflow while preparing EOverflow. With an observer, the pass the search accepted runs once
// more under its eyes and the outputs are that pass's: the observer holds the rows of exactly
// the schedule the page shows (none when the loan is not repaid).
LoanResult ComputeLoanSchedule(const LoanCase& loanCase, Extended& loanAmount,
                               SearchMethod method = SearchMethod::Fast,
                               PlanRecord* observer = nullptr);

}  // namespace qv
