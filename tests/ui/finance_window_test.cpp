// The finance window through real widgets: the menu entry opens it, the loan page computes
// from what is typed, the grids and edit fields take keys through their handlers, a picked
// date computes, and every caption fits its widget (the test runs at 100, 120 and 150 %).
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

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
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  template <class W = QWidget>
  W& Part(const char* name) {
    auto* widget = window->findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  void Type(const char* name, const char* text) {
    Part<QLineEdit>(name).setFocus();
    Part<QLineEdit>(name).selectAll();
    QTest::keyClicks(&Part(name), QString::fromUtf8(text));
  }
  TFinanzrechner& finance = program.Finance();
  QDialog* window = nullptr;
};

TEST_F(FinanceWindowTest, TheMenuOpensTheWindowWithItsLoanPage) {
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Finanzrechner"));
  EXPECT_EQ(window->size(), QSize(279, 563));
  EXPECT_EQ(binder.Unbound(finance), std::vector<std::string>{});
  EXPECT_EQ(Part<QTabWidget>("PageControl1").tabText(0), QStringLiteral("Tilgungsplan"));
  EXPECT_EQ(Part<QDateEdit>("Datum1").date(), QDate::currentDate());
  EXPECT_EQ(Part<QTableWidget>("Grid2").horizontalHeaderItem(2)->text(), QStringLiteral("Betrag"));
  EXPECT_EQ(Part<QTableWidget>("Grid2").item(2, 0)->text(), QStringLiteral("3"));
  EXPECT_EQ(QApplication::focusWidget(), &Part("Edit1"));
  EXPECT_FALSE(Part("Grid3").isVisible());
  EXPECT_EQ(Part("Datum1").focusPolicy(), Qt::ClickFocus);
}

TEST_F(FinanceWindowTest, TypedTextsComputeAndAPointBecomesAComma) {
  Type("Edit1", "100.000");
  EXPECT_EQ(Part<QLineEdit>("Edit1").text(), QStringLiteral("100,000"));
  Type("Edit1", "100000");
  Type("Edit2", "6");
  EXPECT_EQ(Part<QLineEdit>("Edit12").text(), QStringLiteral("600,00"));
  EXPECT_EQ(Part<QLineEdit>("Edit15").text(), QStringLiteral("148,50"));
  // Enter is the default button: the rate typed is kept when it repays in time
  Type("Edit12", "700");
  QTest::keyClick(&Part("Edit12"), Qt::Key_Return);
  EXPECT_EQ(Part<QLineEdit>("Edit12").text(), QStringLiteral("700,00"));
  EXPECT_EQ(finance.Edit12.Text(), "700,00");
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
}

TEST_F(FinanceWindowTest, KeysTypedIntoAGridCellPassItsHandlerAndEnterComputes) {
  Type("Edit1", "100000");
  Type("Edit2", "6");
  auto& grid = Part<QTableWidget>("Grid2");
  grid.setFocus();
  // The first key opens the cell's editor, which takes the keys that follow.
  const auto typeIntoCell = [&grid](int col, const char* text) {
    grid.setCurrentCell(0, col);
    for (const char* c = text; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  };
  const QDate inAYear = QDate::currentDate().addYears(1);
  typeIntoCell(1, inAYear.toString(QStringLiteral("dd/MM-yyyy")).toLatin1().constData());
  EXPECT_EQ(finance.Grid2.Cell(1, 1), inAYear.toString(QStringLiteral("dd.MM.yyyy")).toStdString());
  typeIntoCell(2, "20000");
  EXPECT_EQ(finance.Grid2.Cell(1, 2), "20000");
  EXPECT_EQ(grid.item(0, 2)->text(), QStringLiteral("20000"));
  // Enter computed with the special repayment: rate 600 repays in less than 30 years
  EXPECT_EQ(Part<QLineEdit>("Edit12").text(), QStringLiteral("600,00"));
  EXPECT_EQ(Part<QLineEdit>("Edit3").text(), QStringLiteral("18"));
}

TEST_F(FinanceWindowTest, APickedStatusDateComputes) {
  Type("Edit1", "100000");
  Type("Edit2", "6");
  Part<QDateEdit>("Datum3").setDate(QDate::currentDate().addDays(365));
  EXPECT_EQ(finance.Datum3.Date(), finance.Datum1.Date() + 365);
  EXPECT_EQ(Part<QGroupBox>("GroupBox1").title(),
            QStringLiteral("Status nach 1 Jahr(en) und 0 Monat(en)"));
}

// The savings page through its tab: typed texts and Enter compute; a case saved under a typed
// name and picked from the list after a change of page comes back with its page.
TEST_F(FinanceWindowTest, ASavingsCaseComputesIsSavedAndPickedFromTheList) {
  Part<QTabWidget>("PageControl1").setCurrentIndex(1);
  EXPECT_EQ(finance.PageControl1.ItemIndex(), TFinanzrechner::kSavingsPage);
  EXPECT_TRUE(Part("Edit16").isVisible());
  Type("Edit16", "10.000");
  Type("Edit17", "3");
  Type("Edit18", "100");
  Type("Edit19", "10");
  QTest::keyClick(&Part("Edit19"), Qt::Key_Return);
  EXPECT_EQ(Part<QLineEdit>("Edit21").text(), QStringLiteral("27.467,68"));
  EXPECT_EQ(Part<QDateEdit>("Datum5").date(), QDate::currentDate().addYears(10));

  auto& names = Part<QComboBox>("ComboBox1");
  names.lineEdit()->setFocus();
  QTest::keyClicks(names.lineEdit(), QStringLiteral("Sparplan"));
  QTest::mouseClick(&Part("SpeedButton2"), Qt::LeftButton);
  EXPECT_EQ(names.count(), 1);
  EXPECT_EQ(names.currentText(), QStringLiteral("Sparplan"));

  Type("Edit16", "1");
  QTest::keyClick(&Part("Edit16"), Qt::Key_Return);
  Part<QTabWidget>("PageControl1").setCurrentIndex(0);
  EXPECT_EQ(names.currentText(), QString());
  names.activated(0);
  EXPECT_EQ(Part<QTabWidget>("PageControl1").currentIndex(), 1);
  EXPECT_EQ(Part<QLineEdit>("Edit16").text(), QStringLiteral("10.000"));
  EXPECT_EQ(Part<QLineEdit>("Edit21").text(), QStringLiteral("27.467,68"));
  // the page chosen by loading is no page change: the loan page still shows no name
  EXPECT_EQ(finance.LoanEntryIndex, -1);
  EXPECT_EQ(finance.SavingsEntryIndex, 0);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
}

// Room a caption needs inside its widget besides its text.
int Needed(const QWidget& widget, const QString& text) {
  const int advance = widget.fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
  if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget))
    return widget.sizeHint().width();
  if (qobject_cast<const QPushButton*>(&widget)) return advance + 8;
  return advance;
}

// Tab goes row by row through what a user types into: the date pickers and the outputs stay out
// of its way (a click still reaches them), and a grid is walked cell by cell and then left.
// On the savings page the date pickers are stops; its outputs are not.
TEST_F(FinanceWindowTest, TabSkipsTheDatePickersAndTheOutputsAndLeavesTheGrid) {
  const struct {
    int page;
    const char* start;
    const char* walk;
  } pages[] = {
      {0, "Edit1",
       "Edit2 Edit12 Edit13 Edit14 vproz Radio1 Radio2 BauFi Grid2 SpeedButton1 SpeedButton6 "
       "OKBtn CancelBtn SpeedButton4 SpeedButton5 SpeedButton3 SpeedButton2 ComboBox1 "
       "qt_tabwidget_tabbar Edit1"},
      {1, "Edit16",
       "Datum4 Edit17 Edit18 Edit19 Edit23 vproz2 Grid1 Button1 Button2 Datum6 Datum5 OKBtn "
       "CancelBtn SpeedButton4 SpeedButton5 SpeedButton3 SpeedButton2 ComboBox1 "
       "qt_tabwidget_tabbar Zins1 Zins2 Edit16"},
  };
  for (const auto& page : pages) {
    Part<QTabWidget>("PageControl1").setCurrentIndex(page.page);
    Part(page.start).setFocus();
    QStringList walk;
    for (int i = 0; i < 100 && walk.value(walk.size() - 1) != QString::fromLatin1(page.start);
         ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const QString name = QApplication::focusWidget()->objectName();
      if (walk.isEmpty() || walk.last() != name) walk << name;
    }
    EXPECT_EQ(walk.join(QLatin1Char(' ')).toStdString(), page.walk);
  }
}

// No keyboard trap: Tab leaves a grid after its last cell, Shift+Tab before its first, Ctrl+Tab
// at once; a cell being edited keeps what was typed into it.
TEST_F(FinanceWindowTest, AGridIsLeftAfterItsLastCellBeforeItsFirstAndWithCtrlTab) {
  auto& grid = Part<QTableWidget>("Grid2");
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };
  grid.setFocus();
  grid.setCurrentCell(1, 1);
  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &grid);
  EXPECT_EQ(grid.currentColumn(), 2);
  press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), &Part("SpeedButton1"));

  grid.setFocus();
  grid.setCurrentCell(0, 1);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &Part("BauFi"));

  grid.setFocus();
  grid.setCurrentCell(2, 2);
  for (const char* c = "500"; *c; ++c) press(static_cast<Qt::Key>(*c));
  ASSERT_NE(QApplication::focusWidget(), &grid);  // the cell's editor has the keyboard
  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &Part("SpeedButton1"));
  EXPECT_EQ(finance.Grid2.Cell(3, 2), "500");
}

TEST_F(FinanceWindowTest, EveryCaptionFitsItsWidget) {
  // The longest texts the page can show in its captions.
  finance.GroupBox6.SetText(" Neuer Zins gültig ab Datum: ");
  finance.GroupBox2.SetText(" Neuer Zins gültig ab Datum: ");
  finance.Label24.SetText("Jährl. Zahlung");
  finance.GroupBox1.SetText("Status nach -8099 Jahr(en) und -11 Monat(en)");
  binder.Sync();
  std::vector<std::string> cut;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) text = group->title();
    // A group box's title stands in its frame, from a few pixels on.
    const int room =
        qobject_cast<QGroupBox*>(widget) ? widget->width() - 16 : widget->contentsRect().width();
    if (!text.isEmpty() && Needed(*widget, text) > room)
      cut.push_back(widget->objectName().toStdString() + ": " + text.toStdString());
    if (auto* tabs = qobject_cast<QTabBar*>(widget))
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + 8 > tabs->tabRect(i).width())
          cut.push_back("tab " + tabs->tabText(i).toStdString());
    if (auto* table = qobject_cast<QTableWidget*>(widget))
      for (int col = 0; col < table->columnCount(); ++col) {
        const QString header = table->horizontalHeaderItem(col)->text();
        if (table->fontMetrics().horizontalAdvance(header) + 2 > table->columnWidth(col))
          cut.push_back(widget->objectName().toStdString() + " header " + header.toStdString());
      }
  }
  EXPECT_EQ(cut, std::vector<std::string>{});
  window->grab().save(QDir::temp().filePath(QStringLiteral("quorvel-finance.png")));
  Part<QTabWidget>("PageControl1").setCurrentIndex(1);
  window->grab().save(QDir::temp().filePath(QStringLiteral("quorvel-finance-savings.png")));
}

}  // namespace
}  // namespace qv::ui
