#pragma once
// The 28 standard operators in precedence order, and the standard constants.
#include <cstdint>
#include <vector>

#include "parser/operator_table.h"

namespace qv {

const std::vector<TOperator>& DefaultOperators();

// The standard methods that the compiled evaluation computes in place. WholePower and
// Square are "^" with a whole non-negative number written as the exponent, which the
// compilation recognises once instead of on every evaluation.
enum class TBuiltin : std::uint8_t {
  None,
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  WholePower,
  Square,
  Sin,
  Cos
};
TBuiltin BuiltinOf(TOperatorMethode methode);

// "e": the extended value nearest to 2.71828182845905 (mantissa ADF85458A2BBA070, exponent 1).
Extended DefaultE();
// "pi": mantissa C90FDAA22168C2DE, exponent 1 (3.1415926535897932751).
Extended DefaultPi();

}  // namespace qv
