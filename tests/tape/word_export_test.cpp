// Handing the tape to a word processor: the inserted transfer file, the text box's sizes and
// formats, and the failures that end the export.
#include "tape/word_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "fakes.h"
#include "tape/tape_style.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TapeParagraph Line(const std::string& text, CharFormat format = {.bold = true}) {
  return TapeParagraph{Alignment::Right, {TapeRun{text, format}}};
}

class WordExportTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("qv-word-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  bool Called(const std::string& call) const {
    return std::find(word.calls.begin(), word.calls.end(), call) != word.calls.end();
  }
  std::string Transfer() const { return (dir / "Temp.rtf").string(); }

  fs::path dir;
  qvs::FakeWordProcessor word;
  qvs::FakePrompts prompts;
};

TEST_F(WordExportTest, AnEmptyTapeIsInsertedAsAFileThatIsThenDeleted) {
  ExportToWord({}, {}, Transfer(), word, prompts);
  EXPECT_EQ(word.calls,
            (std::vector<std::string>{"Connect", "MakeVisible", "InsertFile Temp.rtf", "Release"}));
  EXPECT_FALSE(fs::exists(Transfer()));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(WordExportTest, TheTextBoxGrowsWithTheLines) {
  const TapeDocument tape = {Line("1234567890"), Line("12345"), Line("123")};
  ExportToWord(tape, {.textBox = true}, Transfer(), word, prompts);
  EXPECT_TRUE(Called("AddTextBox 72 72 60 42"));
  EXPECT_TRUE(Called("SetBoxMargins 8"));
  EXPECT_TRUE(Called("SetBoxBorder dotted"));
  EXPECT_TRUE(Called("SetBoxSize 70 57"));
  EXPECT_TRUE(Called("TypeText 12345\v"));
  EXPECT_TRUE(fs::exists(Transfer()));  // left in the data folder
}

TEST_F(WordExportTest, ANarrowBoxIsWidenedAndAWideOneNarrowed) {
  EXPECT_EQ(TextBoxWidth(5 * 7), 55);
  EXPECT_EQ(TextBoxWidth(60), 60);
  EXPECT_EQ(TextBoxWidth(181), 151);
}

TEST_F(WordExportTest, OnlyPlainBoldStaysBoldAndTheColoursHaveTheirIndices) {
  const TapeDocument tape = {
      Line("Kommentar", {.size = 11, .italic = true}),
      Line("5 S", {.bold = true, .color = kTapeGreen}),
      Line("-3 T", {.bold = true, .color = kTapeRed}),
  };
  ExportToWord(tape, {.textBox = true, .noBorder = true}, Transfer(), word, prompts);
  EXPECT_TRUE(Called("SetBoxBorder none"));
  EXPECT_TRUE(Called("SetFont Arial 11 regular"));
  EXPECT_TRUE(Called("SetColorIndex 11"));
  EXPECT_TRUE(Called("SetColorIndex 6"));
}

TEST_F(WordExportTest, WithoutAWordProcessorTheReasonIsShownAndTheFileStays) {
  word.available = false;
  ExportToWord({Line("1 ^")}, {}, Transfer(), word, prompts);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.front(), "Keine Textverarbeitung gefunden");
  EXPECT_TRUE(fs::exists(Transfer()));
  EXPECT_FALSE(Called("MakeVisible"));
}

}  // namespace
}  // namespace qv
