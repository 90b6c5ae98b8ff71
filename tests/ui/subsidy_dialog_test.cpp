// The subsidy dialog through real widgets: the subsidy box of the finance window opens it with
// every control bound, typed values compute, "OK" (Enter) hands the subsidy over, Esc is "Keine
// Förderung", the frame's close button only closes, keys in the children's box move the
// keyboard to "OK", the note on married couples breaks after its hyphen and the titles the
// total can take fit (the last two at 100, 120 and 150 %).
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextLayout>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

class SubsidyDialogTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    binder.ActionOf(form.Finanz)->trigger();
    finance = frontend.Window().findChild<QDialog*>(QStringLiteral("Finanzrechner"));
    dialog = frontend.Window().findChild<QDialog*>(QStringLiteral("Foerder"));
    ASSERT_NE(finance, nullptr);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(finance));
    Type(*finance, "Edit1", "150000");
    Type(*finance, "Edit2", "5");
    QTest::mouseClick(finance->findChild<QCheckBox*>(QStringLiteral("BauFi")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  }
  template <class W = QWidget>
  W& Part(const char* name) {
    auto* widget = dialog->findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  static void Type(QWidget& window, const char* name, const char* text) {
    auto& line = *window.findChild<QLineEdit*>(QString::fromLatin1(name));
    line.setFocus();
    line.selectAll();
    QTest::keyClicks(&line, QString::fromUtf8(text));
  }
  // The old rules, two children, an income at the limit.
  void FillOldRulesCase() {
    QTest::mouseClick(&Part("Alt"), Qt::LeftButton);
    Part<QSpinBox>("Kinder").stepUp();
    Part<QSpinBox>("Kinder").stepUp();
    Type(*dialog, "Edit1", "200000");
  }
  TFoerder& subsidy = program.SubsidyDialog();
  QDialog* finance = nullptr;
  QDialog* dialog = nullptr;
};

TEST_F(SubsidyDialogTest, TheSubsidyBoxOpensTheDialogWithEveryControl) {
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Staatliche Förderung"));
  EXPECT_EQ(dialog->size(), QSize(272, 509));
  EXPECT_EQ(binder.Unbound(subsidy), std::vector<std::string>{});
  EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(191, 203, 221));
  EXPECT_EQ(Part<QLabel>("Label15").palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_TRUE(Part<QRadioButton>("Neu").isChecked());
  EXPECT_EQ(Part("Edit5").toolTip(), QStringLiteral("Bei sehr gutem Wärmeschutz in Neubauten"));
  EXPECT_EQ(Part("Oeko").toolTip(), Part("Edit5").toolTip());
  EXPECT_TRUE(Part<QPushButton>("OKBtn").isDefault());
  EXPECT_TRUE(Part<QLineEdit>("Edit2").isReadOnly());
}

TEST_F(SubsidyDialogTest, TypedValuesComputeAndEnterHandsTheSubsidyOver) {
  FillOldRulesCase();
  EXPECT_EQ(Part<QLineEdit>("Edit12").text(), QStringLiteral("2.850,00"));
  EXPECT_EQ(Part<QLineEdit>("Edit2").text(), QStringLiteral("22.800,00"));
  QTest::keyClick(&Part("Edit1"), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(finance->findChild<QLineEdit*>(QStringLiteral("Edit7"))->text(),
            QStringLiteral("22.800,00"));
  // computed with the subsidy: a lower rate than the 810,00 without it
  const QString rate = finance->findChild<QLineEdit*>(QStringLiteral("Edit12"))->text();
  EXPECT_LT(rate.chopped(3).toInt(), 810) << rate.toStdString();
  EXPECT_GT(rate.chopped(3).toInt(), 600) << rate.toStdString();
  EXPECT_EQ(prompts.shown, std::vector<std::string>{});
}

TEST_F(SubsidyDialogTest, EscapeSwitchesTheSubsidyOffAndTheFrameOnlyCloses) {
  FillOldRulesCase();
  QTest::keyClick(&Part("Edit1"), Qt::Key_Return);
  auto& box = *finance->findChild<QCheckBox*>(QStringLiteral("BauFi"));
  // opened again by a click into the subsidy field, closed by the frame: the subsidy stays
  QTest::mouseClick(finance->findChild<QLineEdit*>(QStringLiteral("Edit7")), Qt::LeftButton);
  ASSERT_TRUE(dialog->isVisible());
  dialog->close();
  EXPECT_FALSE(subsidy.Visible());
  EXPECT_TRUE(box.isChecked());
  EXPECT_EQ(program.FinanceShared().SubsidyTotal, 22800);
  // and by Esc: switched off
  QTest::mouseClick(finance->findChild<QLineEdit*>(QStringLiteral("Edit7")), Qt::LeftButton);
  ASSERT_TRUE(dialog->isVisible());
  QTest::keyClick(&Part("Edit3"), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(box.isChecked());
  EXPECT_EQ(finance->findChild<QLineEdit*>(QStringLiteral("Edit7"))->text(), QString());
  EXPECT_EQ(program.FinanceShared().SubsidyTotal, 0);
}

TEST_F(SubsidyDialogTest, KeysInTheChildrensBoxMoveTheKeyboardToOK) {
  auto& children = Part<QSpinBox>("Kinder");
  children.setFocus();
  QTest::keyClick(&children, Qt::Key_5);
  EXPECT_EQ(children.value(), 0);
  EXPECT_EQ(QApplication::focusWidget(), &Part("OKBtn"));
  children.stepUp();
  EXPECT_EQ(subsidy.Kinder.Value(), 1);
}

// The arrow keys are the spin arrows of the keyboard; Tab and Shift+Tab pass the box both ways.
TEST_F(SubsidyDialogTest, TheChildrensBoxStepsWithTheArrowsAndTabPassesItBothWays) {
  auto& children = Part<QSpinBox>("Kinder");
  children.setFocus();
  QTest::keyClick(&children, Qt::Key_Up);
  EXPECT_EQ(subsidy.Kinder.Value(), 1);
  EXPECT_EQ(children.value(), 1);
  EXPECT_EQ(QApplication::focusWidget(), &children);
  QTest::keyClick(&children, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), &Part("Edit1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &children);
  QTest::keyClick(&children, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &Part("Edit12"));
}

// The note under the income breaks where its hyphen says: after "gemein-".
TEST_F(SubsidyDialogTest, TheMarriedCouplesNoteBreaksAfterItsHyphen) {
  auto& label = Part<QLabel>("Label2");
  ASSERT_TRUE(label.wordWrap());
  QTextLayout layout(label.text(), label.font());
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  EXPECT_EQ(lines.join(QLatin1Char('|')).toStdString(),
            "(Bei Verheirateten gemein-|sames Einkommen)");
  EXPECT_LE(2 * label.fontMetrics().height(), label.contentsRect().height());
}

TEST_F(SubsidyDialogTest, EveryTitleOfTheTotalFits) {
  for (const char* years : {"X", "8", "100"}) {
    subsidy.Label4.SetText(std::string("Gesamt- Förderbetrag in ") + years + " Jahren:");
    binder.Sync();
    auto& label = Part<QLabel>("Label4");
    const QRect room = label.contentsRect();
    const QRect need = label.fontMetrics().boundingRect(
        room, static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    EXPECT_LE(need.height(), room.height()) << years;
    EXPECT_LE(need.width(), room.width()) << years;
  }
  dialog->grab().save(QDir::temp().filePath(QStringLiteral("quorvel-subsidy.png")));
}

}  // namespace
}  // namespace qv::ui
