// The graph panel's redraw, as the user waits for it (one frame, about 16 ms, is the aim):
//   RedrawHeld:   a redraw with two held curves and the intersection search at Z = 200,
//                 "Dreifache Auflösung" (-600 ... 600), for x^2 against x and for sin(x)
//                 against cos(x): the curve of the last term, the marker, the search.
//   PlotHeld:     the same redraw with the search switched off: the curve and the marker.
//   Search:       the search alone, on a parser of its own.
//   Redraw:       a redraw without holding at the default zoom: white picture, grid with
//                 every axis number, the undo copy, the curve and the marker.
//   AllIntersections: "Alle Schnittpunkte" at Z = 200, "Dreifache Auflösung", for sin(x)
//                 against cos(x) and for a polynomial of degree 4 against x.
//   WidestSearch: the search over the widest free range accepted (-5 000 ... 5 000) for
//                 curves that never meet but come near in every period, so that every step of
//                 the scan is a fine one and the true points are looked for as well; the bound
//                 of every search.
// Argument 0 is the polynomial pair, 1 the trigonometric one.
#include <benchmark/benchmark.h>

#include "graph/curve_points.h"
#include "graph/graph_panel.h"
#include "graph/intersection_search.h"

namespace {

constexpr const char* kPairs[][2] = {{"x^2", "x"}, {"sin(x)", "cos(x)"}};

// The panels without the main window; the caption of a plain window takes the progress texts.
struct Panel {
  Panel() {
    graph.Host = {.entry1 = [] { return std::string("0.5"); },
                  .field1Display = [] { return std::string("0,5"); },
                  .window = &window};
    functions.Show();
  }
  // Two terms held, the search on, Z = 200.
  void Hold(int pair, bool search) {
    functions.ComboBox1.SetText(kPairs[pair][0]);
    graph.ComboBox1.SetItemIndex(static_cast<int>(graph.ComboBox1.Items().size()) - 1);
    functions.Terms.Add(kPairs[pair][0]);
    graph.Halten.Click();
    graph.HoldPressed();
    functions.ComboBox1.SetText(kPairs[pair][1]);
    functions.Terms.Add(kPairs[pair][1]);
    graph.SnP.SetChecked(search);
  }
  qv::TFrame7 functions;
  qv::TFrame2 graph{functions};
  qv::Form window{"TForm1", "Form1"};
};

void BM_RedrawHeld(benchmark::State& state) {
  Panel p;
  p.Hold(static_cast<int>(state.range(0)), true);
  for (auto _ : state) {
    p.graph.RedrawFunctionMode();
    benchmark::DoNotOptimize(p.graph.Cuts.Cut1X);
  }
}
BENCHMARK(BM_RedrawHeld)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlotHeld(benchmark::State& state) {
  Panel p;
  p.Hold(static_cast<int>(state.range(0)), false);
  for (auto _ : state) {
    p.graph.RedrawFunctionMode();
    benchmark::DoNotOptimize(p.graph.MarkerValue);
  }
}
BENCHMARK(BM_PlotHeld)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state) {
  const auto& pair = kPairs[state.range(0)];
  qv::Form window("TForm1", "Form1");
  for (auto _ : state) {
    qv::TMathParser parser(true);
    qv::ParserEvaluator evaluator(parser);
    const qv::SearchOutcome outcome =
        qv::SearchIntersections(evaluator, {pair[0], pair[1], pair[1]}, -600, 600, window);
    benchmark::DoNotOptimize(outcome.Cut1X);
  }
}
BENCHMARK(BM_Search)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Redraw(benchmark::State& state) {
  Panel p;
  p.functions.ComboBox1.SetText(kPairs[state.range(0)][0]);
  for (auto _ : state) {
    p.graph.RedrawFunctionMode();
    benchmark::DoNotOptimize(p.graph.MarkerValue);
  }
}
BENCHMARK(BM_Redraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

constexpr const char* kListPairs[][2] = {{"sin(x)", "cos(x)"},
                                         {"0,01*x^4-0,5*x^3-2*x^2+3*x-1", "x"}};

void BM_AllIntersections(benchmark::State& state) {
  const auto& pair = kListPairs[state.range(0)];
  for (auto _ : state) {
    qv::TMathParser parser(true);
    qv::ParserEvaluator evaluator(parser);
    const qv::PointList list = qv::FindIntersections(evaluator, pair[0], pair[1], -600, 600);
    benchmark::DoNotOptimize(list.points.data());
  }
}
BENCHMARK(BM_AllIntersections)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WidestSearch(benchmark::State& state) {
  qv::Form window("TForm1", "Form1");
  const qv::Extended half = qv::kMaxSearchSteps * qv::kSearchStep / 2;
  for (auto _ : state) {
    qv::TMathParser parser(true);
    qv::ParserEvaluator evaluator(parser);
    const qv::SearchOutcome outcome = qv::SearchIntersections(
        evaluator, {"sin(x)+0,5*cos(3*x)", "sin(x)+1,6", "sin(x)+1,6"}, -half, half, window);
    benchmark::DoNotOptimize(outcome.Cut1X);
  }
}
BENCHMARK(BM_WidestSearch)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
