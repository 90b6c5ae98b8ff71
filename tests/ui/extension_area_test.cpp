// The extension area through the real window: a panel command grows the window by the area's
// height, and closing it returns the window to the calculator's height.
#include <QPushButton>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

TEST_F(UiTest, TheExtensionAreaGrowsAndShrinksTheWindow) {
  const QSize base = frontend.Window().size();
  QTest::keyClick(&frontend.Window(), Qt::Key_R);
  EXPECT_EQ(frontend.Window().size(), base + QSize(0, form.Frame11.Height()));
  EXPECT_EQ(Widget<QPushButton>("Button41").text(), QStringLiteral("↑"));
  Click("Button41");
  EXPECT_EQ(frontend.Window().size(), base);
  EXPECT_EQ(Widget<QPushButton>("Button41").text(), QStringLiteral("↓"));
}

}  // namespace
}  // namespace qv::ui
