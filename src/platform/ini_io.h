#pragma once
// File access of the INI-file service: bounded reading and atomic replacing, with German
// reasons for every failure.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// German text of a system error number ("Keine Berechtigung").
std::string SystemErrorText(int error);

struct FileReadResult {
  enum Outcome { kRead, kMissing, kFailed } outcome = kRead;
  std::string bytes;
  std::string reason;  // German, for kFailed
};

// Reads a regular file of at most maxBytes bytes. Folders, devices, pipes and sockets ("keine
// gewöhnliche Datei") and bigger files fail without reading anything (and without blocking); a
// file that grows beyond maxBytes while it is read fails too.
FileReadResult ReadFileLimited(const std::string& path, size_t maxBytes);

// A regular file the user may not write, or one nobody may write (which the administrator's
// rights would override): a lock set on purpose, which a save must not break by replacing it.
bool IsWriteProtected(const std::string& path);

// Replaces the file at path (the target of a symbolic link) by bytes: writes a temporary file
// in the same folder with the old file's permissions (and its owner and group, where the rights
// allow), flushes it to disk, calls beforeReplace (when set; an errno value it returns fails
// the write) and renames the temporary file over the old one. Returns "" or the German reason of
// the failure; on failure the old file is unchanged and the temporary file is removed.
std::string ReplaceFileAtomically(
    const std::string& path, std::string_view bytes,
    const std::function<int(const std::string& tempPath)>& beforeReplace);

}  // namespace qv
