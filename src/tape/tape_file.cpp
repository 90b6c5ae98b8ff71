#include "tape/tape_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/ini_io.h"
#include "tape/plain_text.h"
#include "tape/rtf_reader.h"
#include "tape/rtf_writer.h"

namespace qv {

namespace {

std::string Reason(int error) {
  switch (error) {
    case ENOENT:
      return "Die Datei oder der Ordner wurde nicht gefunden";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert";
    case ENOSPC:
    case EDQUOT:
      return "Nicht genügend Speicherplatz";
    case EROFS:
      return "Der Datenträger ist schreibgeschützt";
    case EISDIR:
      return "Der Name bezeichnet einen Ordner";
    default:
      return std::string("Ein-/Ausgabefehler (") + std::strerror(error) + ")";
  }
}

// Closes the descriptor when the scope ends.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the data reached the file.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

TapeReadResult ReadTape(std::string_view data, const TapeStyle& plainStyle) {
  return LooksLikeRtf(data) ? ReadRtf(data) : ReadPlainText(data, plainStyle);
}

std::string WriteTape(const TapeDocument& document, TapeFileFormat format) {
  return format == TapeFileFormat::Rtf ? WriteRtf(document) : WritePlainText(document);
}

TapeReadResult LoadTapeFile(const std::string& path, const TapeStyle& plainStyle) {
  FileReadResult file = ReadFileLimited(path, kMaxTapeFileBytes);
  if (file.outcome == FileReadResult::kMissing) return {{}, Reason(ENOENT)};
  if (file.outcome == FileReadResult::kFailed) return {{}, std::move(file.reason)};
  return ReadTape(file.bytes, plainStyle);
}

std::optional<std::string> SaveTapeFile(const std::string& path, const TapeDocument& document,
                                        TapeFileFormat format) {
  std::string temp = path + ".XXXXXX";
  FileHandle file(::mkstemp(temp.data()));
  if (file.get() < 0) return Reason(errno);
  // A replaced file keeps its permissions; a new one gets the usual ones.
  struct stat existing {};
  ::fchmod(file.get(), ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
  bool ok = WriteAll(file.get(), WriteTape(document, format)) && ::fsync(file.get()) == 0;
  int error = errno;
  if (ok && !file.Close()) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (ok) return std::nullopt;
  ::unlink(temp.c_str());
  return Reason(error);
}

}  // namespace qv
