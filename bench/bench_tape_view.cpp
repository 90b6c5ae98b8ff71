// The tape model with its Qt view attached: every appended line reaches the view as one new
// block, so appending costs the same per line at any tape length.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "fakes.h"
#include "tape/tape_panel.h"
#include "ui/tape_view.h"

namespace {

// A tape panel with its view shown offscreen.
struct ShownTape {
  qvs::FakePrompts prompts;
  qvs::FakeClipboard clipboard;
  qvs::FakeShell shell;
  qvs::SandboxFolders folders;
  qvs::FakePrinter printer;
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qv::TFrame4 frame{qv::Ports{prompts, clipboard, shell, folders, printer, word, clock}};
  qv::ui::TapeView view{frame, nullptr};

  ShownTape() {
    view.resize(250, 380);
    view.show();
  }
  void Append(int i) {
    frame.Tape.TapeSetStyle({.bold = true, .color = i % 3 == 0 ? qv::kTapeRed : qv::kTapeBlack});
    frame.Tape.TapeAppendLine(std::to_string(i) + ",25 +");
  }
};

// Cost of one appended line, shown, on a tape that already holds range(0) lines.
void BM_ViewAppendLineAtTapeSize(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  ShownTape tape;
  for (int i = 0; i < size; ++i) tape.Append(i);
  QApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    tape.Append(++i);
    QApplication::processEvents();
    if (i % 5000 == 0) {
      state.PauseTiming();
      while (tape.frame.Tape.TapeLineCount() > size) tape.frame.Tape.TapeRemoveLastLine();
      QApplication::processEvents();
      state.ResumeTiming();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ViewAppendLineAtTapeSize)->Arg(1000)->Arg(10000)->Arg(50000);

// A fresh panel filled with 10 000 lines, the view shown throughout.
void BM_ViewAppend10000Lines(benchmark::State& state) {
  for (auto _ : state) {
    ShownTape tape;
    for (int i = 0; i < 10000; ++i) tape.Append(i);
    QApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_ViewAppend10000Lines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
