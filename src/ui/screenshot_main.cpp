// quorvel-screenshot [--scaling=PERCENT] FILE.png [KEYS]: the main window of a fresh start,
// rendered offscreen, after the keys KEYS were typed into it as a user types them ("t" shows
// the tape, "s" the tax panel, "=" stands for Enter); PERCENT is the window scaling.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fakes.h"
#include "program/program.h"
#include "ui/frontend.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/scaling.h"
#include "ui/tape_printer.h"
#include "ui/theme.h"

namespace {

void Type(QWidget& window, const QString& keys) {
  for (const QChar c : keys) {
    // Printable keys carry the code of their upper-case character.
    const int key = c == QLatin1Char('=') ? int(Qt::Key_Return) : int(c.toUpper().unicode());
    const QString text = c == QLatin1Char('=') ? QStringLiteral("\r") : QString(c);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&window, &press);
    QApplication::sendEvent(&window, &release);
    QApplication::processEvents();
  }
}

}  // namespace

int main(int argc, char** argv) {
  int scaling = 100;
  int first = 1;
  if (argc > 1 && std::strncmp(argv[1], "--scaling=", 10) == 0) {
    scaling = std::atoi(argv[1] + 10);
    ++first;
  }
  if (argc - first < 1 || argc - first > 2) {
    std::fprintf(stderr, "usage: quorvel-screenshot [--scaling=PERCENT] FILE.png [KEYS]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qv::ui::ApplyScaling(scaling);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  qv::ui::ApplyTheme(app);
  const QString target = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[first]));
  const QString keys = argc - first == 2 ? QString::fromLocal8Bit(argv[first + 1]) : QString();
  QTemporaryDir sandbox;
  // The start and documents folders of a fresh installation: no settings of the user show.
  qvs::SandboxFolders folders;
  folders.startDir = folders.documentsDir = sandbox.path().toStdString();
  qv::ui::QtPrompts prompts;
  qv::ui::QtClipboard clipboard;
  qv::ui::QtShell shell;
  qv::ui::QtPrinter printer([&prompts]() -> QPrinter& { return prompts.Printer(); });
  qvs::FakeWordProcessor word;
  qv::SystemClock clock;
  qvs::FakeNetwork network;
  qv::Program program({prompts, clipboard, shell, folders, printer, word, clock, network});
  qv::ui::Frontend frontend(program, prompts);
  frontend.Start();
  QApplication::processEvents();
  Type(frontend.Window(), keys);
  if (!frontend.Window().grab().save(target)) {
    std::fprintf(stderr, "quorvel-screenshot: cannot write %s\n", qPrintable(target));
    return 1;
  }
  return 0;
}
