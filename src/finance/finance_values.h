#pragma once
// The values the loan page, the savings page and the subsidy dialog share for the whole run
// of the program; all start at 0.
#include "platform/numbers.h"

namespace qv {

struct FinanceValues {
  // The loan sum of the last loan computation (the savings computation keeps its running
  // capital here too); the subsidy dialog reads it.
  Extended LoanAmount = 0;
  // The subsidy paid into the loan at each payment date, and over its whole duration; both
  // written by the subsidy dialog and set to 0 when the subsidy is switched off.
  Extended SubsidyPerYear = 0;
  Extended SubsidyTotal = 0;
  // Whether the last input validation passed.
  bool InputValid = false;
};

}  // namespace qv
