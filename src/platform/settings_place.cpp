#include "platform/settings_place.h"

#include <filesystem>
#include <system_error>

#include "platform/ini_io.h"
#include "platform/inifile.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "Quorvel.ini";

std::string InFolder(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + kFileName;
}

// Anything of that name counts, also a folder or a file that cannot be read: the start reports
// it rather than passing over it.
bool Present(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

}  // namespace

SettingsPlace LocateSettingsFile(Folders& folders) {
  const std::string start = folders.CurrentDir();
  const std::string home = folders.HomeDir();
  const std::string settingsDir = folders.SettingsDir();
  const std::string inStart = InFolder(start);
  // The home folder's file is the one an older version left behind: it is carried over.
  const bool startIsHome = !home.empty() && SameFolder(start, home);
  if (settingsDir.empty() || (Present(inStart) && !startIsHome)) return {inStart, ""};
  SettingsPlace place{InFolder(settingsDir), ""};
  if (!Present(place.path) && !home.empty() && Present(InFolder(home)))
    place.carryFrom = InFolder(home);
  return place;
}

SettingsPlace PrepareSettingsFile(Folders& folders, std::string& notice) {
  notice.clear();
  SettingsPlace place = LocateSettingsFile(folders);
  if (place.path != InFolder(folders.CurrentDir())) folders.CreateDir(folders.SettingsDir());
  if (place.carryFrom.empty()) return place;
  const FileReadResult old = ReadFileLimited(place.carryFrom, IniFile::kMaxFileBytes);
  // A file that cannot be read or copied is used where it is, so that the start reports what
  // is wrong with it and nothing in it is lost.
  if (old.outcome != FileReadResult::kRead ||
      !ReplaceFileAtomically(place.path, old.bytes, nullptr).empty())
    return {place.carryFrom, ""};
  notice = "Die Einstellungen werden jetzt in " + place.path + " gespeichert. Die Datei " +
           place.carryFrom +
           " einer früheren Version wurde dorthin übernommen; sie bleibt unverändert liegen und "
           "wird nicht mehr benutzt.";
  place.carryFrom.clear();
  return place;
}

std::string DataFolderOf(Folders& folders) {
  return folders.DocumentsDir() + "/Quorvel";
}

}  // namespace qv
