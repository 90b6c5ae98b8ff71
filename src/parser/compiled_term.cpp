#include "parser/compiled_term.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "parser/mathparser.h"
#include "parser/operator_math.h"
#include "parser/split_index.h"
#include "parser/term_text.h"

namespace qv {

namespace {

// A standard method's plain finite result, computed in place. Anything else (a zero
// divisor, a fault, an infinite or undefined value) is left to the method itself, which raises
// or returns exactly what it always does.
bool Computed(TBuiltin builtin, Extended left, Extended right, Extended& result) {
  switch (builtin) {
    case TBuiltin::Add:
      result = left + right;
      break;
    case TBuiltin::Subtract:
      result = left - right;
      break;
    case TBuiltin::Multiply:
      result = left * right;
      break;
    case TBuiltin::Divide:
      if (right == 0) return false;
      result = left / right;
      break;
    case TBuiltin::Power:
      if (!(right >= 0 && IsIntPowerExponent(right))) return false;
      result = IntPower(left, static_cast<std::int64_t>(right));
      break;
    case TBuiltin::WholePower:
      result = IntPower(left, static_cast<std::int64_t>(right));
      break;
    case TBuiltin::Square:
      result = left * left;  // what the repeated squaring gives for 2: 1 * (left * left)
      break;
    case TBuiltin::Sin:
      result = SinValue(right);
      break;
    case TBuiltin::Cos:
      result = CosValue(right);
      break;
    case TBuiltin::None:
      return false;
  }
  return std::isfinite(result);
}

}  // namespace

// Walks the term as the direct algorithm evaluates it and writes down what it would do.
class TCompiler {
 public:
  TCompiler(TCompiledTerm& target, const std::vector<TOperator>& operators,
            const std::vector<TConstant>& constants)
      : FCode(target.FCode),
        FStackSize(target.FStackSize),
        FText(target.FText),
        FIndex(FText, operators),
        FOperators(operators),
        FConstants(constants) {}

  void Run() { Term(0, FText.CharCount(), 1); }

 private:
  using TInstruction = TCompiledTerm::TInstruction;
  using TOperand = TCompiledTerm::TOperand;

  void Term(int first, int last, int depth) {
    if (depth > MaxTermDepth) return Fault(first, last);
    for (int op = 0; op < static_cast<int>(FOperators.size()); ++op) {
      const int at = FIndex.Find(op, first, last);
      if (at < 0) continue;
      const int rightFrom = at + FIndex.IdLength(op);
      const TArguments operands = FOperators[op].ArgumentPos;
      if ((operands.Contains(arLeft) && at == first) ||
          (operands.Contains(arRight) && rightFrom == last)) {
        continue;
      }
      TInstruction call{.kind = TInstruction::Call,
                        .builtin = BuiltinOf(FOperators[op].Methode),
                        .index = op,
                        .position = at + 1,
                        .length = rightFrom - at};
      if (operands.Contains(arLeft)) call.left = Operand(first, at, depth + 1);
      if (operands.Contains(arRight)) call.right = Operand(rightFrom, last, depth + 1);
      if (call.builtin == TBuiltin::Power) call.builtin = PowerKind(call.right);
      return Emit(call);
    }
    const TRest rest = ClassifyRest(FText, first, last, FConstants);
    switch (rest.kind) {
      case TRest::Bracketed:
        return Term(first + 1, last - 1, depth + 1);
      case TRest::Negated:
        Term(first + 1, last, depth + 1);
        return Emit({.kind = TInstruction::Negate});
      case TRest::Signed:
        return Term(first + 1, last, depth + 1);
      case TRest::Constant:
        return Emit({.kind = TInstruction::Push,
                     .right = {.source = TOperand::Constant, .constant = rest.constant}});
      case TRest::Number:
        return Emit({.kind = TInstruction::Push,
                     .right = {.source = TOperand::Number, .number = rest.number}});
      case TRest::Unreadable:
        return Fault(first, last);
    }
  }

  // "^" with a written whole exponent takes the repeated squaring on every evaluation.
  static TBuiltin PowerKind(const TOperand& exponent) {
    if (exponent.source != TOperand::Number) return TBuiltin::Power;
    const Extended value = exponent.number;
    if (!(value >= 0 && IsIntPowerExponent(value))) return TBuiltin::Power;
    return value == 2 ? TBuiltin::Square : TBuiltin::WholePower;
  }

  // An operand's code; a lone push is taken back and read by the operator itself.
  TOperand Operand(int first, int last, int depth) {
    const std::size_t start = FCode.size();
    Term(first, last, depth);
    if (FCode.size() != start + 1 || FCode.back().kind != TInstruction::Push) {
      return {.source = TOperand::Stack};
    }
    const TOperand operand = FCode.back().right;
    FCode.pop_back();
    --FHeight;
    return operand;
  }

  // A syntax fault of the sub-term first .. last-1; it takes the place of a value.
  void Fault(int first, int last) {
    Emit({.kind = TInstruction::Fail, .position = first + 1, .length = last - first});
  }

  void Emit(const TInstruction& instruction) {
    FCode.push_back(instruction);
    const bool pushes = instruction.kind != TInstruction::Negate;
    FHeight += pushes - (instruction.left.source == TOperand::Stack) -
               (instruction.right.source == TOperand::Stack);
    FStackSize = std::max(FStackSize, FHeight);
  }

  std::vector<TInstruction>& FCode;
  int& FStackSize;
  const TTermText FText;
  const TSplitIndex FIndex;
  const std::vector<TOperator>& FOperators;
  const std::vector<TConstant>& FConstants;
  int FHeight = 0;
};

TCompiledTerm::TCompiledTerm(std::string_view term, const std::vector<TOperator>& operators,
                             const std::vector<TConstant>& constants)
    : FText(term) {
  TCompiler(*this, operators, constants).Run();
}

// The top of the value stack is kept in `top`, so that a value just computed is used without
// a trip through memory; `below` points past the values under it.
Extended TCompiledTerm::Evaluate(TMathParser& parser, Extended* stack) const {
  Extended* below = stack;
  Extended top = 0;
  const auto read = [&](const TOperand& operand) -> Extended {
    return operand.source == TOperand::Constant ? parser.FConstants[operand.constant].Value
                                                : operand.number;
  };
  for (const TInstruction& instruction : FCode) {
    switch (instruction.kind) {
      case TInstruction::Push:
        *below++ = top;
        top = read(instruction.right);
        break;
      case TInstruction::Negate:
        top = -top;
        break;
      case TInstruction::Call: {
        const TOperand::TSource rightSource = instruction.right.source;
        const TOperand::TSource leftSource = instruction.left.source;
        Extended right = 0;
        Extended left = 0;
        if (rightSource == TOperand::Stack) {
          right = top;
          if (leftSource == TOperand::Stack) left = *--below;
        } else if (leftSource == TOperand::Stack) {
          left = top;
        } else {
          *below++ = top;  // the result is a value of its own
        }
        if (rightSource > TOperand::Stack) right = read(instruction.right);
        if (leftSource > TOperand::Stack) left = read(instruction.left);
        if (!Computed(instruction.builtin, left, right, top)) {
          top = parser.CallOperator(instruction.index, left, right, instruction.position,
                                    instruction.length);
        }
        break;
      }
      case TInstruction::Fail:
        parser.SyntaxFault(instruction.position, instruction.length);
    }
  }
  return top;
}

}  // namespace qv
