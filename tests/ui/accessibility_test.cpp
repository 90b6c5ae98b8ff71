// What a screen reader is told: every control a user can operate, in every window the binder
// binds (shown or not), has a name; radio buttons are radio buttons and the graph a graphic;
// and the names follow the captions and hints they come from.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>

#include "ui/raster_view.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

bool Operable(const QWidget& widget) {
  return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
         qobject_cast<const QComboBox*>(&widget) ||
         qobject_cast<const QAbstractSpinBox*>(&widget) ||
         qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QTabBar*>(&widget) ||
         qobject_cast<const QTextEdit*>(&widget) || dynamic_cast<const RasterView*>(&widget);
}

// A part of a control (a list box's line edit, a tab row's arrows, a grid's headers) is spoken
// as the control.
bool PartOfAControl(const QWidget& widget) {
  for (const QWidget* p = widget.parentWidget(); p && !p->isWindow(); p = p->parentWidget())
    if (Operable(*p)) return true;
  return false;
}

// The name a screen reader announces. On Linux Qt names a list box by the entry it shows and
// tells what the list is for by its label; the name of its own counts on other desktops.
QString SpokenName(QWidget& widget) {
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&widget);
  if (!qobject_cast<QComboBox*>(&widget)) return spoken->text(QAccessible::Name);
  for (const auto& [label, relation] : spoken->relations(QAccessible::Label))
    if (!label->text(QAccessible::Name).isEmpty()) return label->text(QAccessible::Name);
  return widget.accessibleName();
}

// The operable controls of a window without a name: those Tab stops at, and those the program
// names (Qt's own helpers, such as the menu bar's overflow arrow, are neither).
QStringList Unnamed(QWidget& window) {
  QStringList unnamed;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window || !Operable(*widget) || PartOfAControl(*widget)) continue;
    const QString name = widget->objectName();
    const bool named = !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
    if (!named && !(widget->focusPolicy() & Qt::TabFocus)) continue;
    if (SpokenName(*widget).trimmed().isEmpty())
      unnamed << window.objectName() + QLatin1Char('/') + name + QLatin1Char(' ') +
                     QString::fromLatin1(widget->metaObject()->className());
  }
  return unnamed;
}

// The walk finds a control without a name, and passes it once it has one.
TEST(AccessibleNameWalk, FindsAnUnnamedControl) {
  QWidget window;
  window.setObjectName(QStringLiteral("Window"));
  auto* tool = new QToolButton(&window);
  tool->setObjectName(QStringLiteral("Tool"));
  auto* edit = new QLineEdit(&window);
  edit->setObjectName(QStringLiteral("Edit"));
  auto* list = new QComboBox(&window);
  list->setObjectName(QStringLiteral("List"));
  list->addItem(QStringLiteral("Meter"));  // an entry is no name
  EXPECT_EQ(Unnamed(window), (QStringList{QStringLiteral("Window/Tool QToolButton"),
                                          QStringLiteral("Window/Edit QLineEdit"),
                                          QStringLiteral("Window/List QComboBox")}));
  tool->setAccessibleName(QStringLiteral("Tape öffnen"));
  edit->setAccessibleName(QStringLiteral("Zins"));
  (new QLabel(QStringLiteral("Einheit"), &window))->setBuddy(list);
  EXPECT_EQ(Unnamed(window), QStringList{});
}

class AccessibilityTest : public UiTest {
 protected:
  QWidget& Of(const Control& control) {
    QWidget* widget = binder.WidgetOf(control);
    if (!widget) throw std::runtime_error("no widget for " + control.Name());
    return *widget;
  }
  QString Name(const Control& control) { return SpokenName(Of(control)); }
  QAccessible::Role Role(const Control& control) {
    return QAccessible::queryAccessibleInterface(&Of(control))->role();
  }
};

TEST_F(AccessibilityTest, EveryOperableControlOfEveryWindowHasAName) {
  // A few panels open and a currency being added, so that their changed captions count too.
  QTest::keyClicks(&frontend.Window(), QStringLiteral("ts"));
  QTest::mouseClick(binder.WidgetOf(form.Frame31.SpeedButton2), Qt::LeftButton);
  binder.ActionOf(form.Finanz)->trigger();
  ASSERT_GE(binder.Windows().size(), 6u);
  for (QWidget* window : binder.Windows())
    for (const QString& control : Unnamed(*window)) ADD_FAILURE() << control.toStdString();
}

TEST_F(AccessibilityTest, RadioButtonsAreRadioButtonsTheGraphIsAGraphicAFieldItsValue) {
  TFinanzrechner& finance = program.Finance();
  for (const Control* radio : std::initializer_list<const Control*>{
           &form.Radio1, &form.Frame61.VST, &form.Frame11.RadioButton1, &finance.Radio2,
           &program.SubsidyDialog().Ledig}) {
    EXPECT_EQ(Role(*radio), QAccessible::RadioButton) << radio->Name();
    const QAccessible::State state = QAccessible::queryAccessibleInterface(&Of(*radio))->state();
    EXPECT_TRUE(state.checkable);
    EXPECT_EQ(bool(state.checked), qobject_cast<QRadioButton*>(&Of(*radio))->isChecked());
  }
  EXPECT_EQ(Role(form.Frame21.Image1), QAccessible::Graphic);
  EXPECT_EQ(Role(form.Frame11.hyp), QAccessible::CheckBox);
  // A field display says its value, and which field it is.
  QTest::keyClicks(&frontend.Window(), QStringLiteral("12"));
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(&Of(form.Label1));
  EXPECT_EQ(field->text(QAccessible::Name), QString::fromStdString(form.Label1.Text()));
  EXPECT_EQ(field->text(QAccessible::Description), QStringLiteral("Feld 1"));
  // The action a screen reader offers checks the button as a click does.
  QAccessibleInterface* second = QAccessible::queryAccessibleInterface(&Of(finance.Radio2));
  second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(finance.Radio2.Checked());
  EXPECT_FALSE(finance.Radio1.Checked());
}

// Icons and symbols say their hint, an input the label above it or before it (not a unit), a
// grid its group box; each name follows what it comes from.
TEST_F(AccessibilityTest, NamesComeFromCaptionsLabelsAndHintsAndFollowThem) {
  TFinanzrechner& finance = program.Finance();
  const std::pair<const Control*, const char*> names[] = {
      {&form.Frame41.FileOpenDialog1, "Tape öffnen"},
      {&form.Frame41.SpeedButton5, "Tape speichern"},
      {&form.Button22, "Quadratwurzel aus x"},
      {&form.Button17, "Löschen"},
      {&form.Button41, "Erweiterungen öffnen"},
      {&form.SpinEdit1, "NK"},
      {&form.Frame61.ComboBox1, "Art der Steuer:"},
      {&form.Frame61.Edit2, "Nach Steuer"},
      {&form.Frame31.Edit2, "EUR,Euro"},
      {&form.Frame71.ComboBox2, "Operatoren für Funktionen"},
      {&finance.Edit1, "Darlehenssumme"},
      {&finance.Edit13, "Max Laufz."},
      {&finance.Edit14, "Maximale Laufzeit in Monaten"},
      {&finance.Edit24, "Status der Anlage am Datum"},
      {&finance.Grid2, "Sondertilgungen"},
      {&program.SubsidyDialog().Edit1, "Gesamteeinkommen der letzten zwei Jahre."},
  };
  for (const auto& [control, name] : names)
    EXPECT_EQ(Name(*control).toStdString(), name) << control->Name();

  QTest::mouseClick(&Of(form.Button41), Qt::LeftButton);
  EXPECT_EQ(Name(form.Button41), QStringLiteral("Erweiterungen schließen"));
  form.Frame31.Label6.SetText("CHF,Schw. Fr.");
  finance.GroupBox6.SetText(" Neuer Zins gültig ab Datum: ");
  binder.Sync();
  EXPECT_EQ(Name(form.Frame31.Edit2), QStringLiteral("CHF,Schw. Fr."));
  EXPECT_EQ(Name(finance.Grid3), QStringLiteral("Neuer Zins gültig ab Datum:"));
}

}  // namespace
}  // namespace qv::ui
