// Floating-point faults: the arithmetic runs with the faults masked and checks its results
// afterwards, raising what an unmasked processor would have raised.
#include <cmath>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

Extended CheckedResult(Extended result, Extended left, Extended right) {
  if (std::isnan(result) && !std::isnan(left) && !std::isnan(right)) throw EInvalidOp();
  if (std::isinf(result) && std::isfinite(left) && std::isfinite(right)) throw EOverflow();
  return result;
}

Extended CheckedDivide(Extended left, Extended right) {
  if (right == 0 && std::isfinite(left)) {
    if (left == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  return CheckedResult(left / right, left, right);
}

}  // namespace qv
