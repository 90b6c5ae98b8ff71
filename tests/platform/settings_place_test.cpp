// Where the settings file lies: the start directory's when it has one, else the user's own in the
// settings folder; an older version's file in the home folder is copied over once, untouched.
#include "platform/settings_place.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "fakes.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

fs::path NewTemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "quorvel-place-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  return pattern;
}

class SettingsPlaceTest : public testing::Test {
 protected:
  SettingsPlaceTest() {
    fs::create_directories(root / "start");
    folders.startDir = (root / "start").string();
    folders.settingsDir = (root / "config" / "Quorvel").string();
    folders.homeDir = (root / "home").string();
    fs::create_directories(root / "home");
  }
  ~SettingsPlaceTest() override { fs::remove_all(root); }

  std::string Prepare() { return qv::PrepareSettingsFile(folders, notice).path; }

  const fs::path root = NewTemporaryFolder();
  qvs::SandboxFolders folders;
  std::string notice;
  const fs::path inStart = root / "start" / "Quorvel.ini";
  const fs::path own = root / "config" / "Quorvel" / "Quorvel.ini";
  const fs::path old = root / "home" / "Quorvel.ini";
};

TEST_F(SettingsPlaceTest, AFileInTheStartDirectoryIsUsedWhereItIs) {
  Write(inStart, "[Config]\nnk=1\n");
  Write(old, "[Config]\nnk=2\n");
  EXPECT_EQ(qv::LocateSettingsFile(folders).Source(), inStart.string());
  EXPECT_EQ(Prepare(), inStart.string());
  EXPECT_TRUE(notice.empty());
  EXPECT_FALSE(fs::exists(own.parent_path()));
}

TEST_F(SettingsPlaceTest, WithoutOneTheUsersOwnFileIsUsedAndItsFolderMade) {
  EXPECT_EQ(Prepare(), own.string());
  EXPECT_TRUE(fs::is_directory(own.parent_path()));
  EXPECT_FALSE(fs::exists(own));  // written by the first close
  EXPECT_TRUE(notice.empty());
}

TEST_F(SettingsPlaceTest, AFolderOrUnreadableFileInTheStartDirectoryCountsAsThere) {
  fs::create_directories(inStart);
  EXPECT_EQ(Prepare(), inStart.string());
}

TEST_F(SettingsPlaceTest, AnOlderVersionsHomeFileIsCopiedOnceAndLeftAsItWas) {
  const std::string bytes = "[Config]\r\nnk=5\r\nwaehr=\x80\r\n[Kunde A]\r\nBetrag=1000\r\n";
  Write(old, bytes);
  EXPECT_EQ(qv::LocateSettingsFile(folders).Source(), old.string());
  EXPECT_EQ(Prepare(), own.string());
  EXPECT_EQ(Read(own), bytes);
  EXPECT_EQ(Read(old), bytes);
  EXPECT_EQ(notice, "Die Einstellungen werden jetzt in " + own.string() +
                        " gespeichert. Die Datei " + old.string() +
                        " einer früheren Version wurde dorthin übernommen; sie bleibt "
                        "unverändert liegen und wird nicht mehr benutzt.");
  // Later starts use the user's own file and leave the old one alone.
  Write(own, "[Config]\nnk=3\n");
  EXPECT_EQ(Prepare(), own.string());
  EXPECT_TRUE(notice.empty());
  EXPECT_EQ(Read(own), "[Config]\nnk=3\n");
}

TEST_F(SettingsPlaceTest, AStartFromTheHomeFolderCarriesItsFileOverToo) {
  folders.startDir = folders.homeDir;
  Write(old, "[Config]\nnk=5\n");
  EXPECT_EQ(Prepare(), own.string());
  EXPECT_EQ(Read(own), "[Config]\nnk=5\n");
  EXPECT_FALSE(notice.empty());
  EXPECT_EQ(Prepare(), own.string());
}

// Where the copy cannot be made, the old file goes on being used: nothing in it is lost, and
// a fault of the file itself is reported by the start as before.
TEST_F(SettingsPlaceTest, AnOldFileThatCannotBeCopiedIsUsedWhereItIs) {
  Write(old, "[Config]\nnk=5\n");
  Write(root / "config", "a file where the folder would be");
  EXPECT_EQ(Prepare(), old.string());
  EXPECT_TRUE(notice.empty());
  EXPECT_EQ(Read(old), "[Config]\nnk=5\n");

  fs::remove(root / "config");
  fs::remove(old);
  fs::create_directories(old);
  EXPECT_EQ(Prepare(), old.string());
  EXPECT_TRUE(notice.empty());
}

// The environment of a desktop session decides the settings folder.
class SettingsDirTest : public testing::Test {
 protected:
  void Set(const char* name, const char* value) {
    saved_.push_back(
        {name, getenv(name) ? std::optional<std::string>(getenv(name)) : std::nullopt});
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~SettingsDirTest() override {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
      if (it->second)
        setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        unsetenv(it->first.c_str());
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(SettingsDirTest, IsTheConfigHomesQuorvelFolder) {
  Set("HOME", "/home/u");
  Set("XDG_CONFIG_HOME", "/srv/conf");
  EXPECT_EQ(qv::LocalFolders().SettingsDir(), "/srv/conf/Quorvel");
  EXPECT_EQ(qv::LocalFolders().HomeDir(), "/home/u");
  // A relative or empty XDG_CONFIG_HOME is not a valid setting: ~/.config is meant.
  for (const char* value : {"conf", "", static_cast<const char*>(nullptr)}) {
    Set("XDG_CONFIG_HOME", value);
    EXPECT_EQ(qv::LocalFolders().SettingsDir(), "/home/u/.config/Quorvel");
  }
}

TEST_F(SettingsDirTest, WithoutAHomeFolderTheStartDirectoryHoldsTheFile) {
  Set("HOME", nullptr);
  Set("XDG_CONFIG_HOME", nullptr);
  qv::LocalFolders folders;
  EXPECT_EQ(folders.HomeDir(), "");
  EXPECT_EQ(qv::LocateSettingsFile(folders).path, folders.CurrentDir() + "/Quorvel.ini");
}

}  // namespace
