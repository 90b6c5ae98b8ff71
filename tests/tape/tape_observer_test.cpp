#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape/tape_model.h"

namespace qv {
namespace {

// Records every notification as a short text.
class RecordingObserver : public TapeObserver {
 public:
  std::vector<std::string> events;

  void LineAppended(const TapeParagraph& line) override { events.push_back("+" + line.Text()); }
  void LastLineReplaced(const TapeParagraph& line) override { events.push_back("=" + line.Text()); }
  void LinesRemovedFromEnd(int count) override { events.push_back("-" + std::to_string(count)); }
  void Cleared() override { events.push_back("clear"); }
  void DocumentReplaced() override { events.push_back("doc"); }
  void StyleChanged(const TapeStyle& style) override {
    events.push_back("style " + std::to_string(style.format.size));
  }
  void UndoCleared() override { events.push_back("undo"); }
};

TEST(TapeObserver, EachOperationIsReportedAsOneIncrementalChange) {
  TapeModel tape;
  RecordingObserver view;
  tape.AddObserver(&view);
  tape.TapeClearUndo();
  tape.TapeStartEntry();  // a new tape is cleared
  tape.TapeAppendLine("5 ^");
  tape.TapeAppendLine("3 +");
  tape.TapeAppendRule("8");
  tape.TapeAppendLine("8 T");
  tape.TapeStartEntry();
  tape.TapeStartEntry();
  tape.TapeTrimBlankEnd();
  tape.TapeReplaceLastLine("9 T");
  tape.TapeRemoveLastLine();
  tape.TapeSetStyle({.size = 8});
  tape.TapeClear();
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"undo", "clear", "+5 ^", "+3 +", "+-------", "+8 T", "+", "+",
                                      "-2", "=9 T", "-1", "style 8.000000", "clear"}));
}

TEST(TapeObserver, TrimWithoutBlankLinesReportsNothing) {
  TapeModel tape;
  tape.TapeAppendLine("5 ^");
  RecordingObserver view;
  tape.AddObserver(&view);
  tape.TapeTrimBlankEnd();
  EXPECT_TRUE(view.events.empty());
}

TEST(TapeObserver, TheViewThatHandsBackItsEditsIsNotToldAgain) {
  TapeModel tape;
  RecordingObserver editor;
  RecordingObserver other;
  tape.AddObserver(&editor);
  tape.AddObserver(&other);
  tape.ReplaceDocument({MakeParagraph("typed", tape.Style())}, &editor);
  EXPECT_TRUE(editor.events.empty());
  EXPECT_EQ(other.events, std::vector<std::string>{"doc"});
  tape.RemoveObserver(&other);
  tape.TapeAppendLine("1 ^");
  EXPECT_EQ(other.events.size(), 1u);
  EXPECT_EQ(editor.events, std::vector<std::string>{"+1 ^"});
}

}  // namespace
}  // namespace qv
