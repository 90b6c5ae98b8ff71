// Two starts with the same settings file: the second brings the first to the front and ends
// without touching a file, also while the first is still starting; it waits for one that is
// closing (the restart after a change of the scaling) and takes over the locks of one that
// crashed. Each case runs the real program, offscreen, in a home folder of its own.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "fakes.h"
#include "ui/single_instance.h"

namespace qv::ui {
namespace {

class SingleInstanceTest : public testing::Test {
 protected:
  SingleInstanceTest() {
    QDir(root.path()).mkpath(QStringLiteral("start"));
    QDir(root.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(Path("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // The test's own locks and socket lie where the program looks for them.
    qputenv("XDG_RUNTIME_DIR", Path("run").toLocal8Bit());
    folders.startDir = Path("start").toStdString();
    folders.documentsDir = Path("home/Documents").toStdString();
    folders.settingsDir = Path("home/.config/Quorvel").toStdString();
  }

  QString Path(const char* relative) const { return root.filePath(QString::fromLatin1(relative)); }
  QString SettingsFile() const { return Path("home/.config/Quorvel/Quorvel.ini"); }
  QString TapeBackup() const { return Path("home/Documents/Quorvel/~temp.rtf"); }

  // Starts the program; with exitAfterShow it ends once its window has been painted, without
  // writing its settings.
  std::unique_ptr<QProcess> Start(bool exitAfterShow) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), Path("home"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("run"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (exitAfterShow) env.insert(QStringLiteral("QUORVEL_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(Path("start"));
    process->start(QStringLiteral(QUORVEL_PROGRAM), {});
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
  }

  // Waits with the event loop running, so that the test's own socket answers meanwhile.
  static bool Ended(QProcess& process) {
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 15000);
  }
  static bool ShowedItsWindow(QProcess& process) {
    return process.readAllStandardOutput().contains("main window shown");
  }

  QTemporaryDir root;
  qvs::SandboxFolders folders;
};

TEST_F(SingleInstanceTest, ASecondStartBringsTheFirstToTheFrontAndEnds) {
  std::unique_ptr<QProcess> first = Start(false);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(SettingsFile() + ".lock"); }, 10000));
  QFile(TapeBackup()).open(QIODevice::WriteOnly);  // the first one's cleared tape

  QElapsedTimer time;
  time.start();
  std::unique_ptr<QProcess> second = Start(true);
  ASSERT_TRUE(Ended(*second));
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_FALSE(ShowedItsWindow(*second));
  EXPECT_TRUE(second->readAllStandardError().contains("already running"));
  EXPECT_LT(time.elapsed(), 4000);  // it was answered, not given up on
  EXPECT_EQ(first->state(), QProcess::Running);
  EXPECT_TRUE(QFile::exists(TapeBackup()));
  EXPECT_FALSE(QFile::exists(SettingsFile()));

  // A first one that crashed leaves its locks behind; the next start takes them over.
  ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
  ASSERT_TRUE(Ended(*first));
  std::unique_ptr<QProcess> third = Start(true);
  ASSERT_TRUE(Ended(*third));
  EXPECT_EQ(third->exitCode(), 0);
  EXPECT_TRUE(ShowedItsWindow(*third));
}

TEST_F(SingleInstanceTest, TheRunningProgramIsAskedAndAStartWhileItClosesWaitsForIt) {
  std::optional<SingleInstance> running;
  running.emplace(LockFilesOf(folders));
  ASSERT_EQ(running->Take(std::chrono::milliseconds(0)), SingleInstance::Claim::Granted);
  int asked = 0;
  bool closing = false;
  running->Serve([&] {
    ++asked;
    return !closing;
  });
  std::unique_ptr<QProcess> second = Start(true);
  ASSERT_TRUE(Ended(*second));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(ShowedItsWindow(*second));

  // Closing: the new start waits until the locks are released, then runs.
  closing = true;
  QElapsedTimer time;
  time.start();
  std::unique_ptr<QProcess> restarted = Start(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return asked > 1; }, 5000));
  QTest::qWait(500);
  EXPECT_EQ(restarted->state(), QProcess::Running);
  running.reset();
  ASSERT_TRUE(Ended(*restarted));
  EXPECT_EQ(restarted->exitCode(), 0);
  EXPECT_TRUE(ShowedItsWindow(*restarted));
  EXPECT_GE(time.elapsed(), 500);
}

TEST_F(SingleInstanceTest, AHolderThatNeverAnswersIsReportedAfterAWhile) {
  SingleInstance silent(LockFilesOf(folders));
  ASSERT_EQ(silent.Take(std::chrono::milliseconds(0)), SingleInstance::Claim::Granted);
  SingleInstance later(LockFilesOf(folders));
  EXPECT_EQ(later.Take(std::chrono::milliseconds(300)), SingleInstance::Claim::Unanswered);
  EXPECT_EQ(later.UnansweredText(),
            QStringLiteral("Quorvel läuft bereits (Prozess %1, Datei %2), antwortet aber nicht. "
                           "Bitte schließen Sie jenes Fenster und starten Sie Quorvel dann erneut.")
                .arg(QCoreApplication::applicationPid())
                .arg(SettingsFile() + ".lock"));
}

}  // namespace
}  // namespace qv::ui
