// The direct algorithm: every sub-term is scanned anew for every operator of the table. It is
// slow but plain, and the compiled evaluation must give exactly its results.
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

}  // namespace

Extended TMathParser::ReferenceParse(std::string_view Term) {
  return Guarded<&TMathParser::EvaluateReference>(Term);
}

Extended TMathParser::EvaluateReference(std::string_view Term) {
  const TTermText text(Term);
  return ReferenceTerm(text, 0, text.CharCount(), 1);
}

Extended TMathParser::ReferenceTerm(const TTermText& text, int first, int last, int depth) {
  FPartialTermPos = first + 1;
  FPartialTermLength = last - first;
  if (depth > MaxTermDepth) SyntaxFault(first + 1, last - first);
  for (int index = 0; index < OperatorCount(); ++index) {
    const TOperator& op = FOperators[index];
    const TSplit split = FindSplit(text, first, last, op.ID);
    if (split.at < 0) continue;
    const bool needsLeft = op.ArgumentPos.Contains(arLeft);
    const bool needsRight = op.ArgumentPos.Contains(arRight);
    if ((needsLeft && split.at == first) || (needsRight && split.rightFrom == last)) continue;
    const Extended left = needsLeft ? ReferenceTerm(text, first, split.at, depth + 1) : 0;
    const Extended right = needsRight ? ReferenceTerm(text, split.rightFrom, last, depth + 1) : 0;
    FPartialTermPos = first + 1;
    FPartialTermLength = last - first;
    return CallOperator(index, left, right, split.at + 1, split.rightFrom - split.at);
  }
  const TRest rest = ClassifyRest(text, first, last, FConstants);
  switch (rest.kind) {
    case TRest::Bracketed:
      return ReferenceTerm(text, first + 1, last - 1, depth + 1);
    case TRest::Negated:
      return -ReferenceTerm(text, first + 1, last, depth + 1);
    case TRest::Signed:
      return ReferenceTerm(text, first + 1, last, depth + 1);
    case TRest::Constant:
      return FConstants[rest.constant].Value;
    case TRest::Number:
      return rest.number;
    case TRest::Unreadable:
      break;
  }
  SyntaxFault(first + 1, last - first);
}

}  // namespace qv
