#include "parser/compiled_term.h"

#include <algorithm>
#include <utility>

#include "parser/mathparser.h"
#include "parser/term_text.h"

namespace qv {

namespace {

// Where every operator of the table occurs in the whole text, so that the rightmost
// occurrence outside brackets within a sub-term is a binary search instead of a scan.
// level[i] is the number of "(" minus the number of ")" before character i. Scanning a
// sub-term first .. last-1 from its end, a non-bracket character p is at depth 0 exactly when
// level[p] == level[last]; occurrences are therefore kept sorted by (level, position).
class TSplitIndex {
 public:
  TSplitIndex(const TTermText& text, const std::vector<TOperator>& operators) {
    FLevel.reserve(text.CharCount() + 1);
    int level = 0;
    for (int index = 0; index < text.CharCount(); ++index) {
      FLevel.push_back(level);
      if (text.CharIs(index, '(')) ++level;
      if (text.CharIs(index, ')')) --level;
    }
    FLevel.push_back(level);
    for (const TOperator& op : operators) {
      FIdLength.push_back(TTermText(op.ID).CharCount());
      FOccurrences.push_back(Occurrences(text, op.ID));
    }
  }

  // The character index of the operator's rightmost occurrence at depth 0 that lies wholly
  // within first .. last-1, or -1.
  int Find(int op, int first, int last) const {
    const std::vector<std::pair<int, int>>& found = FOccurrences[op];
    // The ID must start on a character of the sub-term (an empty ID too) and end within it.
    const std::pair<int, int> key{FLevel[last], last - std::max(FIdLength[op], 1)};
    const auto after = std::upper_bound(found.begin(), found.end(), key);
    if (after == found.begin()) return -1;
    const std::pair<int, int> candidate = *(after - 1);
    return candidate.first == key.first && candidate.second >= first ? candidate.second : -1;
  }
  int IdLength(int op) const { return FIdLength[op]; }

 private:
  // (level, character index) of every place where the whole ID stands, sorted. An ID that
  // starts with a bracket is never found: brackets are not compared.
  std::vector<std::pair<int, int>> Occurrences(const TTermText& text, std::string_view id) {
    std::vector<std::pair<int, int>> found;
    const std::string_view bytes = text.Text();
    for (std::size_t byte = bytes.find(id); byte != std::string_view::npos;
         byte = byte < bytes.size() ? bytes.find(id, byte + 1) : std::string_view::npos) {
      const int index = byte < bytes.size() ? text.CharAtByte(byte) : -1;
      if (index < 0 || text.IsBracket(index) || text.CharAtByte(byte + id.size()) < 0) continue;
      found.emplace_back(FLevel[index], index);
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  std::vector<int> FLevel;
  std::vector<int> FIdLength;
  std::vector<std::vector<std::pair<int, int>>> FOccurrences;
};

}  // namespace

// Walks the term as the direct algorithm evaluates it and writes down what it would do.
class TCompiler {
 public:
  TCompiler(TCompiledTerm& target, const std::vector<TOperator>& operators,
            const std::vector<TConstant>& constants)
      : FTarget(target),
        FText(target.FText),
        FIndex(FText, operators),
        FOperators(operators),
        FConstants(constants) {}

  void Run() { Term(0, FText.CharCount(), 1); }

 private:
  void Term(int first, int last, int depth) {
    using TInstruction = TCompiledTerm::TInstruction;
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
      if (operands.Contains(arLeft)) Term(first, at, depth + 1);
      if (operands.Contains(arRight)) Term(rightFrom, last, depth + 1);
      const int popped = operands.Contains(arLeft) + operands.Contains(arRight);
      return Emit({.kind = TInstruction::Call,
                   .operands = operands,
                   .index = op,
                   .position = at + 1,
                   .length = rightFrom - at},
                  1 - popped);
    }
    const TRest rest = ClassifyRest(FText, first, last, FConstants);
    switch (rest.kind) {
      case TRest::Bracketed:
        return Term(first + 1, last - 1, depth + 1);
      case TRest::Negated:
        Term(first + 1, last, depth + 1);
        return Emit({.kind = TInstruction::Negate}, 0);
      case TRest::Signed:
        return Term(first + 1, last, depth + 1);
      case TRest::Constant:
        return Emit({.kind = TInstruction::Constant, .index = rest.constant}, 1);
      case TRest::Number:
        return Emit({.kind = TInstruction::Number, .number = rest.number}, 1);
      case TRest::Unreadable:
        return Fault(first, last);
    }
  }

  // A syntax fault of the sub-term first .. last-1; it takes the place of a value.
  void Fault(int first, int last) {
    Emit({.kind = TCompiledTerm::TInstruction::Fail, .position = first + 1, .length = last - first},
         1);
  }

  void Emit(const TCompiledTerm::TInstruction& instruction, int pushed) {
    FTarget.FCode.push_back(instruction);
    FHeight += pushed;
    FTarget.FStackSize = std::max(FTarget.FStackSize, FHeight);
  }

  TCompiledTerm& FTarget;
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

Extended TCompiledTerm::Evaluate(TMathParser& parser, Extended* stack) const {
  Extended* top = stack;
  for (const TInstruction& instruction : FCode) {
    switch (instruction.kind) {
      case TInstruction::Number:
        *top++ = instruction.number;
        break;
      case TInstruction::Constant:
        *top++ = parser.FConstants[instruction.index].Value;
        break;
      case TInstruction::Negate:
        top[-1] = -top[-1];
        break;
      case TInstruction::Call: {
        const Extended right = instruction.operands.Contains(arRight) ? *--top : 0;
        const Extended left = instruction.operands.Contains(arLeft) ? *--top : 0;
        *top++ = parser.CallOperator(instruction.index, left, right, instruction.position,
                                     instruction.length);
        break;
      }
      case TInstruction::Fail:
        parser.SyntaxFault(instruction.position, instruction.length);
    }
  }
  return stack[0];
}

}  // namespace qv
