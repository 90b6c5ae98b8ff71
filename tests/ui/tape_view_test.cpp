// The tape panel through real widgets: program writes show in the view line by line, what the
// user types in edit mode reaches the model, and the tape prints into a PDF file.
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "tape/tape_file.h"
#include "tape/tape_panel.h"
#include "ui/tape_text.h"
#include "ui/tape_view.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

QStringList Lines(const TapeModel& tape) {
  QStringList lines;
  for (int i = 0; i < tape.TapeLineCount(); ++i) lines << QString::fromStdString(tape.TapeLine(i));
  return lines;
}

class TapeViewTest : public UiTest {
 protected:
  void ShowTape() {
    Click("Button46");
    ASSERT_TRUE(form.TapeShown());
  }
  QTextEdit& View() { return Widget<QTextEdit>("RichEdit1"); }
  // A button of the panel (the calculator has controls of the same names).
  void PanelClick(const char* name) {
    auto* button = Widget("Frame41").findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  TapeModel& tape = form.Frame41.Tape;
};

TEST_F(TapeViewTest, EveryControlOfThePanelHasItsWidgetAndTheWindowWidens) {
  EXPECT_EQ(binder.Unbound(form.Frame41), std::vector<std::string>{});
  const int base = frontend.Window().width();
  ShowTape();
  EXPECT_TRUE(Widget("Frame41").isVisible());
  EXPECT_EQ(frontend.Window().width(), base + form.Frame41.Width() - 6);
  Click("Button46");
  EXPECT_FALSE(Widget("Frame41").isVisible());
  EXPECT_EQ(frontend.Window().width(), base);
}

TEST_F(TapeViewTest, ProgramWritesAppearLineByLine) {
  ShowTape();
  for (const char* key : {"Button1", "Button14", "Button2", "Button16"}) Click(key);
  ASSERT_GT(tape.TapeLineCount(), 3);
  EXPECT_EQ(View().toPlainText().split(QChar('\n')), Lines(tape));
  // Lines written later leave the earlier blocks as they are: nothing is shown anew.
  QTextBlock first = View().document()->firstBlock();
  first.setUserState(42);
  for (const char* key : {"Button3", "Button14", "Button4", "Button16"}) Click(key);
  EXPECT_EQ(View().document()->firstBlock().userState(), 42);
  EXPECT_EQ(View().toPlainText().split(QChar('\n')), Lines(tape));
  // The total in bold, followed by its amount in the second currency in regular weight.
  const QTextBlock last = View().document()->lastBlock();
  const QTextBlock total = last.previous();
  ASSERT_TRUE(total.text().endsWith(QStringLiteral(" T")));
  EXPECT_EQ(total.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignRight | Qt::AlignAbsolute);
  EXPECT_EQ(total.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(last.begin().fragment().charFormat().fontWeight(), QFont::Normal);
  // Undoing the last step removes its lines from the view too.
  tape.TapeRemoveLastLine();
  tape.TapeRemoveLastLine();
  EXPECT_EQ(View().toPlainText().split(QChar('\n')), Lines(tape));
}

TEST_F(TapeViewTest, TypingInEditModeReachesTheModelBeforeTheNextCommand) {
  ShowTape();
  tape.TapeAppendLine("12 ^");
  PanelClick("SpeedButton1");
  EXPECT_EQ(form.S.InputState, 4);
  ASSERT_TRUE(View().hasFocus());
  View().moveCursor(QTextCursor::End);
  QTest::keyClicks(&View(), " Miete");
  QTest::keyClick(&View(), Qt::Key_Return);
  QTest::keyClicks(&View(), "5");
  EXPECT_EQ(form.S.Entry1, "");  // the calculator took none of the keys
  PanelClick("SpeedButton2");
  EXPECT_EQ(form.S.InputState, 1);
  // Recording after three lines adds the blank line of a new block.
  EXPECT_EQ(Lines(tape), (QStringList{"", "12 ^ Miete", "5", ""}));
  EXPECT_TRUE(tape.Document()[1].runs.front().format.bold);
  // A program write after the edit keeps the typed lines.
  form.Frame41.Kommentar1.Click();
  EXPECT_EQ(Lines(tape).mid(0, 3), (QStringList{"", "12 ^ Miete", "5"}));
  EXPECT_EQ(View().toPlainText().split(QChar('\n')), Lines(tape));
}

// While the tape owns the keyboard, command keys of the window ("r" the trigonometry panel,
// "+" an operator) are text for the tape; Esc alone gives the keyboard back.
TEST_F(TapeViewTest, InEditModeCommandKeysAreTextForTheTape) {
  ShowTape();
  Click("Button5");
  PanelClick("SpeedButton1");
  View().moveCursor(QTextCursor::End);
  QTest::keyClicks(&View(), "r+");
  QTest::keyClick(&View(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_TRUE(View().toPlainText().endsWith(QStringLiteral("r++")));
  EXPECT_EQ(form.S.PendingOp, '0');
  EXPECT_EQ(form.S.InputState, 4);
  EXPECT_FALSE(form.Trigon.Checked());
  QTest::keyClick(&View(), Qt::Key_Escape);
  EXPECT_EQ(form.S.InputState, 1);
  QTest::keyClick(&frontend.Window(), Qt::Key_Plus);
  EXPECT_EQ(form.S.PendingOp, '+');
}

TEST_F(TapeViewTest, ADropOfAFieldDisplayIsEnteredAsAStartValue) {
  ShowTape();
  tape.TapeAppendLine("1 ^");
  QMimeData data;
  data.setData(QString::fromLatin1(Binder::kControlMime), "Label1");
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(View().viewport(), &enter);
  QApplication::sendEvent(View().viewport(), &drop);
  // The test's clipboard keeps nothing: the value handed over through it is empty.
  EXPECT_EQ(Lines(tape), (QStringList{"", "1 ^", "", " ^"}));
}

// Tells whether the program's busy cursor was shown when the view was handed a new document.
class CursorAtReplace : public TapeObserver {
 public:
  void LineAppended(const TapeParagraph&) override {}
  void LastLineReplaced(const TapeParagraph&) override {}
  void LinesRemovedFromEnd(int) override {}
  void Cleared() override {}
  void DocumentReplaced() override {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    busy = cursor && cursor->shape() == Qt::WaitCursor;
  }
  void StyleChanged(const TapeStyle&) override {}
  void UndoCleared() override {}
  bool busy = false;
};

// A long tape file goes into the shown view in one pass under the busy cursor; the view shows
// every line with its format, ends at the last line once it is laid out, and "Rückgängig" does
// not take the opened lines away again.
TEST_F(TapeViewTest, ALongTapeOpensUnderTheBusyCursorAndShowsItsEnd) {
  TapeDocument lines;
  TapeStyle note;
  note.format = {.font = "Arial", .size = 8, .bold = false, .color = kTapeGreen};
  note.alignment = Alignment::Left;
  for (int i = 0; i < 3000; ++i) {
    TapeStyle style;
    style.format.bold = true;
    style.format.color = i % 3 == 0 ? kTapeRed : kTapeBlack;
    lines.push_back(MakeParagraph(std::to_string(i) + ",25 +", i % 7 == 0 ? note : style));
  }
  lines.push_back(MakeParagraph("", TapeStyle{}));
  const std::string path = dir.filePath(QStringLiteral("Lang.rtf")).toStdString();
  ASSERT_EQ(SaveTapeFile(path, lines, TapeFileFormat::Rtf), std::nullopt);
  ShowTape();
  CursorAtReplace seen;
  tape.AddObserver(&seen);
  prompts.openPath = path;
  PanelClick("FileOpenDialog1");
  tape.RemoveObserver(&seen);
  EXPECT_TRUE(seen.busy);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
  ASSERT_TRUE(tape.Document() == lines);
  EXPECT_TRUE(ReadDocument(*View().document()) == lines);
  const QScrollBar& bar = *View().verticalScrollBar();
  EXPECT_TRUE(QTest::qWaitFor([&] { return View().textCursor().atEnd(); }));
  EXPECT_GT(bar.maximum(), 0);
  EXPECT_EQ(bar.value(), bar.maximum());
  form.Frame41.Undo1.Click();
  EXPECT_TRUE(tape.Document() == lines);
}

TEST_F(TapeViewTest, TheTapePrintsIntoAPdfFile) {
  TapeDocument lines;
  for (int i = 0; i < 300; ++i)
    lines.push_back(MakeParagraph(std::to_string(i) + ",00 +", TapeStyle{}));
  const PrinterPage page = printer.Page();
  ASSERT_GT(page.dpiX, 0);
  EXPECT_EQ(printer.PrintRichText(WriteTape(lines, TapeFileFormat::Rtf),
                                  TFrame4::StripRect(page, 7), "Quorvel Tape"),
            std::nullopt);
  QFile pdf(dir.filePath(QStringLiteral("tape.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray data = pdf.readAll();
  EXPECT_TRUE(data.startsWith("%PDF"));
  // 300 lines of 10 pt do not fit one page.
  EXPECT_GE(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page "),
            2);
}

}  // namespace
}  // namespace qv::ui
