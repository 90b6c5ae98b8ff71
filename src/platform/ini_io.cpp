#include "platform/ini_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace qv {

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES:
      return "Keine Berechtigung";
    case EPERM:
      return "Die Operation ist nicht erlaubt";
    case ENOENT:
      return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR:
      return "Ist kein Verzeichnis";
    case EISDIR:
      return "Ist ein Verzeichnis";
    case ENOSPC:
      return "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
    case EDQUOT:
      return "Der zugewiesene Plattenplatz (Quota) ist überschritten";
    case EROFS:
      return "Das Dateisystem ist nur lesbar";
    case EIO:
      return "Eingabe-/Ausgabefehler";
    case EFBIG:
      return "Die Datei ist zu groß";
    case ENAMETOOLONG:
      return "Der Dateiname ist zu lang";
    case ELOOP:
      return "Zu viele Ebenen von symbolischen Verknüpfungen";
    case EMFILE:
    case ENFILE:
      return "Zu viele offene Dateien";
    case EBUSY:
    case ETXTBSY:
      return "Das Gerät oder die Ressource ist belegt";
    case ENOMEM:
      return "Nicht genügend Hauptspeicher verfügbar";
    default:
      return "Systemfehler " + std::to_string(error);
  }
}

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

FileReadResult ReadFailed(std::string reason) {
  FileReadResult result;
  result.outcome = FileReadResult::kFailed;
  result.reason = std::move(reason);
  return result;
}

constexpr const char* kNotRegular = "keine gewöhnliche Datei";

std::string TooBigText(size_t maxBytes) {
  return "Die Datei ist größer als " + std::to_string(maxBytes >> 20) + " MiB";
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

// The file a save must replace: the target of a symbolic link, so that the link survives.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::error_code ec;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : target.string();
}

// A temporary file next to target, removed again unless it was renamed.
class TempFile {
 public:
  explicit TempFile(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
      name_ = target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
      fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      error_ = fd_ >= 0 ? 0 : errno;
      if (error_ != EEXIST) return;
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (error_ == 0 && !renamed_) ::unlink(name_.c_str());
  }
  int error() const { return error_; }
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // Closes now and reports the error a delayed write may only show here.
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::string name_;
  int fd_ = -1;
  int error_ = 0;
  bool renamed_ = false;
};

void SyncFolderOf(const std::string& file) {
  const std::string folder = std::filesystem::path(file).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // a folder that cannot be synced leaves the rename to the file system's timing
  ::close(fd);
}

}  // namespace

FileReadResult ReadFileLimited(const std::string& path, size_t maxBytes) {
  // Pipes, devices, sockets and folders are not even opened: opening a pipe waits for a writer,
  // and a device may act on being opened.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return ReadFailed(kNotRegular);
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      FileReadResult missing;
      missing.outcome = FileReadResult::kMissing;
      return missing;
    }
    return ReadFailed(SystemErrorText(errno));
  }
  // The name may have been given to another file in the meantime.
  if (::fstat(fd.get(), &st) != 0) return ReadFailed(SystemErrorText(errno));
  if (!S_ISREG(st.st_mode)) return ReadFailed(kNotRegular);
  if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    return ReadFailed(TooBigText(maxBytes));
  }
  FileReadResult result;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ReadFailed(SystemErrorText(errno));
    }
    if (result.bytes.size() + static_cast<size_t>(got) > maxBytes) {
      return ReadFailed(TooBigText(maxBytes));
    }
    result.bytes.append(buffer, static_cast<size_t>(got));
  }
  return result;
}

bool IsWriteProtected(const std::string& path) {
  const std::string target = ResolveTarget(path);
  struct stat st;
  if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES);
}

std::string ReplaceFileAtomically(
    const std::string& path, std::string_view bytes,
    const std::function<int(const std::string& tempPath)>& beforeReplace) {
  const std::string target = ResolveTarget(path);
  TempFile temp(target);
  if (temp.error() != 0) return SystemErrorText(temp.error());
  struct stat old;
  if (::stat(target.c_str(), &old) == 0) {
    // Best effort: only root may hand the file back to another owner, and a group is kept
    // only by one of its members; otherwise the umask's default and the writer remain.
    [[maybe_unused]] const int owned = ::fchown(temp.fd(), old.st_uid, old.st_gid);
    ::fchmod(temp.fd(), old.st_mode & 07777);
  }
  if (const int error = WriteAll(temp.fd(), bytes)) return SystemErrorText(error);
  if (::fsync(temp.fd()) != 0) return SystemErrorText(errno);
  if (const int error = temp.Close()) return SystemErrorText(error);
  if (beforeReplace) {
    if (const int error = beforeReplace(temp.name())) return SystemErrorText(error);
  }
  if (::rename(temp.name().c_str(), target.c_str()) != 0) return SystemErrorText(errno);
  temp.MarkRenamed();
  SyncFolderOf(target);
  return {};
}

}  // namespace qv
