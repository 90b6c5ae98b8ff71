// The longest repeat series one request may ask for (the count is capped at 10 000) must stay
// well below a second, so that the window does not seem to hang; and the undo of a step.
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/main_window.h"
#include "sandbox.h"

namespace {

struct Window : qvs::Sandbox {
  Window() {
    form = std::make_unique<qv::TForm1>(Ports());
    form->Button46Click();  // the tape shown
  }
  // 1 + 1 with field 2 active: ready to repeat.
  void Prepare() {
    form->ClearAll();
    form->DigitKey('1');
    form->OperatorKey('+');
    form->DigitKey('1');
  }
  std::unique_ptr<qv::TForm1> form;
};

void BM_RepeatSeriesOfMostSteps(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    state.PauseTiming();
    w.Prepare();
    w.prompts.answers.push_back({qvs::QueuedAnswer::Text, "1000000000"});
    w.prompts.messages.clear();
    state.ResumeTiming();
    w.form->RepeatWithPrompt();
    benchmark::DoNotOptimize(w.form->S.CurValue);
  }
}
BENCHMARK(BM_RepeatSeriesOfMostSteps)->Unit(benchmark::kMillisecond);

void BM_UndoOfARepeatStep(benchmark::State& state) {
  Window w;
  w.Prepare();
  w.form->RepeatKey();
  for (auto _ : state) {
    w.form->S.RepeatCount = 2;  // keeps the series open
    w.form->UndoKey();
    benchmark::DoNotOptimize(w.form->S.CurValue);
  }
}
BENCHMARK(BM_UndoOfARepeatStep);

}  // namespace

BENCHMARK_MAIN();
