#include "ui/single_instance.h"

#include <QApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <filesystem>

#include "platform/settings_place.h"

namespace qv::ui {

namespace {

using std::chrono::steady_clock;

// How long a start waits for the holder to connect and to answer, and between two tries.
constexpr int kConnectMs = 300;
constexpr int kAnswerMs = 1000;
constexpr int kRetryMs = 100;

constexpr char kRequest[] = "raise\n";
constexpr char kRaised[] = "ok\n";
constexpr char kClosing[] = "closing\n";

// The socket of the program with that process number, in the user's own runtime folder.
QString ServerName(qint64 pid) {
  const QString name = QStringLiteral("quorvel-%1").arg(pid);
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? name : runtime + u'/' + name;
}

}  // namespace

QStringList LockFilesOf(Folders& folders) {
  const std::string settings = LocateSettingsFile(folders).path;
  const std::string data = DataFolderOf(folders);
  folders.CreateDir(std::filesystem::path(settings).parent_path().string());
  folders.CreateDir(data);
  return {QString::fromStdString(settings + ".lock"),
          QString::fromStdString(data + "/~Quorvel.lock")};
}

SingleInstance::SingleInstance(const QStringList& lockFiles) {
  for (const QString& file : lockFiles) {
    locks_.push_back(std::make_unique<QLockFile>(file));
    // Held for the whole run: only a holder that no longer runs leaves a stale lock.
    locks_.back()->setStaleLockTime(0);
  }
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::Take(std::chrono::milliseconds patience) {
  const steady_clock::time_point deadline = steady_clock::now() + patience;
  for (;;) {
    QLockFile* taken = nullptr;
    for (auto it = locks_.begin(); it != locks_.end() && !taken;) {
      QLockFile& lock = **it;
      if (lock.isLocked() || lock.tryLock(0)) {
        ++it;
      } else if (lock.error() != QLockFile::LockFailedError) {
        // A lock that cannot be made (a read-only folder) guards nothing that could be written.
        it = locks_.erase(it);
      } else {
        taken = &lock;
      }
    }
    if (!taken) return Claim::Granted;
    busyLock_ = taken->fileName();
    const bool raised = AskHolder(*taken);
    if (raised || steady_clock::now() >= deadline) {
      for (auto& lock : locks_) lock->unlock();
      return raised ? Claim::Raised : Claim::Unanswered;
    }
    QThread::msleep(kRetryMs);
  }
}

bool SingleInstance::AskHolder(const QLockFile& lock) {
  QString host, application;
  busyPid_ = 0;
  busyHost_.clear();
  if (!lock.getLockInfo(&busyPid_, &host, &application)) return false;  // written just now
  if (host != QSysInfo::machineHostName()) {
    busyHost_ = host;
    return false;
  }
  QLocalSocket socket;
  socket.connectToServer(ServerName(busyPid_));
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(kConnectMs)) return false;
  while (!socket.canReadLine() && socket.waitForReadyRead(kAnswerMs)) {
  }
  return socket.readLine() == kRaised;
}

QString SingleInstance::UnansweredText() const {
  if (!busyHost_.isEmpty())
    return QStringLiteral(
               "Quorvel läuft bereits auf dem Rechner %1 und hält die Datei %2. Bitte beenden "
               "Sie es dort und starten Sie Quorvel dann erneut.")
        .arg(busyHost_, busyLock_);
  return QStringLiteral(
             "Quorvel läuft bereits (Prozess %1, Datei %2), antwortet aber nicht. Bitte "
             "schließen Sie jenes Fenster und starten Sie Quorvel dann erneut.")
      .arg(busyPid_)
      .arg(busyLock_);
}

void SingleInstance::Serve(std::function<bool()> raise) {
  raise_ = std::move(raise);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  const QString name = ServerName(QCoreApplication::applicationPid());
  QLocalServer::removeServer(name);  // left behind by a crashed run with our process number
  // Without the socket later starts wait, then say that this one does not answer.
  if (!server_->listen(name)) return;
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (!socket->canReadLine()) return;
        const bool raised = socket->readLine() == kRequest && raise_();
        socket->write(raised ? kRaised : kClosing);
        socket->disconnectFromServer();
      });
    }
  });
}

void BringToFront(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace qv::ui
