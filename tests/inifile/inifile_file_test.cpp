// The settings file on disk: reading with its failures, and the atomic save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/inifile.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spit(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// In a child process: a file size limit makes the write itself fail halfway, as a full disk
// does. Exits with 0 when the save reported exactly that.
[[noreturn]] void SaveWithFileSizeLimit(const IniFile& ini) {
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{4096, 4096};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const IniSaveResult saved = ini.UpdateFile();
  ::_exit(!saved.ok && saved.reason == "Die Datei ist zu groß" ? 0 : 1);
}

class IniFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/inifile_test_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    path_ = (dir_ / "Quorvel.ini").string();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  // Names in the folder besides the settings file: leftovers of a save.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.path().filename() != "Quorvel.ini") names.push_back(entry.path().filename());
    }
    return names;
  }
  bool Root() const { return ::geteuid() == 0; }

  fs::path dir_;
  std::string path_;
};

const std::string kOld = "[Config]\nnk=2\n[Finanzrechner]\n0=Haus\n";

// ---- reading -----------------------------------------------------------------------------

TEST_F(IniFileOnDisk, AMissingFileIsTheFirstStartAndASaveCreatesIt) {
  IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kMissing);
  EXPECT_EQ(ini.FileName(), path_);
  EXPECT_EQ(ini.ReadInteger("Config", "Skalierung", 100), 100);
  ini.WriteInteger("Config", "Skalierung", 100);
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_TRUE(saved.ok) << saved.reason;
  EXPECT_EQ(Slurp(path_), "[Config]\nSkalierung=100\n");
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(IniFileOnDisk, AMissingFolderIsAMissingFile) {
  EXPECT_EQ(IniFile((dir_ / "nowhere" / "Quorvel.ini").string()).LoadResult().state,
            IniLoadState::kMissing);
}

TEST_F(IniFileOnDisk, AnOldWindowsFileIsReadAndWrittenBackAsUtf8) {
  Spit(path_, "[Config]\r\nwaehr=\x80\r\nwaehr1=\x80\r\n[Waehrung]\r\n0=DM,D-Mark\xA0\r\n");
  IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kRead);
  EXPECT_EQ(ini.ReadString("config", "WAEHR", ""), "€");
  ini.WriteString("Config", "waehr1", "€");
  ASSERT_TRUE(ini.UpdateFile().ok);
  EXPECT_EQ(Slurp(path_), "[Config]\nwaehr=€\nwaehr1=€\n[Waehrung]\n0=DM,D-Mark\u00A0\n");
  EXPECT_EQ(IniFile(path_).ReadString("Config", "waehr", ""), "€");
}

TEST_F(IniFileOnDisk, AUtf8FileWithBomAndCrlfIsRead) {
  Spit(path_, "\xEF\xBB\xBF[Config]\r\nwaehr=€\r\nSteuern=19,7\r\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Config", "waehr", ""), "€");
  EXPECT_EQ(ini.ReadString("Config", "Steuern", ""), "19,7");
  EXPECT_EQ(ini.ToBytes(), "[Config]\nwaehr=€\nSteuern=19,7\n");
}

TEST_F(IniFileOnDisk, ABinaryFileIsReportedAndReadsAsDefaults) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes.push_back(static_cast<char>(i * 7 % 256));
  Spit(path_, bytes);
  const IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kPartlyRead);
  EXPECT_NE(ini.LoadResult().reason.find("Nullbytes"), std::string::npos);
  EXPECT_EQ(ini.ReadInteger("Config", "nk", 2), 2);
}

TEST_F(IniFileOnDisk, AHugeLineIsDroppedAndTheRestRead) {
  Spit(path_, "[Config]\nnk=3\nTerms=" + std::string(3 << 20, '(') + "\nDezimals=1\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kPartlyRead);
  EXPECT_EQ(ini.LoadResult().reason, "1 Zeile länger als 64 KiB wurde übergangen");
  EXPECT_EQ(ini.ReadSection("Config"), (std::vector<std::string>{"nk", "Dezimals"}));
}

TEST_F(IniFileOnDisk, AFileOverTheSizeLimitIsNotRead) {
  Spit(path_, "[Config]\nnk=3\n" + std::string(IniFile::kMaxFileBytes, '\n'));
  const IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kUnreadable);
  EXPECT_EQ(ini.LoadResult().reason, "Die Datei ist größer als 4 MiB");
  EXPECT_FALSE(ini.SectionExists("Config"));
}

TEST_F(IniFileOnDisk, ADirectoryOrPipeIsUnreadableWithoutBlocking) {
  fs::create_directory(path_);
  EXPECT_EQ(IniFile(path_).LoadResult().state, IniLoadState::kUnreadable);
  EXPECT_EQ(IniFile(path_).LoadResult().reason, "keine gewöhnliche Datei");
  const std::string pipe = (dir_ / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(IniFile(pipe).LoadResult().state, IniLoadState::kUnreadable);
  EXPECT_EQ(IniFile(pipe).LoadResult().reason, "keine gewöhnliche Datei");
}

TEST_F(IniFileOnDisk, AFileWithoutReadPermissionIsUnreadable) {
  if (Root()) GTEST_SKIP() << "root reads every file";
  Spit(path_, kOld);
  fs::permissions(path_, fs::perms::none);
  const IniFile ini(path_);
  EXPECT_EQ(ini.LoadResult().state, IniLoadState::kUnreadable);
  EXPECT_EQ(ini.LoadResult().reason, "Keine Berechtigung");
}

// ---- saving ------------------------------------------------------------------------------

TEST_F(IniFileOnDisk, SaveReplacesTheFileOnlyAfterTheTemporaryFileIsComplete) {
  Spit(path_, kOld);
  IniFile ini(path_);
  ini.WriteInteger("Config", "nk", 4);
  std::string seen;
  ini.SetBeforeReplace([&](const std::string& temp) {
    EXPECT_EQ(fs::path(temp).parent_path(), dir_);
    EXPECT_EQ(Slurp(path_), kOld);
    seen = Slurp(temp);
    return 0;
  });
  ASSERT_TRUE(ini.UpdateFile().ok);
  EXPECT_EQ(seen, "[Config]\nnk=4\n[Finanzrechner]\n0=Haus\n");
  EXPECT_EQ(Slurp(path_), seen);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(IniFileOnDisk, AFailureBeforeTheRenameLeavesTheOldFileAndNoTemporaryFile) {
  Spit(path_, kOld);
  IniFile ini(path_);
  ini.EraseSection("Finanzrechner");
  ini.SetBeforeReplace([](const std::string&) { return ENOSPC; });
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "Auf dem Gerät ist kein Speicherplatz mehr verfügbar");
  EXPECT_EQ(Slurp(path_), kOld);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(IniFileOnDisk, AWriterKilledBeforeTheRenameLeavesTheOldFile) {
  Spit(path_, kOld);
  IniFile ini(path_);
  ini.EraseSection("Config");
  ini.SetBeforeReplace([](const std::string&) -> int { ::_exit(9); });
  EXPECT_EXIT(ini.UpdateFile(), testing::ExitedWithCode(9), "");
  EXPECT_EQ(Slurp(path_), kOld);
  EXPECT_EQ(IniFile(path_).ReadInteger("Config", "nk", 0), 2);
}

TEST_F(IniFileOnDisk, AWriteThatRunsOutOfSpaceLeavesTheOldFile) {
  Spit(path_, kOld);
  IniFile ini(path_);
  ini.WriteString("Terms", "0", std::string(60000, 'x'));
  EXPECT_EXIT(SaveWithFileSizeLimit(ini), testing::ExitedWithCode(0), "");
  EXPECT_EQ(Slurp(path_), kOld);
  EXPECT_TRUE(Leftovers().empty());
}

struct BadTarget {
  const char* name;
  const char* reason;
};

class SaveToBadTarget : public IniFileOnDisk, public testing::WithParamInterface<BadTarget> {};

TEST_P(SaveToBadTarget, FailsWithAGermanReasonAndLeavesNothingBehind) {
  Spit(dir_ / "file", "not a folder");
  fs::create_directory(dir_ / "Quorvel.ini");
  IniFile ini((dir_ / GetParam().name).string());
  ini.WriteInteger("Config", "nk", 2);
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, GetParam().reason);
  EXPECT_EQ(Slurp(dir_ / "file"), "not a folder");
  EXPECT_TRUE(fs::is_empty(dir_ / "Quorvel.ini"));
  EXPECT_EQ(Leftovers(), (std::vector<std::string>{"file"}));
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveToBadTarget,
                         testing::Values(BadTarget{"file/Quorvel.ini", "Ist kein Verzeichnis"},
                                         BadTarget{"Quorvel.ini", "Ist ein Verzeichnis"},
                                         BadTarget{"missing/Quorvel.ini",
                                                   "Datei oder Verzeichnis nicht gefunden"}));

TEST_F(IniFileOnDisk, AFolderWithoutWritePermissionLeavesTheOldFile) {
  if (Root()) GTEST_SKIP() << "root writes into every folder";
  Spit(path_, kOld);
  IniFile ini(path_);
  ini.WriteInteger("Config", "nk", 5);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "Keine Berechtigung");
  EXPECT_EQ(Slurp(path_), kOld);
}

// A file made read-only is a lock: it stays as it is, with its permissions, even where the
// folder would allow the replacement, and also for root, who may write anything.
TEST_F(IniFileOnDisk, AWriteProtectedFileIsNotReplaced) {
  Spit(path_, kOld);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
  IniFile ini(path_);
  ini.WriteInteger("Config", "nk", 5);
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "Die Datei ist schreibgeschützt");
  EXPECT_EQ(Slurp(path_), kOld);
  EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_TRUE(Leftovers().empty());
}

// Root saving in another user's folder hands the file back to that user.
TEST_F(IniFileOnDisk, SaveKeepsTheOwnerWhereTheRightsAllow) {
  if (!Root()) GTEST_SKIP() << "only root may give a file to another user";
  Spit(path_, kOld);
  ASSERT_EQ(::chown(path_.c_str(), 65534, 65534), 0);
  IniFile ini(path_);
  ini.WriteInteger("Config", "nk", 5);
  ASSERT_TRUE(ini.UpdateFile().ok);
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(IniFile(path_).ReadInteger("Config", "nk", 0), 5);
}

TEST_F(IniFileOnDisk, ContentOverTheSizeLimitIsNotWritten) {
  Spit(path_, kOld);
  IniFile ini(path_);
  for (int i = 0; i < 80; ++i) ini.WriteString("Terms", std::to_string(i), std::string(60000, 'x'));
  const IniSaveResult saved = ini.UpdateFile();
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "Der Inhalt ist größer als 4 MiB");
  EXPECT_EQ(Slurp(path_), kOld);
}

TEST_F(IniFileOnDisk, SaveKeepsThePermissionsAndASymbolicLink) {
  const fs::path real = dir_ / "real.ini";
  Spit(real, kOld);
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, path_);
  IniFile ini(path_);
  ini.WriteInteger("Config", "nk", 6);
  ASSERT_TRUE(ini.UpdateFile().ok);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(IniFile(real.string()).ReadInteger("Config", "nk", 0), 6);
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace qv
