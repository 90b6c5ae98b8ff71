// The tape panel's commands against scripted prompts: what they do to the tape and its files
// when things go wrong, and the hand-back of the editor's edits.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes.h"
#include "tape/tape_file.h"
#include "tape/tape_panel.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using qvs::QueuedAnswer;

std::vector<std::string> Texts(const TapeModel& tape) {
  std::vector<std::string> texts;
  for (int i = 0; i < tape.TapeLineCount(); ++i) texts.push_back(tape.TapeLine(i));
  return texts;
}

// An editor whose user typed one line and selected nothing, or everything.
class FakeEditor : public TapeEditor {
 public:
  explicit FakeEditor(TapeModel& tape) : tape_(tape) {}
  void SyncToModel() override {
    if (!typed) return;
    TapeDocument lines = tape_.Document();
    lines.push_back(MakeParagraph(*typed, tape_.Style()));
    typed.reset();
    tape_.ReplaceDocument(std::move(lines));
  }
  std::string SelectedText() const override { return selected ? "alles" : ""; }
  void ReplaceSelection(const std::string&) override {}
  void SelectAll() override { selected = true; }
  void UndoOnce() override {}
  CharFormat SelectionFormat() const override { return {}; }
  bool FormatSelection(const StyleChange& change) override {
    if (selected) formatted.push_back(change);
    return selected;
  }
  void MoveCaretToEnd() override {}

  std::optional<std::string> typed;
  bool selected = false;
  std::vector<StyleChange> formatted;

 private:
  TapeModel& tape_;
};

class TapePanelTest : public testing::Test {
 protected:
  void SetUp() override {
    dir =
        fs::temp_directory_path() / ("tape_panel_test_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    folder = dir.string();
    frame.Host.dataFolder = [this] { return folder; };
    frame.Tape.TapeAppendLine("1 ^");
    frame.Tape.TapeSetStyle({.color = kTapeRed});
    frame.Tape.TapeAppendLine("2 -");
  }
  void TearDown() override { fs::remove_all(dir); }

  void Answer(QueuedAnswer::Kind kind, std::string text = "") {
    prompts.answers.push_back({kind, std::move(text)});
  }
  std::string Write(const std::string& name, const std::string& data) {
    std::ofstream((dir / name).string(), std::ios::binary) << data;
    return (dir / name).string();
  }

  fs::path dir;
  std::string folder;
  qvs::FakePrompts prompts;
  qvs::FakeClipboard clipboard;
  qvs::FakeShell shell;
  qvs::SandboxFolders folders;
  qvs::FakePrinter printer;
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qvs::FakeNetwork network;
  TFrame4 frame{Ports{prompts, clipboard, shell, folders, printer, word, clock, network}};
};

TEST_F(TapePanelTest, ClearingWritesTheWholeTapeToTheBackupFirst) {
  const TapeDocument before = frame.Tape.Document();
  frame.Button1.Click();
  EXPECT_EQ(frame.Tape.TapeLineCount(), 0);
  EXPECT_TRUE(frame.RestoreEnabled());
  const TapeReadResult backup = LoadTapeFile(frame.BackupPath(), TapeStyle{});
  ASSERT_TRUE(backup.ok()) << backup.error;
  EXPECT_EQ(backup.document, before);
  Answer(QueuedAnswer::Yes);
  frame.RestoreTape();
  EXPECT_EQ(frame.Tape.Document(), before);
}

TEST_F(TapePanelTest, ABackupThatCannotBeWrittenAsksBeforeClearing) {
  folder = (dir / "fehlt").string();
  const std::vector<std::string> before = Texts(frame.Tape);
  Answer(QueuedAnswer::No);
  frame.Button1.Click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.front(),
            "Die Sicherung des Tapes konnte nicht geschrieben werden: Die Datei oder der Ordner "
            "wurde nicht gefunden\rTape trotzdem löschen?");
  EXPECT_EQ(Texts(frame.Tape), before);
  EXPECT_FALSE(frame.RestoreEnabled());
  Answer(QueuedAnswer::Yes);
  frame.Button1.Click();
  EXPECT_EQ(frame.Tape.TapeLineCount(), 0);
  EXPECT_FALSE(frame.RestoreEnabled());
}

// The hourglass stays while a file is read and shown, and is gone before a message about it.
TEST_F(TapePanelTest, TheBusyCursorShowsWhileAFileIsReadButNotOverAMessage) {
  std::vector<std::pair<Cursor, size_t>> seen;  // each cursor, with the messages shown by then
  frame.OnCaptionOrCursor = [&] { seen.emplace_back(frame.GetCursor(), prompts.messages.size()); };
  const std::string good = (dir / "gut.rtf").string();
  ASSERT_EQ(SaveTapeFile(good, frame.Tape.Document(), TapeFileFormat::Rtf), std::nullopt);
  const std::vector<std::pair<Cursor, size_t>> afterQuestion = {{Cursor::Busy, 1},
                                                                {Cursor::Normal, 1}};
  for (const std::string& path : {good, Write("kaputt.rtf", "{\\rtf1 {\\b 12")}) {
    prompts.messages.clear();
    seen.clear();
    Answer(QueuedAnswer::Yes);
    prompts.answers.push_back({QueuedAnswer::File, path});
    frame.FileOpenDialog1.Click();
    EXPECT_EQ(seen, afterQuestion) << path;
    EXPECT_EQ(frame.GetCursor(), Cursor::Normal);
  }
  EXPECT_EQ(prompts.messages.size(), 2u);
}

struct UnreadableCase {
  const char* name;
  const char* data;
  QueuedAnswer::Kind overwrite;  // Yes replaces, No appends
};

class UnreadableFileTest : public TapePanelTest,
                           public testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFileTest, LeavesTheTapeAsItWasAndSaysWhy) {
  const std::string path = Write("kaputt.rtf", GetParam().data);
  const TapeDocument before = frame.Tape.Document();
  Answer(GetParam().overwrite);
  prompts.answers.push_back({QueuedAnswer::File, path});
  frame.FileOpenDialog1.Click();
  EXPECT_EQ(frame.Tape.Document(), before);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages.back().rfind("Die Datei kaputt.rtf konnte nicht gelesen werden: ", 0),
            0u)
      << prompts.messages.back();
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFileTest,
    testing::Values(UnreadableCase{"TruncatedRtfReplaced", "{\\rtf1 {\\b 12", QueuedAnswer::Yes},
                    UnreadableCase{"TruncatedRtfAppended", "{\\rtf1 {\\b 12", QueuedAnswer::No},
                    UnreadableCase{"BinaryReplaced",
                                   "\x7f"
                                   "ELF\x02\x01\x01\xff\xfe",
                                   QueuedAnswer::Yes},
                    UnreadableCase{"BinaryAppended",
                                   "\x7f"
                                   "ELF\x02\x01\x01\xff\xfe",
                                   QueuedAnswer::No}),
    [](const auto& info) { return std::string(info.param.name); });

// What a user may name in the open dialog besides a tape: none of it is read, nothing waits
// for a writer or runs out of memory, and the tape stays as it was for a replacement and an
// append alike.
struct RefusedFile {
  const char* name;
  std::string (*make)(const fs::path& dir);  // the path to open
  const char* reason;
};

class RefusedFileTest : public TapePanelTest, public testing::WithParamInterface<RefusedFile> {};

TEST_P(RefusedFileTest, LeavesTheTapeAsItWasAndSaysWhy) {
  const std::string path = GetParam().make(dir);
  const std::string name = fs::path(path).filename().string();
  const TapeDocument before = frame.Tape.Document();
  for (QueuedAnswer::Kind overwrite : {QueuedAnswer::Yes, QueuedAnswer::No}) {
    prompts.messages.clear();
    Answer(overwrite);
    prompts.answers.push_back({QueuedAnswer::File, path});
    frame.FileOpenDialog1.Click();
    EXPECT_EQ(frame.Tape.Document(), before);
    EXPECT_EQ(prompts.messages.back(),
              "Die Datei " + name + " konnte nicht gelesen werden: " + GetParam().reason);
  }
}

std::string MakePipe(const fs::path& dir) {
  const fs::path path = dir / "Tape.rtf";
  EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
  return path.string();
}

std::string MakeFolder(const fs::path& dir) {
  fs::create_directory(dir / "Tape.rtf");
  return (dir / "Tape.rtf").string();
}

std::string MakeSocket(const fs::path& dir) {
  const fs::path path = dir / "Tape.rtf";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.string().copy(address.sun_path, sizeof address.sun_path - 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  return path.string();
}

std::string EndlessDevice(const fs::path&) {
  return "/dev/zero";
}

// A file of zeros one byte over the limit, without taking the space on disk.
std::string MakeHugeFile(const fs::path& dir) {
  const fs::path path = dir / "Riesig.rtf";
  std::ofstream(path, std::ios::binary) << "{\\rtf1 ";
  fs::resize_file(path, kMaxTapeFileBytes + 1);
  return path.string();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    testing::Values(RefusedFile{"Pipe", MakePipe, "keine gewöhnliche Datei"},
                    RefusedFile{"Folder", MakeFolder, "keine gewöhnliche Datei"},
                    RefusedFile{"Socket", MakeSocket, "keine gewöhnliche Datei"},
                    RefusedFile{"EndlessDevice", EndlessDevice, "keine gewöhnliche Datei"},
                    RefusedFile{"OverTheSizeLimit", MakeHugeFile,
                                "Die Datei ist größer als 64 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TapePanelTest, AFailedSaveIsReportedInGerman) {
  prompts.answers.push_back({QueuedAnswer::File, (dir / "fehlt" / "Tape").string()});
  frame.SpeedButton5.Click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.front(),
            "Die Datei Tape.rtf konnte nicht gespeichert werden: Die Datei oder der Ordner wurde "
            "nicht gefunden");
}

TEST_F(TapePanelTest, APlainTextSaveAppliesToThatSaveOnly) {
  prompts.answers.push_back({QueuedAnswer::File, (dir / "Notiz").string(), 2});
  frame.SpeedButton5.Click();
  prompts.answers.push_back({QueuedAnswer::Ok, ""});
  frame.SpeedButton5.Click();
  const TapeReadResult plain = LoadTapeFile((dir / "Notiz.txt").string(), TapeStyle{});
  const TapeReadResult rich = LoadTapeFile((dir / "Tape1.rtf").string(), TapeStyle{});
  ASSERT_TRUE(plain.ok() && rich.ok());
  EXPECT_EQ(plain.document[2].runs.front().format.color, kTapeBlack);
  EXPECT_EQ(rich.document, frame.Tape.Document());
  EXPECT_EQ(rich.document[2].runs.front().format.color, kTapeRed);
}

TEST_F(TapePanelTest, CommandsSeeWhatTheUserTypedInTheEditor) {
  FakeEditor editor(frame.Tape);
  frame.SetEditor(&editor);
  editor.typed = "getippt";
  prompts.answers.push_back({QueuedAnswer::File, (dir / "Notiz").string(), 2});
  frame.SpeedButton5.Click();
  std::ifstream in((dir / "Notiz.txt").string(), std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(saved, "\r\n1 ^\r\n2 -\r\ngetippt\r\n");
  frame.SpeedButton3.Click();
  EXPECT_EQ(clipboard.text, saved);
  frame.SetEditor(nullptr);
}

TEST_F(TapePanelTest, FormattingActsOnTheSelectionElseOnTheCurrentStyle) {
  FakeEditor editor(frame.Tape);
  frame.SetEditor(&editor);
  frame.N81.Click();
  EXPECT_EQ(frame.Tape.Style().format.size, 8);
  editor.SelectAll();
  frame.N121.Click();
  frame.Links1.Click();
  EXPECT_EQ(frame.Tape.Style().format.size, 8);
  EXPECT_EQ(frame.Tape.Style().alignment, Alignment::Right);
  ASSERT_EQ(editor.formatted.size(), 2u);
  EXPECT_EQ(editor.formatted[0].size, 12);
  EXPECT_EQ(editor.formatted[1].alignment, Alignment::Left);
  frame.Kopieren1.Click();
  EXPECT_EQ(clipboard.text, "alles");
  frame.SetEditor(nullptr);
}

struct StripCase {
  size_t longest;
  PrintRect rect;
};

class StripRectTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripRectTest, IsANarrowStripOneInchFromTheLeftAndTop) {
  EXPECT_EQ(TFrame4::StripRect({300, 600, 2480, 7016}, GetParam().longest), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StripRectTest,
                         testing::Values(StripCase{0, {300, 600, 826, 6416}},
                                         StripCase{20, {300, 600, 826, 6416}},
                                         StripCase{21, {300, 600, 992, 6416}},
                                         StripCase{200, {300, 600, 992, 6416}}));

}  // namespace
}  // namespace qv
