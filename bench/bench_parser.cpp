// The parser as the plotter and the intersection search use it, against muparser evaluating
// the same expressions with variables (so that its constant folding cannot skip the work).
//   First:     create a parser, set a, b, c, x, parse the text once.
//   Repeated:  one parser; per evaluation set a new x and parse the unchanged text. The n-th
//              evaluation takes x = 0.1 + n * 0.001, computed from the count rather than by
//              adding to the last x, which in extended precision would make the loop wait on
//              each addition's trip through memory.
//   Direct:    the same, by the direct algorithm (re-splits the text every time).
//   Alternating: as an intersection search does, two terms in turn with the same x, on one
//              parser: a+b*x and the term given; time per evaluation.
//   LeadingSigns: a fresh term of 20 000 signs in front of a number, by both algorithms;
//              time per parse of the whole run.
//   HandWritten: no parser at all, the term written out in C++ in 80-bit extended, reading its
//              values where a parser keeps them (x set in memory before each call). What an
//              80-bit evaluation cannot go below on this machine, for comparison with both.
// Ours computes in 80-bit extended, muparser in double. The repeated figures depend on where
// the stack and the heap lie: in about one start of six, 80-bit stores and loads whose
// addresses alias make ours markedly slower. `setarch -R` gives the same layout on every start.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "parser/mathparser.h"

namespace {

const std::string kTerms[] = {"a+b*x", "sin(x)^2+cos(x)^2", "a*x^2+b*x+c", "(a^2/sin(2*pi/b))-a/2"};

void SetConstants(qv::TMathParser& parser, qv::Extended x) {
  parser.SetConstantValue("a", 2.5L);
  parser.SetConstantValue("b", 3);
  parser.SetConstantValue("c", -1);
  parser.SetConstantValue("x", x);
}

void Label(benchmark::State& state) {
  state.SetLabel(kTerms[state.range(0)]);
}

void BM_QuorvelFirst(benchmark::State& state) {
  const std::string& term = kTerms[state.range(0)];
  qv::Extended x = 0.1L;
  for (auto _ : state) {
    qv::TMathParser parser(true);
    SetConstants(parser, x);
    benchmark::DoNotOptimize(parser.Parse(term));
    x += 0.001L;
  }
  Label(state);
}

template <qv::Extended (qv::TMathParser::*Evaluate)(std::string_view)>
void Repeated(benchmark::State& state) {
  const std::string& term = kTerms[state.range(0)];
  qv::TMathParser parser(true);
  SetConstants(parser, 0.1L);
  std::int64_t n = 0;
  for (auto _ : state) {
    parser.SetConstantValue("x", 0.1L + static_cast<qv::Extended>(n++) * 0.001L);
    benchmark::DoNotOptimize((parser.*Evaluate)(term));
  }
  Label(state);
}

void BM_QuorvelRepeated(benchmark::State& state) {
  Repeated<&qv::TMathParser::Parse>(state);
}
void BM_QuorvelDirect(benchmark::State& state) {
  Repeated<&qv::TMathParser::ReferenceParse>(state);
}

struct MuVariables {
  double a = 2.5, b = 3, c = -1, x = 0.1;
  void Define(mu::Parser& parser) {
    parser.DefineVar("a", &a);
    parser.DefineVar("b", &b);
    parser.DefineVar("c", &c);
    parser.DefineVar("x", &x);
    parser.DefineConst("pi", 3.14159265358979323846);
  }
};

void BM_MuParserFirst(benchmark::State& state) {
  MuVariables vars;
  for (auto _ : state) {
    mu::Parser parser;
    vars.Define(parser);
    parser.SetExpr(kTerms[state.range(0)]);
    benchmark::DoNotOptimize(parser.Eval());
    vars.x += 0.001;
  }
  Label(state);
}

void BM_MuParserRepeated(benchmark::State& state) {
  MuVariables vars;
  mu::Parser parser;
  vars.Define(parser);
  parser.SetExpr(kTerms[state.range(0)]);
  std::int64_t n = 0;
  for (auto _ : state) {
    vars.x = 0.1 + static_cast<double>(n++) * 0.001;
    benchmark::DoNotOptimize(parser.Eval());
  }
  Label(state);
}

void BM_QuorvelAlternating(benchmark::State& state) {
  const std::string& term = kTerms[state.range(0)];
  qv::TMathParser parser(true);
  SetConstants(parser, 0.1L);
  std::int64_t n = 0;
  for (auto _ : state) {
    parser.SetConstantValue("x", 0.1L + static_cast<qv::Extended>(n++ / 2) * 0.001L);
    benchmark::DoNotOptimize(parser.Parse(n % 2 == 0 ? kTerms[0] : term));
  }
  Label(state);
}

void BM_MuParserAlternating(benchmark::State& state) {
  MuVariables vars;
  mu::Parser first;
  mu::Parser second;
  vars.Define(first);
  vars.Define(second);
  first.SetExpr(kTerms[0]);
  second.SetExpr(kTerms[state.range(0)]);
  std::int64_t n = 0;
  for (auto _ : state) {
    vars.x = 0.1 + static_cast<double>(n++ / 2) * 0.001;
    benchmark::DoNotOptimize(n % 2 == 0 ? first.Eval() : second.Eval());
  }
  Label(state);
}

template <qv::Extended (qv::TMathParser::*Evaluate)(std::string_view)>
void LeadingSigns(benchmark::State& state) {
  const std::string term = std::string(20000, '-') + "1";
  for (auto _ : state) {
    qv::TMathParser parser(true);
    try {
      benchmark::DoNotOptimize((parser.*Evaluate)(term));
    } catch (const qv::EMathParsing&) {
    }
  }
}

void BM_QuorvelLeadingSigns(benchmark::State& state) {
  LeadingSigns<&qv::TMathParser::Parse>(state);
}
void BM_QuorvelDirectLeadingSigns(benchmark::State& state) {
  LeadingSigns<&qv::TMathParser::ReferenceParse>(state);
}

// The values a, b, c, x where the hand-written terms find them; a, b and c are doubles, as
// the parser loads them once it has seen that they are.
struct HandValues {
  double a = 2.5, b = 3, c = -1;
  qv::Extended x = 0.1L;
};
HandValues hand;

using HandTerm = qv::Extended (*)();
[[gnu::noinline]] qv::Extended HandLinear() {
  return hand.a + hand.b * hand.x;
}
[[gnu::noinline]] qv::Extended HandTrig() {
  qv::Extended s;
  qv::Extended c;
  ::sincosl(hand.x, &s, &c);
  return s * s + c * c;
}
[[gnu::noinline]] qv::Extended HandQuadratic() {
  const qv::Extended x = hand.x;
  return hand.a * (x * x) + hand.b * x + hand.c;
}
[[gnu::noinline]] qv::Extended HandConstant() {
  const qv::Extended a = hand.a;
  return a * a / ::sinl(2 * 3.1415926535897932385L / hand.b) - a / 2;
}
const HandTerm kHandTerms[] = {HandLinear, HandTrig, HandQuadratic, HandConstant};

void BM_HandWritten(benchmark::State& state) {
  const HandTerm term = kHandTerms[state.range(0)];
  std::int64_t n = 0;
  for (auto _ : state) {
    hand.x = 0.1L + static_cast<qv::Extended>(n++) * 0.001L;
    benchmark::DoNotOptimize(term());
  }
  Label(state);
}

BENCHMARK(BM_QuorvelFirst)->DenseRange(0, 3);
BENCHMARK(BM_MuParserFirst)->DenseRange(0, 3);
BENCHMARK(BM_QuorvelRepeated)->DenseRange(0, 3);
BENCHMARK(BM_MuParserRepeated)->DenseRange(0, 3);
BENCHMARK(BM_QuorvelDirect)->DenseRange(0, 3);
BENCHMARK(BM_QuorvelAlternating)->DenseRange(1, 3);
BENCHMARK(BM_MuParserAlternating)->DenseRange(1, 3);
BENCHMARK(BM_QuorvelLeadingSigns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuorvelDirectLeadingSigns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandWritten)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
