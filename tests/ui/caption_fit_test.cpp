// Every caption, label, tab and check-box text of every window fits its widget: the test walks
// all widgets of every window the binder bound (the main window with all its panels, shown or
// not, and each dialog), in a few states of the program, and measures each text with the
// widget's own font against the room its widget leaves for it. ui_tests runs it at 100 %; the
// runs ui_captions_fit_120 and ui_captions_fit_150 at the other two scalings.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStyleOptionToolButton>
#include <QTabBar>
#include <QToolButton>
#include <functional>

#include "ui/tab_rows.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

// A text that needs more room than its widget gives it.
struct Overflow {
  QString widget;  // the path of object names from the window down
  QString text;
  QSize need;
  QSize room;
};

std::ostream& operator<<(std::ostream& out, const Overflow& o) {
  return out << o.widget.toStdString() << " \"" << o.text.toStdString() << "\" needs "
             << o.need.width() << "x" << o.need.height() << ", has " << o.room.width() << "x"
             << o.room.height();
}

QString PathOf(const QWidget& widget) {
  QStringList names;
  for (const QWidget* w = &widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
    names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                            : w->objectName());
  return names.join(QLatin1Char('/'));
}

// The text as drawn: "&&" shows one ampersand, a single one marks the mnemonic and is not shown.
QString Drawn(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

// The size a text needs on one line per line break, in the widget's font (with the symbol
// fonts the glyphs fall back to).
QSize Need(const QWidget& widget, const QString& text) {
  const QFontMetrics metrics = widget.fontMetrics();
  const QStringList lines = Drawn(text).split(QLatin1Char('\n'));
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  return {width, static_cast<int>(lines.size()) * metrics.height()};
}

// What a line edit keeps free on either side of its text, inside its contents.
constexpr int kLineEditMargin = 2;

// A bound edit box of the program: not the line edit inside an editable list or a spin box,
// whose text the user types.
bool IsOwnEdit(const QLineEdit& edit) {
  const QWidget* parent = edit.parentWidget();
  return !qobject_cast<const QComboBox*>(parent) && !qobject_cast<const QAbstractSpinBox*>(parent);
}

class CaptionWalk {
 public:
  std::vector<Overflow> overflows;

  void Window(QWidget& window) {
    // Dialogs not shown yet are laid out as they will be shown.
    for (QLayout* layout : window.findChildren<QLayout*>()) layout->activate();
    if (window.layout()) window.layout()->activate();
    Widget(window);
    for (QWidget* child : window.findChildren<QWidget*>())
      if (!child->isWindow() && child->window() == &window) Widget(*child);
  }

 private:
  void Check(const QWidget& widget, const QString& text, QSize need, QSize room) {
    if (need.width() > room.width() || need.height() > room.height())
      overflows.push_back({PathOf(widget), text, need, room});
  }
  void Check(const QWidget& widget, const QString& text, const QRect& room) {
    if (!text.isEmpty()) Check(widget, text, Need(widget, text), room.size());
  }

  // A button's caption has the part of it the style draws the caption in.
  void Button(QAbstractButton& button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    Check(button, button.text(), button.style()->subElementRect(contents, &option, &button));
  }

  void Widget(QWidget& widget) {
    widget.ensurePolished();
    QStyle& style = *widget.style();
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
      const int m = label->margin();
      const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
      if (!label->wordWrap()) return Check(*label, label->text(), room);
      // A wrapped text breaks only between words.
      const QRect wrapped = label->fontMetrics().boundingRect(
          room, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
      Check(*label, label->text(), wrapped.size(), room.size());
    } else if (auto* push = qobject_cast<QPushButton*>(&widget)) {
      Button(*push, QStyle::SE_PushButtonContents);
    } else if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
      Button(*box, QStyle::SE_CheckBoxContents);
    } else if (auto* radio = qobject_cast<QRadioButton*>(&widget)) {
      Button(*radio, QStyle::SE_RadioButtonContents);
    } else if (auto* tool = qobject_cast<QToolButton*>(&widget)) {
      if (tool->toolButtonStyle() != Qt::ToolButtonTextOnly) return;  // an image shows instead
      QStyleOptionToolButton option;
      option.initFrom(tool);
      option.text = tool->text();
      option.toolButtonStyle = tool->toolButtonStyle();
      // What the style adds around a text is what the button has less for it.
      const QSize frame = style.sizeFromContents(QStyle::CT_ToolButton, &option, {}, tool);
      Check(*tool, tool->text(), QRect({}, tool->size() - frame));
    } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
      // Every tab at the size its caption asks for, none scrolled out of sight.
      QStringList captions;
      for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
      if (!captions.isEmpty())
        Check(*tabs, captions.join(QLatin1Char('|')), tabs->sizeHint(), tabs->size());
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && !combo->isEditable()) {
      // Each entry of a drop-down list shows whole when chosen.
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.frame = combo->hasFrame();
      const QRect room =
          style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      for (int i = 0; i < combo->count(); ++i) Check(*combo, combo->itemText(i), room);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
      // The title, and the tick box before it if it has one, within the box's frame.
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.textAlignment = group->alignment();
      option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
      const QRect title =
          style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
      if (!group->title().isEmpty() && !group->rect().contains(title))
        overflows.push_back({PathOf(*group), group->title(), title.size(), group->size()});
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget); edit && IsOwnEdit(*edit)) {
      // An edit box shows the text the program put into it whole, not scrolled: the text and
      // the cursor's pixel after it fit the room the line edit leaves inside its frame and
      // its margins, less its own two pixels a side.
      QStyleOptionFrame option;
      option.initFrom(edit);
      option.lineWidth =
          edit->hasFrame() ? style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
      option.state |= QStyle::State_Sunken;
      const QRect contents = style.subElementRect(QStyle::SE_LineEditContents, &option, edit)
                                 .marginsRemoved(edit->textMargins());
      const QFontMetrics metrics = edit->fontMetrics();
      const QSize need(metrics.horizontalAdvance(edit->text()) + 1, metrics.height());
      if (!edit->text().isEmpty())
        Check(*edit, edit->text(), need,
              {contents.width() - 2 * kLineEditMargin, contents.height()});
    } else if (auto* bar = qobject_cast<QMenuBar*>(&widget)) {
      // No menu of the bar is folded away behind its extension button.
      for (QAction* action : bar->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place))
          overflows.push_back({PathOf(*bar), action->text(), place.size(), bar->size()});
      }
    }
  }
};

// The walk itself finds a cut text in each kind of widget it measures, and passes the same
// texts given room.
struct CutCase {
  const char* name;
  std::function<QWidget*(QWidget& parent, const QString& text)> make;
};

const CutCase kCutCases[] = {
    {"Label", [](QWidget& p, const QString& t) { return new QLabel(t, &p); }},
    {"WrappedLabel",
     [](QWidget& p, const QString& t) {
       // Six lines in a narrow label, too many for its height.
       auto* label = new QLabel(QStringList{t, t, t}.join(QLatin1Char(' ')), &p);
       label->setWordWrap(true);
       return label;
     }},
    {"PushButton", [](QWidget& p, const QString& t) { return new QPushButton(t, &p); }},
    {"CheckBox", [](QWidget& p, const QString& t) { return new QCheckBox(t, &p); }},
    {"RadioButton", [](QWidget& p, const QString& t) { return new QRadioButton(t, &p); }},
    {"ToolButton",
     [](QWidget& p, const QString& t) {
       auto* tool = new QToolButton(&p);
       tool->setText(t);
       tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
       return tool;
     }},
    {"TabBar",
     [](QWidget& p, const QString& t) {
       auto* tabs = new QTabBar(&p);
       tabs->addTab(t);
       tabs->addTab(t);
       return tabs;
     }},
    {"TabRows",
     [](QWidget& p, const QString& t) {
       auto* tabs = new TabRows(&p);
       for (int i = 0; i < 4; ++i) tabs->addTab(t);
       return tabs;
     }},
    {"ComboBox",
     [](QWidget& p, const QString& t) {
       auto* combo = new QComboBox(&p);
       combo->addItems({QStringLiteral("m"), t});
       return combo;
     }},
    {"GroupBox", [](QWidget& p, const QString& t) { return new QGroupBox(t, &p); }},
    {"LineEdit", [](QWidget& p, const QString& t) { return new QLineEdit(t, &p); }},
};

void PrintTo(const CutCase& cut, std::ostream* out) {
  *out << cut.name;
}

class CaptionWalkTest : public testing::TestWithParam<CutCase> {};

TEST_P(CaptionWalkTest, FindsACutTextAndPassesItWithRoom) {
  const QString text = QStringLiteral("Nach Steuer");
  for (const int width : {40, 400}) {
    QWidget window;
    QWidget* widget = GetParam().make(window, text);
    widget->setGeometry(0, 0, width, 60);
    CaptionWalk walk;
    walk.Window(window);
    EXPECT_EQ(walk.overflows.size(), width == 40 ? 1u : 0u) << GetParam().name << " " << width;
  }
}

INSTANTIATE_TEST_SUITE_P(Widgets, CaptionWalkTest, testing::ValuesIn(kCutCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The program in a state, reached as a user reaches it: keys typed into the main window, then
// controls clicked ("Frame31.SpeedButton2", a menu item's name) or, for "f(x) TERM", the term
// typed into the function-term panel's box and evaluated.
struct State {
  const char* name;
  const char* keys;
  std::vector<const char*> clicks;
};

void PrintTo(const State& state, std::ostream* out) {
  *out << state.name;
}

const State kStates[] = {
    {"Start", "", {}},
    {"Tape", "t", {}},
    {"Trigonometry", "t30r", {"Frame11.Button1"}},
    {"Units", "t10e", {"Frame51.Speed1"}},
    {"Tax", "t100s", {}},
    {"FunctionTerms", "t2", {"Funktionen1"}},
    {"NewCurrency", "ts", {"Frame31.SpeedButton2"}},
    {"EditedCurrency", "ts", {"Frame31.SpeedButton4"}},
    {"Hyperbolic", "t30r", {"Frame11.hyp", "Frame11.Button2"}},
    // The graph beside the trigonometry panel: the six values of a negative angle below the
    // unit circle, and the curve view's captions after a hyperbolic function.
    {"TrigGraph", "t1234,5r", {"Button27", "Frame11.Button3", "Frame11.Button7"}},
    {"HyperbolicGraph", "t2r", {"Frame11.Button7", "Frame11.hyp", "Frame11.Button3"}},
    // The radius box's result with all the digits of a field, the longest of them (a sign,
    // a leading "0,0000" and 15 digits), and the hint the box shows while the radius is typed.
    {"RadiusResult", "t30r", {"Frame11.Button3", "Frame11.Button7"}},
    {"LongestRadiusResult",
     "t0,0000123456789012346r",
     {"Frame11.RadioButton2", "Button27", "Frame11.Button1", "Frame11.Button7"}},
    {"RadiusTyped", "t30r", {"Frame11.Button1", "Frame11.Button7", "Frame21.Edit1"}},
    // Two held curves that do not meet: the nearest point and the terms below the graph.
    {"GraphSearched",
     "2",
     {"Funktionen1", "Frame71.Button2", "f(x) x^2+0,123456789012345", "Frame21.Halten",
      "Frame21.SnP", "f(x) -0,987654321098765"}},
};

class CaptionFitTest : public UiTest, public testing::WithParamInterface<State> {
 protected:
  void ClickControl(const char* path) {
    if (const std::string step = path; step.starts_with("f(x) ")) {
      QLineEdit& box = *PanelWidget<QComboBox>("Frame71", "ComboBox1").lineEdit();
      QTest::mouseClick(&box, Qt::LeftButton);  // the box takes the keyboard
      box.selectAll();
      QTest::keyClicks(&box, QString::fromStdString(step.substr(5)));
      QTest::mouseClick(&PanelWidget("Frame71", "Button1"), Qt::LeftButton);
      return;
    }
    Control* control = form.FindPath(path);
    ASSERT_NE(control, nullptr) << path;
    if (QAction* action = binder.ActionOf(*control))
      action->trigger();
    else if (QWidget* widget = binder.WidgetOf(*control))
      QTest::mouseClick(widget, Qt::LeftButton);
    else
      FAIL() << "no widget for " << path;
  }
};

TEST_P(CaptionFitTest, EveryTextFitsItsWidget) {
  // The fonts the program is drawn with: Arial's metric twin from fonts-liberation.
  ASSERT_EQ(QFontInfo(frontend.Window().font()).family(), QStringLiteral("Liberation Sans"))
      << "install fonts-liberation";
  const State& state = GetParam();
  QTest::keyClicks(&frontend.Window(), QString::fromLatin1(state.keys));
  for (const char* path : state.clicks) ClickControl(path);
  ASSERT_GE(binder.Windows().size(), 3u);
  CaptionWalk walk;
  for (QWidget* window : binder.Windows()) walk.Window(*window);
  for (const Overflow& overflow : walk.overflows) ADD_FAILURE() << overflow;
  // For a person to look at: QV_CAPTION_PICTURES=DIR keeps each window of the state as a picture.
  if (const QString folder = qEnvironmentVariable("QV_CAPTION_PICTURES"); !folder.isEmpty()) {
    const int percent = qRound(frontend.Window().devicePixelRatioF() * 100);
    for (QWidget* window : binder.Windows())
      window->grab().save(QStringLiteral("%1/%2-%3-%4.png")
                              .arg(folder, QString::fromLatin1(state.name), window->objectName())
                              .arg(percent));
  }
}

INSTANTIATE_TEST_SUITE_P(States, CaptionFitTest, testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv::ui
