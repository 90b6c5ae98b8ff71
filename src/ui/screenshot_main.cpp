// quorvel-screenshot FILE.png: the main window as a fresh start shows it, rendered offscreen.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "program/program.h"
#include "fakes.h"
#include "ui/frontend.h"
#include "ui/main_window.h"
#include "ui/qt_ports.h"
#include "ui/tape_printer.h"
#include "ui/theme.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvel-screenshot FILE.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel"));
  qv::ui::ApplyTheme(app);
  const QString target = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
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
  qv::Program program({prompts, clipboard, shell, folders, printer, word, clock});
  qv::ui::Frontend frontend(program, prompts);
  frontend.Start();
  QApplication::processEvents();
  if (!frontend.Window().grab().save(target)) {
    std::fprintf(stderr, "quorvel-screenshot: cannot write %s\n", qPrintable(target));
    return 1;
  }
  return 0;
}
