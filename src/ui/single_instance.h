#pragma once
// One running program per settings file and per data folder, so that two windows never write
// over each other's settings or tape backup. The running program holds a lock file beside its
// settings file and one in its data folder. A later start that finds a lock taken asks the
// holder, over a local socket named after the holder's process, to bring its window to the
// front, and ends. A holder that is closing (the restart after a change of the scaling) or busy
// does not say yes; the later start waits a while for its locks to be released.
#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ports.h"

class QWidget;

namespace qv::ui {

// The lock files of a run in these folders: beside the settings file and in the data folder,
// both folders made when missing.
QStringList LockFilesOf(Folders& folders);

class SingleInstance {
 public:
  explicit SingleInstance(const QStringList& lockFiles);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  enum class Claim {
    Granted,     // every lock is ours: this start runs
    Raised,      // the running program brought its window to the front
    Unanswered,  // another program holds a lock and did not answer in time
  };
  // Takes every lock, waiting up to `patience` for a holder that is closing or busy.
  Claim Take(std::chrono::milliseconds patience);
  // The German message for a claim that was not answered.
  QString UnansweredText() const;

  // From now on answers later starts: `raise` brings the window to the front and answers
  // whether the program still runs (false once it has closed).
  void Serve(std::function<bool()> raise);

 private:
  // Asks the holder of the lock to come to the front; answers whether it did.
  bool AskHolder(const QLockFile& lock);

  std::vector<std::unique_ptr<QLockFile>> locks_;
  QString busyLock_;    // the lock file last found taken
  qint64 busyPid_ = 0;  // its holder's process
  QString busyHost_;    // the machine its holder runs on, when not this one
  std::unique_ptr<QLocalServer> server_;
  std::function<bool()> raise_;
};

// Shows the window, also when minimised, and puts it and an open modal dialog above the others.
void BringToFront(QWidget& window);

}  // namespace qv::ui
