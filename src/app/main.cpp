// Quorvel: the application, its style, the windows in their order of creation and the message
// loop until the main window closes.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

#include "platform/errors.h"
#include "platform/inifile.h"
#include "platform/settings_place.h"
#include "program/program.h"
#include "ui/binder.h"
#include "ui/desktop_word.h"
#include "ui/frontend.h"
#include "ui/main_window.h"
#include "ui/qt_network.h"
#include "ui/program_icon.h"
#include "ui/qt_ports.h"
#include "ui/scaling.h"
#include "ui/single_instance.h"
#include "ui/tape_printer.h"
#include "ui/theme.h"

namespace {

using Clock = std::chrono::steady_clock;

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// The window scaling of the last run ("Skalierung" of the settings file), applied before the
// application exists: 100, 120 or 150 percent.
int StoredScaling() {
  qv::LocalFolders folders;
  const qv::IniFile ini(qv::LocateSettingsFile(folders).Source());
  return qv::KnownScaling(ini.ReadInteger("Config", "Skalierung", 100));
}

// German texts in Qt's own dialogs (file, colour, font and printer dialogs).
void LoadGermanTexts(QApplication& app, QTranslator& translator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  if (translator.load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&translator);
}

// For the start-up benchmark: reports when the main window has painted first, then ends.
class ShownReporter : public QObject {
 public:
  explicit ShownReporter(Clock::time_point begin) : begin_(begin) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      const std::chrono::duration<double, std::milli> ms = Clock::now() - begin_;
      std::printf("quorvel: main window shown %.1f ms after main() began\n", ms.count());
      std::fflush(stdout);
      // Ends the loop without closing the window, so that no settings are written.
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  Clock::time_point begin_;
  bool reported_ = false;
};

// Takes this start's locks; another program holding one is brought to the front, or the user
// is told why it cannot be. Answers the exit code of a start that does not run.
std::optional<int> RefusedStart(qv::ui::SingleInstance& instance, qv::Prompts& prompts) {
  using Claim = qv::ui::SingleInstance::Claim;
  switch (instance.Take(std::chrono::seconds(5))) {
    case Claim::Granted:
      return std::nullopt;
    case Claim::Raised:
      std::fputs("quorvel: already running; its window was brought to the front\n", stderr);
      return 0;
    case Claim::Unanswered:
      break;
  }
  prompts.ShowMessage(instance.UnansweredText().toStdString());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point begin = Clock::now();
  if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
    std::fputs(
        "quorvel: no display found (DISPLAY/WAYLAND_DISPLAY not set); run it inside a "
        "desktop session or under xvfb-run\n",
        stderr);
    return 1;
  }
  qv::ui::ApplyScaling(StoredScaling());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  qv::ui::ApplyTheme(app);
  qv::ui::ApplyProgramIcon(app);
  QTranslator translator;
  LoadGermanTexts(app, translator);

  qv::ui::QtPrompts prompts;
  qv::ui::QtClipboard clipboard;
  qv::ui::QtShell shell;
  qv::LocalFolders folders;
  qv::ui::SingleInstance instance(qv::ui::LockFilesOf(folders));
  if (const std::optional<int> code = RefusedStart(instance, prompts)) return *code;
  qv::SystemClock clock;
  qv::ui::QtNetwork network;
  qv::ui::QtPrinter printer([&prompts]() -> QPrinter& { return prompts.Printer(); });
  std::optional<qv::Program> program;
  // The document handed to the word processor lies in the data folder.
  qv::ui::DesktopWord word([&program] { return program->Main().DataFolder() + "/Word.rtf"; });
  qv::RunGuarded(prompts, [&] {
    program.emplace(qv::Ports{prompts, clipboard, shell, folders, printer, word, clock, network});
  });
  if (!program) return 1;
  qv::ui::Frontend frontend(*program, prompts);
  network.RunEvent = [&frontend](const std::function<void()>& event) {
    frontend.GetBinder().Run(event);
  };
  instance.Serve([&] {
    if (program->Closed()) return false;
    qv::ui::BringToFront(frontend.Window());
    return true;
  });

  ShownReporter reporter(begin);
  if (Set("QUORVEL_EXIT_AFTER_SHOW")) frontend.Window().installEventFilter(&reporter);
  frontend.Start();
  return QApplication::exec();
}
