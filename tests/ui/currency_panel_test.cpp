// The currency converter through real widgets: a click into the base field makes it the input,
// every key released converts, Enter takes the converted amount into the calculator.
#include <QLabel>
#include <QLineEdit>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

using CurrencyPanelTest = UiTest;

TEST_F(CurrencyPanelTest, TypingInTheBaseFieldConvertsAndEnterTakesTheAmount) {
  EXPECT_EQ(binder.Unbound(form.Frame31), std::vector<std::string>{});
  QTest::keyClick(&frontend.Window(), Qt::Key_W);
  ASSERT_TRUE(Widget("Frame31").isVisible());
  auto& base = PanelWidget<QLineEdit>("Frame31", "Edit2");
  QTest::mouseClick(&base, Qt::LeftButton);
  EXPECT_EQ(form.S.InputState, 4);
  base.selectAll();
  QTest::keyClicks(&base, "100");
  EXPECT_EQ(PanelWidget<QLineEdit>("Frame31", "Edit3").text(), QStringLiteral("113,71"));
  EXPECT_EQ(PanelWidget<QLabel>("Frame31", "Label4").text(), QStringLiteral("→"));
  QTest::keyClick(&base, Qt::Key_Return);
  EXPECT_EQ(form.S.Entry1, "113.711");
  EXPECT_EQ(form.S.InputState, 1);
  EXPECT_EQ(Widget<QLabel>("Label1").text(), QStringLiteral("USD 113,71"));
}

}  // namespace
}  // namespace qv::ui
