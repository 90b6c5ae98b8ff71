#include "finance/finance_dates.h"

#include <cstdlib>

namespace qv {

// (date - start) / 30.45 = 100 * days / 3045, rounded in integers so that no binary fraction
// of 30.45 enters.
int MonthIndex(int date, int start) {
  const long long numerator = 100LL * (static_cast<long long>(date) - start);
  constexpr long long kDenominator = 3045;
  long long quotient = numerator / kDenominator;
  const long long twiceRest = 2 * std::llabs(numerator % kDenominator);
  if (twiceRest > kDenominator || (twiceRest == kDenominator && quotient % 2 != 0))
    quotient += numerator < 0 ? -1 : 1;
  return static_cast<int>(quotient);
}

}  // namespace qv
