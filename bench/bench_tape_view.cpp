// The tape model with its Qt view attached: every appended line reaches the view as one new
// block, so appending costs the same per line at any tape length; and a tape file opened into
// the shown view takes time in proportion to its lines (goals: 10 000 lines under 0.1 s,
// 100 000 under 1 s, 1 000 000 under 10 s, under the busy cursor).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "fakes.h"
#include "sandbox.h"
#include "tape/tape_file.h"
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
  qvs::FakeNetwork network;
  qv::TFrame4 frame{qv::Ports{prompts, clipboard, shell, folders, printer, word, clock, network}};
  qv::ui::TapeView view{frame, nullptr};
  qv::Form window{"TForm1", "Form1"};  // takes the panel's cursor

  ShownTape() {
    window.AddFrame(frame);
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

// A tape file of calculations as the calculator writes them: start value, operand, rule,
// total in red or black, and a blank line between the blocks.
std::string WriteTapeFile(const std::filesystem::path& dir, int lines) {
  qv::TapeModel tape;
  tape.TapeClear();
  for (int i = 0; tape.TapeLineCount() < lines; ++i) {
    const bool negative = i % 3 == 0;
    const std::string value = negative ? "-1.234,56" : "12.345.678,90";
    tape.TapeSetStyle({.bold = true, .color = negative ? qv::kTapeRed : qv::kTapeBlack});
    tape.TapeAppendLine(value + " ^");
    tape.TapeAppendLine("17,25 +");
    tape.TapeAppendRule(value);
    tape.TapeAppendLine(value + " T");
    tape.TapeStartEntry();
  }
  while (tape.TapeLineCount() > lines) tape.TapeRemoveLastLine();
  const std::string path = (dir / ("Tape" + std::to_string(lines) + ".rtf")).string();
  if (qv::SaveTapeFile(path, tape.Document(), qv::TapeFileFormat::Rtf))
    throw std::runtime_error("cannot write " + path);
  return path;
}

// Processor time of this thread, in seconds: the wall time depends on what else the machine
// runs.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The open command of the panel with a file of range(0) lines, into a fresh tape whose view is
// shown. The time is the time the window is blocked: from the click until the view has painted
// the opened tape and the window answers again ("cpu_s" the processor time of it). "end_s" is
// the time until the view, laid out in steps meanwhile, shows the tape's last line; "busy" the
// share of the opens that showed the busy cursor.
void BM_ViewOpenFile(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int lines = static_cast<int>(state.range(0));
  qvs::Sandbox sandbox;
  const std::string path = WriteTapeFile(sandbox.dir, lines);
  double busyShown = 0, cpuSeconds = 0, endSeconds = 0;
  for (auto _ : state) {
    auto tape = std::make_unique<ShownTape>();
    bool busy = false;
    tape->window.OnCaptionOrCursor = [&] { busy |= tape->window.GetCursor() == qv::Cursor::Busy; };
    QApplication::processEvents();
    tape->prompts.answers.push_back({qvs::QueuedAnswer::File, path});
    const Clock::time_point start = Clock::now();
    const double cpuStart = ThreadSeconds();
    tape->frame.FileOpenDialog1.Click();
    tape->view.repaint();
    cpuSeconds += ThreadSeconds() - cpuStart;
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    const QTextBlock last = tape->view.document()->lastBlock();
    const QScrollBar& bar = *tape->view.verticalScrollBar();
    while (last.layout()->lineCount() == 0 || bar.value() < bar.maximum())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    endSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    busyShown += busy;
    if (tape->frame.Tape.TapeLineCount() != lines || !tape->prompts.messages.empty()) {
      state.SkipWithError("the file was not opened");
      break;
    }
  }
  state.counters["busy"] = benchmark::Counter(busyShown, benchmark::Counter::kAvgIterations);
  state.counters["cpu_s"] = benchmark::Counter(cpuSeconds, benchmark::Counter::kAvgIterations);
  state.counters["end_s"] = benchmark::Counter(endSeconds, benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ViewOpenFile)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
