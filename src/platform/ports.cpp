#include "platform/ports.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef QV_SHARED_DIR
#define QV_SHARED_DIR "/usr/local/share/quorvel"
#endif

#include "platform/dates.h"

namespace qv {

namespace fs = std::filesystem;

std::string LocalFolders::CurrentDir() {
  std::error_code ec;
  return fs::current_path(ec).string();
}

namespace {

// The user's configuration folder: $XDG_CONFIG_HOME, which must be an absolute path to count,
// or ~/.config.
std::string ConfigHome(const std::string& home) {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome && configHome[0] == '/') return configHome;
  return home.empty() ? "" : home + "/.config";
}

// The documents folder named in ~/.config/user-dirs.dirs (XDG_DOCUMENTS_DIR="$HOME/..."),
// or an empty text when none is set up.
std::string XdgDocumentsDir(const std::string& home) {
  std::ifstream in(ConfigHome(home) + "/user-dirs.dirs");
  std::string line;
  const std::string key = "XDG_DOCUMENTS_DIR=";
  while (std::getline(in, line)) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    // A documents folder set to the home folder itself means "none set up".
    if (value.empty() || fs::path(value) == fs::path(home)) return "";
    return value;
  }
  return "";
}

}  // namespace

std::string LocalFolders::DocumentsDir() {
  const char* homeEnv = std::getenv("HOME");
  const std::string home = homeEnv && *homeEnv ? homeEnv : CurrentDir();
  const std::string xdg = XdgDocumentsDir(home);
  return xdg.empty() ? home + "/Documents" : xdg;
}

// Below the installation's prefix, the folder above the program's own: /usr/share/quorvel for
// the package, /usr/local/share/quorvel after make install, wherever the build was made.
std::string LocalFolders::SharedDir() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  const fs::path prefix = ec ? fs::path(CurrentDir()) : program.parent_path().parent_path();
  return (prefix / QV_SHARED_DIR).lexically_normal().string();
}

std::string LocalFolders::SettingsDir() {
  const std::string config = ConfigHome(HomeDir());
  return config.empty() ? "" : config + "/Quorvel";
}

std::string LocalFolders::HomeDir() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "";
}

bool LocalFolders::CreateDir(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return fs::is_directory(path, ec);
}

bool LocalFolders::FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool LocalFolders::DeleteFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec);
}

int SystemClock::Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  int day = 0;
  TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, day);
  return day;
}

}  // namespace qv
