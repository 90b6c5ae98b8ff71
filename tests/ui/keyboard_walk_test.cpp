// The program without a mouse, through real widgets: Tab and Shift+Tab walk the keys and
// panels of the main window row by row while the logic follows the focus, Space presses the key
// that has it, a panel's box takes the keyboard from Tab and lets Tab go on, F10 opens the menu
// bar, and the menus show the desktop's keys.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

class KeyboardWalkTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    frontend.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frontend.Window()));
  }
  static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
  }
  // The focused widget as "NAME" or, in a panel, "PANEL.NAME".
  static QString Focused() {
    const QWidget* widget = QApplication::focusWidget();
    if (!widget) return QStringLiteral("(none)");
    const QWidget* panel = widget->parentWidget();
    const bool inPanel = panel && panel->objectName().startsWith(QLatin1String("Frame"));
    return inPanel ? panel->objectName() + QLatin1Char('.') + widget->objectName()
                   : widget->objectName();
  }
  // Presses the key until the focus comes back to where it was, and lists where it went.
  QStringList WalkAround(int key) {
    const QString start = Focused();
    QStringList walk;
    for (int i = 0; i < 200; ++i) {
      Press(key);
      walk << Focused();
      EXPECT_EQ(binder.WidgetOf(*form.ActiveControl()), QApplication::focusWidget())
          << "the logic's focus is not " << walk.back().toStdString();
      if (walk.back() == start) break;
    }
    return walk;
  }
  void PressUntil(const QString& name) {
    for (int i = 0; i < 200 && Focused() != name; ++i) Press(Qt::Key_Tab);
    ASSERT_EQ(Focused(), name);
  }
};

// With the tape and the tax panel shown: the calculator's keys row by row, then the extension
// area below them, then the tape and the converter beside them; Shift+Tab goes the same way back.
TEST_F(KeyboardWalkTest, TabWalksRowByRowPanelByPanelAndShiftTabGoesBack) {
  QTest::keyClicks(&frontend.Window(), QStringLiteral("ts"));
  ASSERT_EQ(Focused(), QStringLiteral("Button16"));
  const QStringList forward = WalkAround(Qt::Key_Tab);
  const QString expected =
      "Button17 Button28 Button20 R1 R2 Button44 Button41 Button46 Button18 "
      "Frame61.ComboBox1 Frame61.Edit3 Frame61.VST Frame61.NST Frame61.SpeedButton1 "
      "Frame61.SpeedButton2 Frame61.Edit4 Frame61.Edit2 "
      "Frame41.Button1 Frame41.FileOpenDialog1 Frame41.SpeedButton5 Frame41.SpeedButton3 "
      "Frame41.BitBtn2 Frame41.SpeedButton4 Frame41.SpeedButton1 Frame41.SpeedButton2 "
      "Frame31.ComboBox1 Frame31.Edit4 Frame31.SpeedButton1 Frame31.SpeedButton5 "
      "Frame31.SpeedButton2 Frame31.SpeedButton4 Frame31.SpeedButton3 Frame31.Edit2 "
      "Frame31.Edit3 "
      "Radio1 Radio2 Button33 Button34 Button35 Button36 Button37 Button38 Button39 Button40 "
      "Button22 Button23 Button24 Button29 Button30 SpeedButton1 SpeedButton2 SpeedButton3 "
      "Button25 Button26 Button7 Button8 Button9 Button13 Button19 Button4 Button5 Button6 "
      "Button12 Button21 Button1 Button2 Button3 Button15 Button27 Button10 Button11 Button14 "
      "Button16";
  EXPECT_EQ(forward.join(QLatin1Char(' ')), expected);
  QStringList backward = WalkAround(Qt::Key_Backtab);
  backward.removeLast();
  std::reverse(backward.begin(), backward.end());
  EXPECT_EQ(backward, forward.mid(0, forward.size() - 1));
}

// Digits and operators act wherever the focus is, Space presses the key that has it, and the
// key's action gives "=" the keyboard again, so that Enter stays "=".
TEST_F(KeyboardWalkTest, SpacePressesTheFocusedKeyAndEnterStaysEquals) {
  QTest::keyClick(&frontend.Window(), Qt::Key_5);
  PressUntil(QStringLiteral("Button34"));  // "> M"
  Press(Qt::Key_Space);
  EXPECT_EQ(form.S.MemoryValue, 5);
  EXPECT_EQ(Focused(), QStringLiteral("Button16"));
  EXPECT_EQ(form.ActiveControl(), &form.Button16);
  PressUntil(QStringLiteral("Button33"));  // "MC"
  Press(Qt::Key_Plus);
  Press(Qt::Key_2);
  Press(Qt::Key_Return);
  EXPECT_EQ(form.Label1.Text(), "€ 7,00");
  EXPECT_EQ(form.S.MemoryValue, 5);  // Enter gave "=", not the focused key
}

// Tab into the tax box gives it the keyboard as a click does; Tab out of it stores the typed
// percentage and goes on to the next control.
TEST_F(KeyboardWalkTest, APanelBoxTakesTheKeyboardFromTabAndLetsTabGoOn) {
  QTest::keyClicks(&frontend.Window(), QStringLiteral("s"));
  PressUntil(QStringLiteral("Frame61.Edit3"));
  EXPECT_EQ(form.S.InputState, 4);
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_7);
  EXPECT_EQ(form.Frame61.Edit3.Text(), "7");
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focused(), QStringLiteral("Frame61.VST"));
  EXPECT_NE(form.S.InputState, 4);
  for (const int key : {Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_Plus, Qt::Key_0, Qt::Key_Return})
    Press(key);
  EXPECT_EQ(form.Frame61.Edit2.Text(), "107,00");
}

TEST_F(KeyboardWalkTest, F10OpensTheMenuBar) {
  QMenuBar& bar = *frontend.Window().menuBar();
  Press(Qt::Key_F10);
  ASSERT_NE(bar.activeAction(), nullptr);
  EXPECT_EQ(bar.activeAction(), binder.ActionOf(form.Einstellungen1));
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

TEST_F(KeyboardWalkTest, TheMenusShowTheDesktopsKeys) {
  const std::pair<const Control*, const char*> keys[] = {
      {&form.Kopieren2, "Ctrl+C"},          {&form.Einfgen2, "Ctrl+V"},
      {&form.Beenden1, "Ctrl+Q"},           {&form.Frame41.Oeffnen1, "Ctrl+O"},
      {&form.Frame41.Speichern1, "Ctrl+S"}, {&form.Frame41.Drucken1, "Ctrl+P"},
  };
  for (const auto& [item, key] : keys) {
    QAction* action = binder.ActionOf(*item);
    ASSERT_NE(action, nullptr) << item->Name();
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(key))) << item->Name();
  }
}

}  // namespace
}  // namespace qv::ui
