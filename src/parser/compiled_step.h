#pragma once
// One step of a compiled term: an operator call, a negation or a syntax fault, in the order in
// which the direct algorithm evaluates them.
#include <cstdint>

#include "parser/operator_table.h"

namespace qv {

// Bit i stands for the i-th constant a compiled term reads.
using TInputSet = std::uint64_t;

enum class TStepKind : std::uint8_t {
  Negate,
  Fail,
  Call,  // the operator's method
  // standard methods computed in place while the result is finite
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  WholePower,  // "^" with a whole non-negative number written as the exponent
  Square,      // ... and with 2: what the repeated squaring gives, 1 * (base * base)
  Sin,
  Cos
};

struct TCompiledStep {
  TStepKind kind = TStepKind::Fail;
  bool written = true;  // whether the result goes to its place, for steps run later
  int op = 0;           // index in the operator table
  int position = 0;     // the operator, or the sub-term that fails (1-based)
  int length = 0;
  const Extended* left = nullptr;  // Negate: the value negated
  const Extended* right = nullptr;
  Extended* result = nullptr;
  // The constants each operand depends on.
  TInputSet leftNeeds = 0;
  TInputSet rightNeeds = 0;
};

}  // namespace qv
