// The expression parser on arbitrary terms: the compiled evaluation must give exactly what
// the direct algorithm gives (value, error number, message, position, length, blamed operands),
// also when the same parser evaluates the term again: with other constant values, with
// nothing changed, with a value set to itself and after the angle mode switched, so that the
// results a compiled term keeps between calls are met in every state. The first byte chooses
// the operator table, the angle mode and the values of "x"; the rest is the term.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/parser/parse_outcome.h"

namespace {

using qv::testing::Evaluation;
using qv::testing::Outcome;

// The direct algorithm costs length x depth x operators: beyond this length only the compiled
// evaluation runs (no crash, no hang: deep nesting ends at MaxTermDepth), so that the long
// inputs of a long run do not slow every run down. The unit tests compare both at the depth limit.
constexpr std::size_t kCompared = 128;

// Compares the compiled evaluation with the direct algorithm's outcome, which is computed
// again only when the parser's state changed since the last call (it does not keep results).
void Compare(qv::TMathParser& parser, std::string_view term, bool stateChanged,
             qv::testing::ParseOutcome& direct) {
  const qv::testing::ParseOutcome compiled = Outcome(parser, term, Evaluation::Compiled);
  if (term.size() > kCompared) return;
  if (stateChanged) direct = Outcome(parser, term, Evaluation::Reference);
  if (compiled == direct) return;
  std::fprintf(stderr, "term \"%.*s\": compiled %d/%d/%d, direct %d/%d/%d\n",
               static_cast<int>(term.size()), term.data(), compiled.error, compiled.position,
               compiled.length, direct.error, direct.position, direct.length);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view term(reinterpret_cast<const char*>(data) + 1, size - 1);
  const qv::Extended xs[] = {2, 0, -1, 0.5L, 90, 1e300L, -3.14159265358979L, 1000};
  qv::DegreeMode = (data[0] & 2) != 0;
  qv::TMathParser parser(true);
  if (data[0] & 1) qv::testing::AddOddOperators(parser);
  parser.SetConstantValue("a", 2);
  parser.SetConstantValue("b", 3);
  parser.SetConstantValue("c", -1);
  parser.SetConstantValue("x", xs[(data[0] >> 2) & 7]);
  qv::testing::ParseOutcome direct;
  Compare(parser, term, true, direct);
  parser.SetConstantValue("x", xs[(data[0] >> 5) & 7]);
  parser.SetConstantValue("b", 0);
  Compare(parser, term, true, direct);
  Compare(parser, term, false, direct);
  parser.SetConstantValue("a", parser.GetConstantValue("a"));
  qv::DegreeMode = !qv::DegreeMode;
  Compare(parser, term, true, direct);
  return 0;
}
