// The binder and the window through real widgets: what the user does reaches the logic, and
// what the logic changes shows.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "platform/errors.h"
#include "ui/about_dialog.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

TEST_F(UiTest, EveryControlOfTheWindowsHasItsWidget) {
  EXPECT_EQ(binder.Unbound(form), std::vector<std::string>{});
  EXPECT_EQ(binder.Unbound(program.AboutBox()), std::vector<std::string>{});
  EXPECT_EQ(frontend.Window().windowTitle(), QStringLiteral("Quorvel (R1)"));
  EXPECT_EQ(frontend.Window().CalculatorRegion().size(), QSize(251, 420));
}

TEST_F(UiTest, ClickedKeysShowInTheFieldDisplay) {
  for (const char* key : {"Button1", "Button2", "Button5", "Button27"}) Click(key);
  EXPECT_EQ(form.Label1.Text(), "€ -125,00");  // the currency format of a fresh start
  EXPECT_EQ(Widget<QLabel>("Label1").text(), Q(form.Label1.Text()));
}

TEST_F(UiTest, KeysReachTheFormBeforeTheFocusedKey) {
  Click("Button1");  // the focus is now on "="
  QTest::keyClick(&frontend.Window(), Qt::Key_5);
  QTest::keyClick(&Widget("Button16"), Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(form.S.Entry1, "157");
  // Space and Enter are no clicks of the focused key by themselves.
  QTest::keyClick(&Widget("Button9"), Qt::Key_Space);
  EXPECT_EQ(form.S.Entry1, "157");
  EXPECT_EQ(Widget<QLabel>("Label1").text(), Q(form.Label1.Text()));
}

TEST_F(UiTest, MenuShortcutsRunOnceThroughTheForm) {
  QAction* general = binder.ActionOf(form.Formatierung3);
  ASSERT_NE(general, nullptr);
  EXPECT_EQ(general->shortcut().toString(), QStringLiteral("F3"));
  EXPECT_EQ(general->shortcutContext(), Qt::WidgetShortcut);
  Click("Button4");
  QTest::keyClick(&frontend.Window(), Qt::Key_F3);
  EXPECT_TRUE(form.Formatierung3.Checked());
  EXPECT_TRUE(general->isChecked());
  EXPECT_FALSE(binder.ActionOf(form.Formatierung2)->isChecked());
  EXPECT_EQ(Widget<QLabel>("Label1").text(), QStringLiteral("4"));
  EXPECT_FALSE(Widget<QSpinBox>("SpinEdit1").isEnabled());
}

TEST_F(UiTest, MenuItemsComeFromTheLogicsTree) {
  const QList<QAction*> top = frontend.Window().menuBar()->actions();
  ASSERT_EQ(top.size(), 3);
  EXPECT_EQ(top[0]->text(), QStringLiteral("Einstellungen"));
  EXPECT_EQ(top[2]->objectName(), QStringLiteral("Skalierung1"));
  QMenu* formats = binder.ActionOf(form.Dezimals1)->menu();
  ASSERT_NE(formats, nullptr);
  EXPECT_EQ(formats->actions().size(), 3);
  EXPECT_TRUE(binder.ActionOf(form.N1)->isSeparator());
  // A menu command chosen with the mouse runs its handler; the radio marks follow the logic.
  binder.ActionOf(form.Formatierung1)->trigger();
  EXPECT_EQ(form.S.FormatMode, 1);
  EXPECT_TRUE(binder.ActionOf(form.Formatierung1)->isChecked());
  EXPECT_TRUE(Widget<QSpinBox>("SpinEdit1").isEnabled());
}

TEST_F(UiTest, TheSpinnerSetsTheDecimals) {
  binder.ActionOf(form.Formatierung1)->trigger();
  Click("Button3");
  Widget<QSpinBox>("SpinEdit1").setValue(2);  // as the user's arrow click does
  EXPECT_EQ(form.S.Decimals, 2);
  EXPECT_EQ(Widget<QLabel>("Label1").text(), QStringLiteral(" 3,00"));
}

TEST_F(UiTest, ACheckedRadioButtonStaysCheckedWhenClickedAgain) {
  auto& radio1 = Widget<QRadioButton>("Radio1");
  ASSERT_TRUE(radio1.isChecked());
  Click("Radio1");
  EXPECT_TRUE(radio1.isChecked());
  Click("Radio2");
  EXPECT_TRUE(form.Radio2.Checked());
  EXPECT_FALSE(radio1.isChecked());
  EXPECT_TRUE(Widget<QRadioButton>("Radio2").isChecked());
}

TEST_F(UiTest, SymbolFontCaptionsShowAsUnicode) {
  EXPECT_EQ(form.Button19.Text(), "ç");
  EXPECT_EQ(Widget<QPushButton>("Button19").text(), QStringLiteral("←"));
  EXPECT_EQ(Widget<QPushButton>("Button22").text(), QStringLiteral("√"));
  EXPECT_EQ(Widget<QPushButton>("Button41").text(), QStringLiteral("↓"));
  EXPECT_EQ(Widget<QPushButton>("Button17").toolTip(), QStringLiteral("Eingabefelder  löschen"));
}

TEST_F(UiTest, DoubleClickOnAFieldRunsItsHandler) {
  Click("Radio2");
  QTest::mouseDClick(&Widget("Label1"), Qt::LeftButton);
  EXPECT_EQ(form.S.InputState, 1);
  EXPECT_TRUE(Widget<QRadioButton>("Radio1").isChecked());
}

TEST_F(UiTest, AnErrorOfAHandlerGoesToTheGeneralHandler) {
  form.Button30.OnClick = [] { throw EZeroDivide(); };
  Click("Button30");
  EXPECT_EQ(prompts.shown, std::vector<std::string>{"Gleitkommadivision durch Null."});
  Click("Button7");  // and the program goes on
  EXPECT_EQ(form.S.Entry1, "7");
}

TEST_F(UiTest, TheAboutBoxOpensAndClosesWithItsForm) {
  binder.ActionOf(form.About)->trigger();
  AboutDialog& about = frontend.About();
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Info über Quorvel"));
  EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), QStringLiteral("Version 2.1"));
  // Its key has the size of the other dialogs' keys, whole within the box.
  auto& ok = *about.findChild<QPushButton*>("OKButton");
  const QWidget& rangeKey =
      *frontend.Window().findChild<QWidget*>("Bereich")->findChild<QPushButton*>("Button1");
  EXPECT_EQ(ok.width(), rangeKey.width());
  EXPECT_EQ(ok.height(), rangeKey.height());
  EXPECT_TRUE(about.rect().contains(ok.geometry()));
  QTest::mouseClick(&ok, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(program.AboutBox().Visible());
  // Closed by Qt itself (Esc), it opens again on the next command.
  binder.ActionOf(form.About)->trigger();
  about.reject();
  EXPECT_FALSE(program.AboutBox().Visible());
  binder.ActionOf(form.About)->trigger();
  EXPECT_TRUE(about.isVisible());
}

TEST_F(UiTest, ClosingTheWindowClosesTheProgramAndSavesTheSettings) {
  EXPECT_TRUE(frontend.Window().close());
  EXPECT_TRUE(program.Closed());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Quorvel.ini"))));
}

}  // namespace
}  // namespace qv::ui
