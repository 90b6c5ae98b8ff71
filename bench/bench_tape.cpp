// The tape model and its RTF files at the sizes a long working day reaches: appending must
// cost the same per line at any tape length, and a 10 000-line tape must save and load as
// RTF in well under 100 ms together.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "tape/rtf_reader.h"
#include "tape/rtf_writer.h"
#include "tape/tape_model.h"

namespace {

// Stands for the view: it is told of every line.
class CountingObserver : public qv::TapeObserver {
 public:
  void LineAppended(const qv::TapeParagraph& line) override { seen += line.runs.size(); }
  void LastLineReplaced(const qv::TapeParagraph&) override {}
  void LinesRemovedFromEnd(int count) override { seen += count; }
  void Cleared() override {}
  void DocumentReplaced() override {}
  void StyleChanged(const qv::TapeStyle&) override {}
  void UndoCleared() override {}
  size_t seen = 0;
};

// One calculation as the calculator writes it: start line, operand, rule, total, separator.
void AppendCalculation(qv::TapeModel& tape, int i) {
  static const std::array<std::string, 3> kValues = {"1.234,56", "-3,5", "€ 12.345.678,90"};
  const std::string& value = kValues[i % kValues.size()];
  tape.TapeSetStyle({.bold = true, .color = value[0] == '-' ? qv::kTapeRed : qv::kTapeBlack});
  tape.TapeAppendLine(value + " ^");
  tape.TapeAppendLine("17,25 +");
  tape.TapeAppendRule(value);
  tape.TapeAppendLine(value + " T");
  tape.TapeStartEntry();
}

qv::TapeModel TapeOfLines(int lines) {
  qv::TapeModel tape;
  for (int i = 0; tape.TapeLineCount() < lines; ++i) AppendCalculation(tape, i);
  while (tape.TapeLineCount() > lines) tape.TapeRemoveLastLine();
  return tape;
}

// Cost of one appended line on a tape that already holds range(0) lines.
void BM_AppendLineAtTapeSize(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  qv::TapeModel tape = TapeOfLines(size);
  CountingObserver view;
  tape.AddObserver(&view);
  for (auto _ : state) {
    tape.TapeAppendLine("1.234.567,89 +");
    if (tape.TapeLineCount() >= size + 10000) {
      state.PauseTiming();
      while (tape.TapeLineCount() > size) tape.TapeRemoveLastLine();
      state.ResumeTiming();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendLineAtTapeSize)->Arg(1000)->Arg(10000)->Arg(100000);

// A fresh tape filled with 10 000 lines of calculations.
void BM_Append10000Lines(benchmark::State& state) {
  for (auto _ : state) {
    qv::TapeModel tape = TapeOfLines(10000);
    benchmark::DoNotOptimize(tape.TapeTextLength());
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Append10000Lines)->Unit(benchmark::kMillisecond);

void BM_SaveRtf10000Lines(benchmark::State& state) {
  qv::TapeModel tape = TapeOfLines(10000);
  for (auto _ : state) benchmark::DoNotOptimize(qv::WriteRtf(tape.Document()));
}
BENCHMARK(BM_SaveRtf10000Lines)->Unit(benchmark::kMillisecond);

void BM_LoadRtf10000Lines(benchmark::State& state) {
  std::string rtf = qv::WriteRtf(TapeOfLines(10000).Document());
  for (auto _ : state) benchmark::DoNotOptimize(qv::ReadRtf(rtf));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_LoadRtf10000Lines)->Unit(benchmark::kMillisecond);

// The goal: both together under 100 ms.
void BM_SaveAndLoadRtf10000Lines(benchmark::State& state) {
  qv::TapeModel tape = TapeOfLines(10000);
  for (auto _ : state) {
    qv::TapeReadResult read = qv::ReadRtf(qv::WriteRtf(tape.Document()));
    tape.ReplaceDocument(std::move(read.document));
  }
}
BENCHMARK(BM_SaveAndLoadRtf10000Lines)->Unit(benchmark::kMillisecond);

// The undo's trim on a 10 000-line tape ending in two blank lines (appending them included).
void BM_TrimBlankEnd10000Lines(benchmark::State& state) {
  qv::TapeModel tape = TapeOfLines(10000);
  for (auto _ : state) {
    tape.TapeAppendLine("");
    tape.TapeAppendLine("");
    benchmark::DoNotOptimize(tape.TapeTrimBlankEnd());
  }
}
BENCHMARK(BM_TrimBlankEnd10000Lines);

// Removing the last line of a 10 000-line tape (appending it again included).
void BM_RemoveLastLine10000Lines(benchmark::State& state) {
  qv::TapeModel tape = TapeOfLines(10000);
  for (auto _ : state) {
    tape.TapeRemoveLastLine();
    tape.TapeAppendLine("1.234,56 T");
  }
}
BENCHMARK(BM_RemoveLastLine10000Lines);

}  // namespace

BENCHMARK_MAIN();
