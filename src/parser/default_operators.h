#pragma once
// The 28 standard operators in precedence order, and the standard constants.
#include <cstdint>
#include <vector>

#include "parser/operator_table.h"

namespace qv {

const std::vector<TOperator>& DefaultOperators();

// The standard methods that the compiled evaluation computes in place; None for any other.
enum class TBuiltin : std::uint8_t { None, Add, Subtract, Multiply, Divide, Power, Sin, Cos };
TBuiltin BuiltinOf(TOperatorMethode methode);

// Whether this is one of the 28 standard methods. Their results depend on their operands and
// the angle mode alone, and they change nothing unless they fail.
bool IsStandardMethode(TOperatorMethode methode);

// "e": the extended value nearest to 2.71828182845905 (mantissa ADF85458A2BBA070, exponent 1).
Extended DefaultE();
// "pi": mantissa C90FDAA22168C2DE, exponent 1 (3.1415926535897932751).
Extended DefaultPi();

}  // namespace qv
