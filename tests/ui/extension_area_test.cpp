// The extension area through the real window: a panel command grows the window by the area's
// height and shows the panel, whose keys act on the calculator's fields.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "ui/tab_rows.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

using ExtensionAreaTest = UiTest;

TEST_F(ExtensionAreaTest, TheAreaGrowsAndShrinksTheWindow) {
  const QSize base = frontend.Window().size();
  QTest::keyClick(&frontend.Window(), Qt::Key_R);
  EXPECT_EQ(frontend.Window().size(), base + QSize(0, form.Frame11.Height()));
  EXPECT_TRUE(Widget("Frame11").isVisible());
  EXPECT_EQ(Widget<QPushButton>("Button41").text(), QStringLiteral("↑"));
  Click("Button41");
  EXPECT_EQ(frontend.Window().size(), base);
  EXPECT_FALSE(Widget("Frame11").isVisible());
  EXPECT_EQ(Widget<QPushButton>("Button41").text(), QStringLiteral("↓"));
}

TEST_F(ExtensionAreaTest, TheTrigonometryKeysApplyToFieldOne) {
  EXPECT_EQ(binder.Unbound(form.Frame11), std::vector<std::string>{});
  QTest::keyClick(&frontend.Window(), Qt::Key_R);
  QTest::keyClicks(&frontend.Window(), "30");
  QTest::mouseClick(&PanelWidget("Frame11", "Button1"), Qt::LeftButton);
  EXPECT_EQ(Widget<QLabel>("Label3").text(), QStringLiteral("0,5"));
  EXPECT_EQ(Widget<QLabel>("Label2").text(), QStringLiteral("sin"));
  // Ticking "Hyp" applies sinh and leaves only the hyperbolic keys enabled.
  QTest::mouseClick(&PanelWidget<QCheckBox>("Frame11", "hyp"), Qt::LeftButton);
  EXPECT_TRUE(PanelWidget<QCheckBox>("Frame11", "hyp").isChecked());
  EXPECT_EQ(Widget<QLabel>("Label2").text(), QStringLiteral("sinh"));
  EXPECT_FALSE(PanelWidget("Frame11", "Button4").isEnabled());
}

TEST_F(ExtensionAreaTest, TheTaxPanelFollowsTheResult) {
  EXPECT_EQ(binder.Unbound(form.Frame61), std::vector<std::string>{});
  QTest::keyClick(&frontend.Window(), Qt::Key_S);
  ASSERT_TRUE(Widget("Frame61").isVisible());
  QTest::keyClicks(&frontend.Window(), "100+19");
  QTest::keyClick(&frontend.Window(), Qt::Key_Return);
  auto* net = Widget("Frame61").findChild<QLineEdit*>(QStringLiteral("Edit4"));
  ASSERT_NE(net, nullptr);
  EXPECT_EQ(net->text(), QStringLiteral("100,00"));
}

TEST_F(ExtensionAreaTest, AnotherPageOfTheUnitPanelConvertsAtOnce) {
  EXPECT_EQ(binder.Unbound(form.Frame51), std::vector<std::string>{});
  QTest::keyClicks(&frontend.Window(), "10e");
  auto* tabs = Widget("Frame51").findChild<QTabBar*>(QStringLiteral("PageControl1"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 8);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Länge"));
  tabs->setCurrentIndex(4);
  EXPECT_EQ(Widget<QLabel>("Label3").text(), QStringLiteral("6,21371192237334"));
  EXPECT_TRUE(Widget("Frame51").findChild<QWidget*>(QStringLiteral("Combo9"))->isVisible());
  EXPECT_FALSE(Widget("Frame51").findChild<QWidget*>(QStringLiteral("Combo1"))->isVisible());
}

TEST_F(ExtensionAreaTest, ATabOfTheSecondRowIsChosenByAClick) {
  QTest::keyClicks(&frontend.Window(), "10e");
  auto* tabs = Widget("Frame51").findChild<TabRows*>(QStringLiteral("PageControl1"));
  ASSERT_NE(tabs, nullptr);
  // "Tempo" opens the second row, inside the bar.
  const QRect tempo = tabs->RowTabRect(4);
  EXPECT_GT(tempo.top(), tabs->RowTabRect(0).bottom());
  EXPECT_TRUE(tabs->rect().contains(tempo));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tempo.center());
  EXPECT_EQ(form.Frame51.Page(), 4);
  EXPECT_EQ(Widget<QLabel>("Label3").text(), QStringLiteral("6,21371192237334"));
}

}  // namespace
}  // namespace qv::ui
