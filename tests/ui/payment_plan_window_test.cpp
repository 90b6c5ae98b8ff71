// The payment plan window through real widgets: the finance window's "Plan" button opens it
// beside the tabs of the pages, the table shows the plan with its amounts at the right, the
// yearly view replaces it, the chart is shown at the screen's own pixels (crisp at every
// scaling; the test runs at 100, 120 and 150 %), and a printout goes to the printer as pages.
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "finance/plan_chart.h"
#include "finance/plan_print.h"
#include "ui/raster_view.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

class PaymentPlanWindowTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    binder.ActionOf(form.Finanz)->trigger();
    finance = frontend.Window().findChild<QDialog*>(QStringLiteral("Finanzrechner"));
    ASSERT_NE(finance, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(finance));
  }
  template <class W = QWidget>
  W& In(QWidget* window, const char* name) {
    auto* widget = window->findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  void Type(const char* name, const char* text) {
    auto& edit = In<QLineEdit>(finance, name);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, QString::fromUtf8(text));
  }
  // 100.000 at 6 % over 30 years computed, and the plan opened.
  QDialog* OpenPlan() {
    Type("Edit1", "100000");
    Type("Edit2", "6");
    QTest::mouseClick(&In(finance, "PlanBtn"), Qt::LeftButton);
    auto* plan = frontend.Window().findChild<QDialog*>(QStringLiteral("Zahlungsplan"));
    EXPECT_NE(plan, nullptr);
    if (plan) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(plan));
    }
    return plan;
  }
  QDialog* finance = nullptr;
};

TEST_F(PaymentPlanWindowTest, ThePlanButtonStandsBesideTheTabsAndWaitsForAComputation) {
  auto& button = In<QPushButton>(finance, "PlanBtn");
  EXPECT_FALSE(button.isEnabled());
  EXPECT_EQ(button.toolTip(), QStringLiteral("Zahlungsplan Monat für Monat anzeigen"));
  // Nothing of the window moved: it keeps its size, and the button lies right of the tabs.
  EXPECT_EQ(finance->size(), QSize(279, 563));
  const auto& tabs = *In<QTabWidget>(finance, "PageControl1").tabBar();
  const QRect lastTab = tabs.tabRect(tabs.count() - 1).translated(tabs.mapTo(finance, QPoint()));
  EXPECT_GT(button.geometry().left(), lastTab.right());
  EXPECT_TRUE(button.isVisible());
}

TEST_F(PaymentPlanWindowTest, TheTableShowsThePlanAndTheYearlyViewReplacesIt) {
  QDialog* plan = OpenPlan();
  ASSERT_NE(plan, nullptr);
  EXPECT_EQ(plan->windowTitle(), QStringLiteral("Zahlungsplan - Tilgungsplan"));
  EXPECT_EQ(binder.Unbound(program.Plan()), std::vector<std::string>{});
  auto& table = In<QTableWidget>(plan, "Grid1");
  EXPECT_EQ(table.rowCount(), 361);
  EXPECT_EQ(table.horizontalHeaderItem(8)->text(), QStringLiteral("Restschuld"));
  EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("600,00"));
  EXPECT_TRUE(table.item(0, 3)->textAlignment() & Qt::AlignRight);
  EXPECT_TRUE(table.item(0, 1)->textAlignment() & Qt::AlignLeft);
  EXPECT_EQ(table.item(360, 0)->text(), QStringLiteral("Summe"));
  EXPECT_FALSE(table.item(0, 3)->flags() & Qt::ItemIsEditable);
  QTest::mouseClick(&In(plan, "Jahre"), Qt::LeftButton);
  // A line per calendar year of the 30 years, and Summe.
  EXPECT_EQ(table.rowCount(), program.Plan().Grid1.RowCount() - 1);
  EXPECT_GE(table.rowCount(), 31);
  EXPECT_LE(table.rowCount(), 32);
  EXPECT_EQ(table.horizontalHeaderItem(0)->text(), QStringLiteral("Jahr"));
  EXPECT_FALSE(In<QRadioButton>(plan, "Monate").isChecked());
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
}

// One pixel of the chart to one pixel of the screen: the legend's swatches show their colours
// pure, without the blend of a scaled picture at their edges.
TEST_F(PaymentPlanWindowTest, TheChartIsShownAtTheScreensOwnPixels) {
  QDialog* plan = OpenPlan();
  ASSERT_NE(plan, nullptr);
  auto& chart = In<RasterView>(plan, "Image1");
  const qreal ratio = chart.devicePixelRatioF();
  EXPECT_EQ(program.Plan().Chart().Width(), qRound(TZahlungsplan::kChartWidth * ratio));
  EXPECT_EQ(chart.Shown().devicePixelRatio(),
            program.Plan().Chart().Width() / static_cast<double>(chart.width()));
  const QImage shown = chart.grab().toImage();
  ASSERT_EQ(shown.width(), program.Plan().Chart().Width());
  const int y = qRound(10 * ratio);
  for (int x = qRound(2 * ratio); x < qRound(20 * ratio); ++x) {
    const QRgb pixel = shown.pixel(x, y) & 0xFFFFFF;
    EXPECT_TRUE(pixel == 0xFFFFFF || pixel == kChartBalance) << x << " " << std::hex << pixel;
  }
}

// "Drucken..." prints the plan page by page; here the printer writes a PDF file, with as many
// pages as the plan was laid out on.
TEST_F(PaymentPlanWindowTest, PrintingMakesAPageOfTheDocumentForEachPageLaidOut) {
  QDialog* plan = OpenPlan();
  ASSERT_NE(plan, nullptr);
  prompts.printerChosen = true;
  QTest::mouseClick(&In(plan, "PrintBtn"), Qt::LeftButton);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
  const TZahlungsplan& form = program.Plan();
  ASSERT_NE(form.PlanShown(), nullptr);
  const size_t pages = LayOutPlanPrint(MakePlanTable(*form.PlanShown(), PlanView::Months),
                                       form.Caption(), form.PlanShown()->inputs, printer.Page())
                           .pages.size();
  EXPECT_GT(pages, 1u);
  QFile pdf(dir.filePath(QStringLiteral("tape.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n"), static_cast<qsizetype>(pages));
}

}  // namespace
}  // namespace qv::ui
