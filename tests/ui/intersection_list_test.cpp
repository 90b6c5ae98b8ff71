// The list of every intersection through real widgets: the context-menu entry opens the window
// beside the main window, its table shows the points, and "Übernehmen" takes the row the user
// chose into field 1.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

class IntersectionListTest : public UiTest {
 protected:
  // x^2 held, x plotted against it with the search on.
  void HoldTwoCurves() {
    binder.ActionOf(form.Funktionen1)->trigger();
    binder.Run([&] { form.Frame71.ComboBox1.SetText("x^2"); });
    QTest::mouseClick(&PanelWidget("Frame71", "Button2"), Qt::LeftButton);
    QTest::mouseClick(&PanelWidget("Frame71", "Button1"), Qt::LeftButton);
    QTest::mouseClick(&PanelWidget("Frame21", "Halten"), Qt::LeftButton);
    binder.Run([&] { form.Frame71.ComboBox1.SetText("x"); });
    QTest::mouseClick(&PanelWidget("Frame71", "Button1"), Qt::LeftButton);
  }
  QDialog& List() {
    auto* dialog = frontend.Window().findChild<QDialog*>(QStringLiteral("Schnittpunkte"));
    if (!dialog) throw std::runtime_error("no list window");
    return *dialog;
  }
  template <class W>
  W& InList(const char* name) {
    auto* widget = List().findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
};

TEST_F(IntersectionListTest, TheMenuEntryListsThePointsAndTheChosenRowGoesIntoField1) {
  EXPECT_EQ(binder.Unbound(program.PointList()), std::vector<std::string>{});
  HoldTwoCurves();
  binder.ActionOf(form.Frame21.AlleSchnittpunkte1)->trigger();
  ASSERT_TRUE(List().isVisible());
  auto& table = InList<QTableWidget>("StringGrid1");
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(table.horizontalHeaderItem(1)->text(), QStringLiteral("x"));
  EXPECT_EQ(table.item(1, 1)->text(), QStringLiteral("1"));
  EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("Schnitt"));
  EXPECT_EQ(InList<QLabel>("Label2").text(), QStringLiteral("Gefunden: 2"));
  table.setCurrentCell(1, 0);
  QTest::mouseClick(&InList<QPushButton>("Button1"), Qt::LeftButton);
  EXPECT_EQ(Widget<QLabel>("Label1").text(), QStringLiteral("1"));
  QTest::mouseClick(&InList<QPushButton>("Button3"), Qt::LeftButton);
  EXPECT_FALSE(List().isVisible());
}

}  // namespace
}  // namespace qv::ui
