#pragma once
// A term text compiled once into the order in which the direct algorithm evaluates it: a
// postfix program of numbers, constant reads (by table index, so that a new value needs no
// new compilation), negations, operator calls and syntax faults. The program makes the same
// operator calls with the same operands in the same order as the direct algorithm and fails
// at the same point with the same position and length.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  struct TInstruction {
    enum TKind : std::uint8_t { Number, Constant, Negate, Call, Fail } kind = Fail;
    TArguments operands{};  // Call: the operands on the stack
    int index = 0;          // Constant: constant index; Call: operator index
    int position = 0;       // Call: the operator; Fail: the sub-term (1-based)
    int length = 0;
    Extended number = 0;
  };
  friend class TCompiler;

  std::string FText;
  std::vector<TInstruction> FCode;
  int FStackSize = 0;
};

}  // namespace qv
