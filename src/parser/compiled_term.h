#pragma once
// A term text compiled once into the order in which the direct algorithm evaluates it: a
// postfix program of value pushes, negations, operator calls and syntax faults. Constants are
// read by table index when the program runs, so a new value needs no new compilation. The
// program makes the same operator calls with the same operands in the same order as the
// direct algorithm and fails at the same point with the same position and length.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/default_operators.h"
#include "parser/operator_table.h"

namespace qv {

class TMathParser;

class TCompiledTerm {
 public:
  TCompiledTerm(std::string_view term, const std::vector<TOperator>& operators,
                const std::vector<TConstant>& constants);

  const std::string& Text() const { return FText; }
  // Room the evaluation needs on the value stack.
  int StackSize() const { return FStackSize; }
  // Runs the program with the parser's current constant values; stack holds StackSize().
  Extended Evaluate(TMathParser& parser, Extended* stack) const;

 private:
  friend class TCompiler;

  // Where an operand comes from. A constant or a number is read where it is used rather than
  // pushed first: reading has no effect of its own, so the order of events stays the same.
  struct TOperand {
    // Order matters: the sources above Stack are read in place.
    enum TSource : std::uint8_t { Absent, Stack, Constant, Number } source = Absent;
    int constant = 0;
    Extended number = 0;
  };

  struct TInstruction {
    enum TKind : std::uint8_t { Push, Negate, Call, Fail } kind = Fail;
    TBuiltin builtin = TBuiltin::None;  // Call: a standard method computed in place
    int index = 0;                      // Call: operator index
    int position = 0;                   // Call: the operator; Fail: the sub-term (1-based)
    int length = 0;
    TOperand left{};   // Call
    TOperand right{};  // Call; Push: the value pushed
  };

  std::string FText;
  std::vector<TInstruction> FCode;
  int FStackSize = 0;
};

}  // namespace qv
