// Start-up of the program: from starting the process to the main window painted, offscreen.
// The executable reports its first paint on stdout and ends (QUORVEL_EXIT_AFTER_SHOW); the time
// is taken here, from before the process is spawned to the moment that line arrives. A second
// benchmark builds the windows in this process, to tell Qt's own start from ours.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <string>

#include "program/program.h"
#include "fakes.h"
#include "ui/frontend.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/tape_printer.h"
#include "ui/theme.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Runs the program once; answers the seconds until it reported its window, or -1.
double SpawnUntilShown(const std::string& dir) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  char* argv[] = {const_cast<char*>(QUORVEL_BINARY), nullptr};
  const Clock::time_point begin = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, QUORVEL_BINARY, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  double seconds = -1;
  char c;
  while (spawned == 0 && read(out[0], &c, 1) == 1)
    if (c == '\n') {
      seconds = std::chrono::duration<double>(Clock::now() - begin).count();
      break;
    }
  close(out[0]);
  int status = 0;
  if (spawned == 0) waitpid(pid, &status, 0);
  return seconds;
}

void BM_ProcessStartToWindowShown(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QUORVEL_EXIT_AFTER_SHOW", "1", 1);
  const QTemporaryDir dir;  // a fresh start directory: no settings, none written
  for (auto _ : state) {
    const double seconds = SpawnUntilShown(dir.path().toStdString());
    if (seconds < 0) {
      state.SkipWithError("quorvel did not report its window");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_ProcessStartToWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The logic's windows, their widgets and the first push, in a running application.
void BM_BuildAndShowWindows(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "bench_startup";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  qv::ui::ApplyTheme(app);
  const QTemporaryDir dir;
  // The start and documents folders of a fresh installation: no settings of the user show.
  qvs::SandboxFolders folders;
  folders.startDir = folders.documentsDir = dir.path().toStdString();
  qv::ui::QtPrompts prompts;
  qv::ui::QtClipboard clipboard;
  qv::ui::QtShell shell;
  qv::ui::QtPrinter printer([&prompts]() -> QPrinter& { return prompts.Printer(); });
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qvs::FakeNetwork network;
  for (auto _ : state) {
    qv::Program program({prompts, clipboard, shell, folders, printer, word, clock, network});
    qv::ui::Frontend frontend(program, prompts);
    frontend.Start();
    frontend.Window().repaint();
  }
}
BENCHMARK(BM_BuildAndShowWindows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
