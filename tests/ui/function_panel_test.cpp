// The function-term panel through real widgets: a term typed into the term box is evaluated by
// "f(x)" with x from field 1, and Enter in the term box evaluates too.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

using FunctionPanelTest = UiTest;

TEST_F(FunctionPanelTest, TheTermIsEvaluatedWithXFromFieldOne) {
  binder.ActionOf(form.Funktionen1)->trigger();
  ASSERT_TRUE(Widget("Frame71").isVisible());
  QTest::keyClicks(&frontend.Window(), "3");
  QLineEdit& term = *PanelWidget<QComboBox>("Frame71", "ComboBox1").lineEdit();
  QTest::mouseClick(&term, Qt::LeftButton);
  EXPECT_EQ(form.S.InputState, 4);
  term.selectAll();
  QTest::keyClicks(&term, "x ^ 2");
  EXPECT_EQ(term.text(), QStringLiteral("x^2"));
  QTest::keyClick(&term, Qt::Key_Return);
  EXPECT_EQ(Widget<QLabel>("Label3").text(), QStringLiteral("9"));
  EXPECT_EQ(form.S.InputState, 1);
  // The picker inserts at the caret the user left in the term box.
  term.setCursorPosition(1);
  auto& picker = PanelWidget<QComboBox>("Frame71", "ComboBox2");
  picker.activated(0);
  EXPECT_EQ(term.text(), QStringLiteral("x+^2"));
}

}  // namespace
}  // namespace qv::ui
