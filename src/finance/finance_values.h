#pragma once
// The values the loan page, the savings page and the subsidy dialog share for the whole run
// of the program; all start at 0.
#include <string>

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

  // The subsidy case of the subsidy dialog, kept with a stored loan case: the rule set (0 from
  // 1.1.2006, 1 up to 31.12.2005), the building (0 new, 1 old), the eco supplements chosen
  // (1/0), a single borrower (1/0), the children and the income of the last two years.
  int SubsidyRules = 0;
  int HouseKind = 0;
  int EcoBonus1Chosen = 0;
  int EcoBonus2Chosen = 0;
  int BorrowerSingle = 0;
  int ChildCount = 0;
  std::string IncomeText;
};

}  // namespace qv
