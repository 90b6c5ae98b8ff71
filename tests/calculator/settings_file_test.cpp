// The settings file at the edges a scenario cannot reach: encodings and failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "program/program.h"
#include "sandbox.h"

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test, protected qvs::Sandbox {
 protected:
  std::string ReadIni() {
    std::ifstream in(dir / "Quorvel.ini", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
};

TEST_F(SettingsFileTest, Windows1252FileIsReadAndWrittenBackAsUtf8) {
  // Direction 1: the converter keeps its symbol at close (direction 2 would turn it first).
  WriteSettings(
      "[Config]\r\naktiv=1\r\nwaehr=\x80\r\nwaehr1=\xA3\r\n[Waehrung]\r\n0=EUR,W\xE4hrung\r\n");
  {
    qv::Program program(Ports());
    EXPECT_EQ(program.Main().S.CurrencySymbol, "€");
    EXPECT_EQ(program.Main().Frame31.SecondCurrency, "£");
    program.Close();
  }
  const std::string bytes = ReadIni();
  EXPECT_NE(bytes.find("waehr=€"), std::string::npos);
  EXPECT_NE(bytes.find("0=EUR,Währung"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SettingsFileTest, DataFolderIsCreatedAndTheTapeBackupDeletedAtClose) {
  qv::Program program(Ports());
  const fs::path data = dir / "Documents" / "Quorvel";
  EXPECT_TRUE(fs::is_directory(data));
  std::ofstream(data / "~temp.rtf") << "{\\rtf1 x}";
  program.Close();
  EXPECT_FALSE(fs::exists(data / "~temp.rtf"));
}

TEST_F(SettingsFileTest, UnreadableFileStartsWithFirstStartValuesAndIsNotOverwritten) {
  // A settings "file" that is a folder cannot be read, nor may the close replace it.
  fs::create_directories(dir / "Quorvel.ini");
  qv::Program program(Ports());
  EXPECT_EQ(program.Main().S.FormatMode, 2);
  EXPECT_EQ(program.Main().S.CurrencySymbol, "€");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages.front().find("konnte nicht"), std::string::npos);
  prompts.messages.clear();
  // The tape's backup goes at the close all the same.
  std::ofstream(dir / "Documents" / "Quorvel" / "~temp.rtf") << "{\\rtf1 x}";
  program.Close();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(
      prompts.messages.front().rfind("Die Einstellungen konnten nicht gespeichert werden: ", 0),
      0u);
  EXPECT_TRUE(fs::is_directory(dir / "Quorvel.ini"));
  EXPECT_FALSE(fs::exists(dir / "Documents" / "Quorvel" / "~temp.rtf"));
}

// A settings file made read-only keeps what it holds: the close says once that nothing was
// saved.
TEST_F(SettingsFileTest, AWriteProtectedFileIsLeftAsItIs) {
  const std::string old = "[Config]\nDezimals=3\nnk=4\n";
  WriteSettings(old);
  fs::permissions(dir / "Quorvel.ini", fs::perms::owner_read);
  qv::Program program(Ports());
  program.Main().SpinEdit1.SetValue(7);
  program.Close();
  EXPECT_EQ(prompts.messages,
            std::deque<std::string>{"Die Einstellungen konnten nicht gespeichert werden: " +
                                    (dir / "Quorvel.ini").string() +
                                    " (Die Datei ist schreibgeschützt)"});
  EXPECT_EQ(ReadIni(), old);
  EXPECT_EQ(fs::status(dir / "Quorvel.ini").permissions(), fs::perms::owner_read);
}

// A term line too long to read ends the term list at the next rewrite; the file as it was is
// kept beside it from the start on, and a later start with the rewritten file keeps it.
TEST_F(SettingsFileTest, AFileReadInPartIsKeptAsBackupBeforeTheCloseRewritesIt) {
  const std::string original = "[Config]\nnk=4\n[Terms]\n0=sin(x)\n1=" + std::string(70000, 'x') +
                               "\n2=cos(x)\n[Finanzrechner]\n0=Haus\n";
  WriteSettings(original);
  std::ofstream(dir / "Quorvel.ini.bak") << "[Config]\nnk=1\n";
  const std::string path = (dir / "Quorvel.ini").string();
  for (int run = 0; run < 2; ++run) {
    qv::Program program(Ports());
    program.Close();
  }
  EXPECT_EQ(prompts.messages,
            std::deque<std::string>{"Die Einstellungsdatei " + path +
                                    " konnte nicht vollständig gelesen werden: 1 Zeile länger als "
                                    "64 KiB wurde übergangen\rDie Datei ist unverändert als " +
                                    path + ".bak gesichert."});
  std::ifstream in(dir / "Quorvel.ini.bak", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), original);
  const std::string rewritten = ReadIni();
  EXPECT_NE(rewritten.find("0=sin(x)"), std::string::npos);
  EXPECT_EQ(rewritten.find("cos(x)"), std::string::npos);
  EXPECT_NE(rewritten.find("[Finanzrechner]\n0=Haus"), std::string::npos);
}

// Without a backup the close must not rewrite what it read only in part.
TEST_F(SettingsFileTest, AFileReadInPartThatCannotBeBackedUpIsNotRewritten) {
  const std::string original = std::string("[Config]\nnk=4\n[Terms]\n0=a") + '\0' + "b\n1=x\n";
  WriteSettings(original);
  fs::create_directory(dir / "Quorvel.ini.bak");
  const std::string path = (dir / "Quorvel.ini").string();
  qv::Program program(Ports());
  program.Close();
  EXPECT_EQ(prompts.messages,
            std::deque<std::string>{
                "Die Einstellungsdatei " + path +
                " konnte nicht vollständig gelesen werden: 1 Zeile mit Nullbytes (kein Text) "
                "wurde übergangen\rSie ließ sich nicht als " +
                path +
                ".bak sichern (Ist ein Verzeichnis); die Einstellungen werden beim "
                "Beenden nicht gespeichert."});
  EXPECT_EQ(ReadIni(), original);
}

TEST_F(SettingsFileTest, FailedWriteIsReportedAndKeepsTheOldFile) {
  const std::string old = "[Config]\nDezimals=3\n";
  WriteSettings(old);
  qv::Program program(Ports());
  // The start folder is moved away before the close, so no temporary file can be written
  // there (a permission test would not fail as root).
  fs::path moved = dir.string() + "-moved";
  fs::rename(dir, moved);
  program.Close();
  fs::rename(moved, dir);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(
      prompts.messages.front().rfind("Die Einstellungen konnten nicht gespeichert werden: ", 0),
      0u);
  EXPECT_EQ(ReadIni(), old);
}

}  // namespace
