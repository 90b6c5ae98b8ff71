// The tests that need a window manager: under an X server (xvfb-run gives the display) this
// main starts openbox in a home folder of its own, waits until it manages the screen, runs the
// tests and stops it again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "ui/program_icon.h"
#include "ui/theme.h"

namespace {

// ctest counts this exit code as a skip (SKIP_RETURN_CODE).
constexpr int kSkipped = 77;

bool StartWindowManager(QProcess& wm, const QTemporaryDir& home) {
  const QString ready = home.filePath(QStringLiteral("ready"));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), home.path());
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
  env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
  wm.setProcessEnvironment(env);
  wm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  wm.start(QStringLiteral("openbox"), {QStringLiteral("--startup"), "touch " + ready});
  if (!wm.waitForStarted(5000)) return false;
  for (int i = 0; i < 100 && !QFile::exists(ready); ++i) QThread::msleep(50);
  return QFile::exists(ready);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fputs("these tests need an X server: run them under xvfb-run\n", stderr);
    return 1;
  }
  if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
    std::fputs("skipped: openbox is not installed (make test installs it)\n", stderr);
    return kSkipped;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QTemporaryDir home;
  QProcess wm;
  if (!StartWindowManager(wm, home)) {
    std::fputs("openbox did not start\n", stderr);
    return 1;
  }
  int result = 0;
  {
    QApplication app(argc, argv);
    qv::ui::ApplyTheme(app);
    qv::ui::ApplyProgramIcon(app);  // as the program does
    result = RUN_ALL_TESTS();
  }
  wm.terminate();
  if (!wm.waitForFinished(5000)) wm.kill();
  return result;
}
