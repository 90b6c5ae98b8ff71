// The direct algorithm: every sub-term is scanned anew for every operator of the table. It is
// slow but plain, and the compiled evaluation must give exactly its results.
#include <array>
#include <cstddef>
#include <memory_resource>
#include <vector>

#include "parser/mathparser.h"
#include "parser/term_text.h"

namespace qv {

namespace {

struct TSplit {
  int at = -1;        // character index of the operator in the term, -1 when none
  int rightFrom = 0;  // first character after the operator's ID
};

// The rightmost occurrence of id outside brackets, scanning from the end of the sub-term
// first .. last-1. A ")" deepens, a "(" lifts; only depth 0 counts, even if brackets are
// unbalanced.
TSplit FindSplit(const TTermText& text, int first, int last, std::string_view id) {
  int depth = 0;
  for (int index = last - 1; index >= first; --index) {
    if (text.CharIs(index, ')')) {
      ++depth;
    } else if (text.CharIs(index, '(')) {
      --depth;
    } else if (depth == 0) {
      const int end = text.MatchEnd(index, last, id);
      if (end >= 0) return {index, end};
    }
  }
  return {};
}

// What is left to do for a sub-term: evaluate it, call its operator once its operands are
// evaluated, or negate its value. Kept on a list instead of the call stack, so that a long
// chain of operators or signs needs no deep recursion.
//
// No operator applies to what follows the sign of a sub-term that no operator applied to:
// each operator's rightmost occurrence in it is the one in the whole sub-term, unless that
// stood on the sign, and it still lacks the operand it lacked there. A run of signs is thus
// stripped without scanning the text for every sign.
struct TReferenceTask {
  enum TKind { Evaluate, Apply, Negate } kind;
  int first, last;
  int depth = 0;                      // Evaluate: the brackets around the sub-term
  int op = 0, at = 0, rightFrom = 0;  // Apply
  bool afterSign = false;             // Evaluate: no operator applies
};

TReferenceTask AfterSign(const TReferenceTask& parent) {
  return {.kind = TReferenceTask::Evaluate,
          .first = parent.first + 1,
          .last = parent.last,
          .depth = parent.depth,
          .afterSign = true};
}

}  // namespace

Extended TMathParser::ReferenceParse(std::string_view Term) {
  return Guarded<&TMathParser::EvaluateReference>(Term);
}

// The operands of an operator are evaluated before it is called, the left one first; the
// operator's sub-term is the current part again when it is called.
Extended TMathParser::EvaluateReference(std::string_view Term) {
  const TTermText text(Term);
  // A term of a few dozen operators keeps its lists of work here.
  constexpr std::size_t kScratchItems = 48;
  constexpr std::size_t kScratchBytes = kScratchItems * (sizeof(TReferenceTask) + sizeof(Extended));
  std::array<std::byte, kScratchBytes> scratch;
  std::pmr::monotonic_buffer_resource memory(scratch.data(), scratch.size());
  std::pmr::vector<TReferenceTask> tasks(&memory);
  std::pmr::vector<Extended> values(&memory);
  tasks.reserve(kScratchItems);
  values.reserve(kScratchItems);
  tasks.push_back({TReferenceTask::Evaluate, 0, text.CharCount(), 0});
  while (!tasks.empty()) {
    const TReferenceTask task = tasks.back();
    tasks.pop_back();
    const int first = task.first, last = task.last;
    if (task.kind == TReferenceTask::Negate) {
      values.back() = -values.back();
      continue;
    }
    FPartialTermPos = first + 1;
    FPartialTermLength = last - first;
    if (task.kind == TReferenceTask::Apply) {
      const TArguments operands = FOperators[task.op].ArgumentPos;
      Extended right = 0, left = 0;
      if (operands.Contains(arRight)) right = values.back(), values.pop_back();
      if (operands.Contains(arLeft)) left = values.back(), values.pop_back();
      values.push_back(CallOperator(task.op, left, right, task.at + 1, task.rightFrom - task.at));
      continue;
    }
    if (task.depth > MaxTermDepth) SyntaxFault(first + 1, last - first);
    bool applied = false;
    for (int index = 0; !task.afterSign && index < OperatorCount() && !applied; ++index) {
      const TOperator& op = FOperators[index];
      const TSplit split = FindSplit(text, first, last, op.ID);
      if (split.at < 0) continue;
      const bool needsLeft = op.ArgumentPos.Contains(arLeft);
      const bool needsRight = op.ArgumentPos.Contains(arRight);
      if ((needsLeft && split.at == first) || (needsRight && split.rightFrom == last)) continue;
      tasks.push_back({TReferenceTask::Apply, first, last, 0, index, split.at, split.rightFrom});
      if (needsRight)
        tasks.push_back({TReferenceTask::Evaluate, split.rightFrom, last, task.depth});
      if (needsLeft) tasks.push_back({TReferenceTask::Evaluate, first, split.at, task.depth});
      applied = true;
    }
    if (applied) continue;
    const TRest rest = ClassifyRest(text, first, last, FConstants);
    switch (rest.kind) {
      case TRest::Bracketed:
        tasks.push_back({TReferenceTask::Evaluate, first + 1, last - 1, task.depth + 1});
        break;
      case TRest::Negated:
        tasks.push_back({TReferenceTask::Negate, first, last});
        tasks.push_back(AfterSign(task));
        break;
      case TRest::Signed:
        tasks.push_back(AfterSign(task));
        break;
      case TRest::Constant:
        values.push_back(FConstants[rest.constant].Value);
        break;
      case TRest::Number:
        values.push_back(rest.number);
        break;
      case TRest::Unreadable:
        SyntaxFault(first + 1, last - first);
    }
  }
  return values.back();
}

}  // namespace qv
