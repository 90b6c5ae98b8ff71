// The rate-update dialog through real widgets: Ctrl+K shows it on top of the main window,
// with the currency list of the converter; "Schließen" hides it again.
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

TEST_F(UiTest, CtrlKShowsTheRateDialogAndItsButtonClosesIt) {
  QTest::keyClick(&frontend.Window(), Qt::Key_K, Qt::ControlModifier);
  auto* dialog = frontend.Window().findChild<QDialog*>(QStringLiteral("Form4"));
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(binder.Unbound(program.RateUpdate()), std::vector<std::string>{});
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Umrechnungskurse aktualisieren"));
  auto* list = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), static_cast<int>(form.Frame31.ComboBox1.Items().size()));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton3")),
                    Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(form.StayOnTop());
}

}  // namespace
}  // namespace qv::ui
