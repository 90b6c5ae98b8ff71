#include "tape/tape_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tape/plain_text.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Texts(const TapeDocument& document) {
  std::vector<std::string> texts;
  for (const TapeParagraph& line : document) texts.push_back(line.Text());
  return texts;
}

TapeDocument Tape(const std::vector<std::string>& lines) {
  TapeDocument document;
  for (const std::string& line : lines) document.push_back(MakeParagraph(line, TapeStyle{}));
  return document;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream data;
  data << in.rdbuf();
  return data.str();
}

class TapeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("tape_file_test_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(TapeFileTest, SavedRtfLoadsBackWithItsFormatting) {
  TapeStyle red;
  red.format.color = kTapeRed;
  TapeDocument tape{MakeParagraph("-3 -", red), MakeParagraph("Öl € ▬", TapeStyle{})};
  std::string path = (dir_ / "Tape1.rtf").string();
  EXPECT_EQ(SaveTapeFile(path, tape, TapeFileFormat::Rtf), std::nullopt);
  TapeReadResult read = LoadTapeFile(path, TapeStyle{});
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.document, tape);
  EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "Tape1.rtf") << "no temporary left";
}

TEST_F(TapeFileTest, PlainTextIsTheTapeTextInUtf8WithCrLf) {
  std::string path = (dir_ / "Tape.txt").string();
  EXPECT_EQ(SaveTapeFile(path, Tape({"5 ^", "", "8 T €"}), TapeFileFormat::PlainText),
            std::nullopt);
  EXPECT_EQ(Contents(path), "5 ^\r\n\r\n8 T €\r\n");
  TapeReadResult read = LoadTapeFile(path, TapeStyle{});
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(Texts(read.document), (std::vector<std::string>{"5 ^", "", "8 T €"}));
}

TEST_F(TapeFileTest, SavingReplacesAnEarlierFile) {
  std::string path = (dir_ / "Tape.rtf").string();
  ASSERT_EQ(SaveTapeFile(path, Tape({"alt"}), TapeFileFormat::Rtf), std::nullopt);
  ASSERT_EQ(SaveTapeFile(path, Tape({"neu"}), TapeFileFormat::Rtf), std::nullopt);
  EXPECT_EQ(Texts(LoadTapeFile(path, TapeStyle{}).document), std::vector<std::string>{"neu"});
}

TEST_F(TapeFileTest, FailedSaveKeepsTheEarlierFileAndSaysWhy) {
  std::string path = (dir_ / "Tape.rtf").string();
  ASSERT_EQ(SaveTapeFile(path, Tape({"alt"}), TapeFileFormat::Rtf), std::nullopt);
  std::string before = Contents(path);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(dir_.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights to write anyway";
  EXPECT_EQ(SaveTapeFile(path, Tape({"neu"}), TapeFileFormat::Rtf), "Zugriff verweigert");
  EXPECT_EQ(Contents(path), before);
}

TEST_F(TapeFileTest, FailedRenameLeavesNoTemporaryBehind) {
  fs::create_directories(dir_ / "Tape.rtf" / "inhalt");
  EXPECT_EQ(SaveTapeFile((dir_ / "Tape.rtf").string(), Tape({"a"}), TapeFileFormat::Rtf),
            "Der Name bezeichnet einen Ordner");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::exists(dir_ / "Tape.rtf" / "inhalt"));
}

TEST_F(TapeFileTest, SaveIntoAMissingFolderFails) {
  std::string path = (dir_ / "fehlt" / "Tape.rtf").string();
  EXPECT_EQ(SaveTapeFile(path, Tape({"a"}), TapeFileFormat::Rtf),
            "Die Datei oder der Ordner wurde nicht gefunden");
}

TEST_F(TapeFileTest, LoadFailuresSayWhy) {
  EXPECT_EQ(LoadTapeFile((dir_ / "fehlt.rtf").string(), TapeStyle{}).error,
            "Die Datei oder der Ordner wurde nicht gefunden");
  EXPECT_EQ(LoadTapeFile(dir_.string(), TapeStyle{}).error, "keine gewöhnliche Datei");
  std::ofstream(dir_ / "kaputt.rtf", std::ios::binary) << "{\\rtf1\\ansi 5 ^\\par 3 +";
  EXPECT_EQ(LoadTapeFile((dir_ / "kaputt.rtf").string(), TapeStyle{}).error,
            "Die RTF-Datei ist unvollständig");
}

TEST(ReadTape, ChoosesRtfOnlyWhenTheDataBeginsWithRtf) {
  TapeStyle style;
  EXPECT_EQ(Texts(ReadTape("{\\rtf1 a\\par}", style).document), std::vector<std::string>{"a"});
  EXPECT_EQ(Texts(ReadTape(" {\\rtf1 a\\par}", style).document),
            std::vector<std::string>{" {\\rtf1 a\\par}"});
}

struct PlainCase {
  std::string name;
  std::string data;
  std::vector<std::string> lines;
};

class PlainTextTest : public testing::TestWithParam<PlainCase> {};

TEST_P(PlainTextTest, SplitsAtEveryKindOfLineEnd) {
  TapeReadResult read = ReadPlainText(GetParam().data, TapeStyle{});
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(Texts(read.document), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainTextTest,
                         testing::Values(PlainCase{"Empty", "", {}},
                                         PlainCase{"OneLineEnd", "\r\n", {""}},
                                         PlainCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                         PlainCase{"Lf", "a\n\nb", {"a", "", "b"}},
                                         PlainCase{"Cr", "a\r\rb\r", {"a", "", "b"}},
                                         PlainCase{"Utf8WithBom", "\xEF\xBB\xBFÄ€\r\n", {"Ä€"}},
                                         PlainCase{"Windows1252", "\xC4\x80\x97", {"Ä€—"}},
                                         PlainCase{"TabAndFormFeed", "a\tb\f", {"a\tb\f"}}),
                         [](const auto& info) { return info.param.name; });

TEST(PlainText, BinaryDataIsNoTape) {
  EXPECT_EQ(ReadPlainText(std::string("PK\x03\x04", 4), TapeStyle{}).error,
            "Die Datei enthält keinen Text");
  EXPECT_EQ(ReadPlainText(std::string("a\0b", 3), TapeStyle{}).error,
            "Die Datei enthält keinen Text");
}

}  // namespace
}  // namespace qv
