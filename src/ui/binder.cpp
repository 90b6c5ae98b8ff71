#include "ui/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDrag>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <set>

#include "platform/errors.h"
#include "ui/accessible_roles.h"
#include "ui/grid_binding.h"
#include "ui/key_map.h"
#include "ui/menu_builder.h"
#include "ui/tab_order.h"

namespace qv::ui {

namespace {

QString QtName(const std::string& name) {
  return QString::fromStdString(name);
}

// Named widgets below `parent`, not looking into other windows (dialogs, popups) nor into the
// widgets of embedded frames, which bind on their own.
void CollectWidgets(QWidget& parent, const std::set<QString>& frameNames,
                    std::map<QString, QWidget*>& widgets, std::map<QString, QWidget*>& frames) {
  for (QObject* child : parent.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    const QString name = widget->objectName();
    if (frameNames.contains(name)) {
      frames.emplace(name, widget);
      continue;
    }
    if (!name.isEmpty()) widgets.emplace(name, widget);
    CollectWidgets(*widget, frameNames, widgets, frames);
  }
}

}  // namespace

Binder::Binder(Prompts& prompts) : prompts_(prompts) {
  InstallAccessibleRoles();
}

Binder::~Binder() = default;

void Binder::AddWindow(Form& form, QWidget& window) {
  if (auto* main = qobject_cast<QMainWindow*>(&window))
    AddMenuItems(form, nullptr, *main->menuBar());
  window.installEventFilter(this);
  BindForm(form, window, true);
}

void Binder::BindForm(Form& form, QWidget& root, bool window) {
  std::set<QString> frameNames;
  for (const Form* frame : form.Frames()) frameNames.insert(QtName(frame->Name()));
  std::map<QString, QWidget*> widgets, frames;
  CollectWidgets(root, frameNames, widgets, frames);
  std::map<QString, QAction*> actions;
  for (QAction* action : root.findChildren<QAction*>())
    if (!action->objectName().isEmpty()) actions.emplace(action->objectName(), action);

  for (Control* c : form.Controls()) {
    const QString name = QtName(c->Name());
    if (c->Kind() == ControlKind::PopupMenu) {
      QMenu* menu = BuildPopupMenu(form, *c, root);
      for (QAction* action : menu->findChildren<QAction*>())
        actions.emplace(action->objectName(), action);
      BindControl(*c, *menu);
    } else if (c->Kind() == ControlKind::MenuItem) {
      if (auto it = actions.find(name); it != actions.end()) BindControl(*c, *it->second);
    } else if (auto it = widgets.find(name); it != widgets.end()) {
      BindControl(*c, *it->second);
    }
  }
  forms_.push_back(FormView{&form, &root, window, {}});
  if (window)
    form.OnCaptionOrCursor = [this, &form] {
      for (FormView& view : forms_)
        if (view.form == &form) PushCaptionAndCursor(view);
    };
  for (Form* frame : form.Frames())
    if (auto it = frames.find(QtName(frame->Name())); it != frames.end())
      BindForm(*frame, *it->second, false);
}

void Binder::BindControl(Control& control, QObject& target) {
  if (auto* action = qobject_cast<QAction*>(&target)) {
    actions_[&control] = action;
    Connect(control, *action);
  } else if (auto* widget = qobject_cast<QWidget*>(&target)) {
    widgets_[&control] = widget;
    controlOf_[widget] = &control;
    widget->installEventFilter(this);
    if (!control.TabStop) widget->setFocusPolicy(Qt::ClickFocus);
    names_.FindCaption(*widget);
    Connect(control, *widget);
  }
  forced_.push_back(&control);  // the first push shows the logic's state
}

void Binder::Connect(Control& control, QWidget& widget) {
  Control* c = &control;
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    // The logic keeps radio buttons of a group exclusive, and may uncheck all of them.
    if (auto* radio = qobject_cast<QRadioButton*>(button)) radio->setAutoExclusive(false);
    connect(button, &QAbstractButton::clicked, this, [this, c] { Click(*c, pressModifiers_); });
  } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    connect(edit, &QLineEdit::textEdited, this,
            [this, c](const QString& text) { Run([&] { c->SetText(text.toStdString()); }, c); });
    NoteSelections(*c, *edit);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    auto* list = dynamic_cast<ListControl*>(c);
    if (list)
      connect(combo, &QComboBox::activated, this,
              [this, list](int index) { Run([&] { list->Select(index); }, list); });
    if (QLineEdit* line = combo->lineEdit()) {
      connect(line, &QLineEdit::textEdited, this,
              [this, c](const QString& text) { Run([&] { c->SetText(text.toStdString()); }, c); });
      NoteSelections(*c, *line);
    }
  } else if (auto* listWidget = qobject_cast<QListWidget*>(&widget)) {
    if (auto* list = dynamic_cast<ListControl*>(c))
      connect(listWidget, &QListWidget::currentRowChanged, this,
              [this, list](int row) { Run([&] { list->Select(row); }, list); });
  } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
    if (auto* list = dynamic_cast<ListControl*>(c))
      connect(tabs, &QTabBar::currentChanged, this,
              [this, list](int index) { Run([&] { list->Select(index); }, list); });
  } else if (auto* pages = qobject_cast<QTabWidget*>(&widget)) {
    if (auto* list = dynamic_cast<ListControl*>(c))
      connect(pages, &QTabWidget::currentChanged, this,
              [this, list](int index) { Run([&] { list->Select(index); }, list); });
  } else if (auto* dateEdit = qobject_cast<QDateEdit*>(&widget)) {
    if (auto* picker = dynamic_cast<DatePicker*>(c))
      connect(dateEdit, &QDateEdit::dateChanged, this, [this, picker](const QDate& date) {
        Run([&] { picker->Pick(DayNumber(date)); }, picker);
      });
  } else if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
    if (auto* grid = dynamic_cast<Grid*>(c))
      ConnectGrid(*grid, *table,
                  [this, grid](const std::function<void()>& event) { Run(event, grid); });
  } else if (auto* spin = qobject_cast<QSpinBox*>(&widget)) {
    if (auto* spinEdit = dynamic_cast<SpinEdit*>(c))
      connect(spin, &QSpinBox::valueChanged, this,
              [this, spinEdit](int value) { Run([&] { spinEdit->SetValue(value); }, spinEdit); });
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setTextFormat(Qt::PlainText);
  }
}

// The caret and the selection the user leaves are kept with the control, without an event.
void Binder::NoteSelections(Control& control, QLineEdit& line) {
  const auto note = [&control, &line] {
    const bool selected = line.hasSelectedText();
    control.NoteSelection(selected ? line.selectionStart() : line.cursorPosition(),
                          selected ? static_cast<int>(line.selectedText().size()) : 0);
  };
  connect(&line, &QLineEdit::cursorPositionChanged, this, note);
  connect(&line, &QLineEdit::selectionChanged, this, note);
}

void Binder::Connect(Control& control, QAction& action) {
  Control* c = &control;
  connect(&action, &QAction::triggered, this,
          [this, c] { Click(*c, QGuiApplication::keyboardModifiers()); });
}

void Binder::Click(Control& control, Qt::KeyboardModifiers modifiers) {
  Form& owner = control.Owner();
  Run(
      [&] {
        // Ctrl held during the click: the handler may ask for more.
        struct Held {
          Form& form;
          ~Held() { form.SetClickShift({}); }
        } held{owner};
        owner.SetClickShift(MapShift(modifiers));
        control.Click();
      },
      &control);
  pressModifiers_ = Qt::NoModifier;
}

// The focus stays where Tab moved it: the control left may store what was typed into it, not
// send the focus elsewhere. An edit box that takes the keyboard when pressed takes it now.
void Binder::TabTo(Control& control) {
  Form& owner = control.Owner();
  owner.SetFocus(control);
  if (owner.ActiveControl() != &control) owner.SetFocus(control);
  auto* edit = dynamic_cast<Edit*>(&control);
  if (edit && edit->OnMouseDown && edit->Enabled() && !edit->ReadOnly()) edit->OnMouseDown();
}

void Binder::ContextMenu(Control& control, const QPoint& globalPos) {
  Control* popup = control.ContextMenu;
  Run([&] {
    control.RightClick();
    if (popup) popup->Click();  // the menu's OnPopup
  });
  if (!popup || !popup->Enabled()) return;
  if (auto* menu = qobject_cast<QMenu*>(WidgetOf(*popup))) menu->exec(globalPos);
}

// The drag carries the control's name for drops inside the program, and its text for others.
void Binder::StartDrag(Control& control, QWidget& widget) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kControlMime), QByteArray::fromStdString(control.Name()));
  data->setText(QString::fromStdString(control.Text()));
  auto* drag = new QDrag(&widget);
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
}

void Binder::Run(const std::function<void()>& event, Control* sender) {
  RunGuarded(prompts_, [&] {
    if (BeforeEvent) BeforeEvent();
    event();
  });
  if (sender) {
    forced_.push_back(sender);
    // Qt ticks and unticks menu items on its own: show the logic's marks of the whole menu.
    if (sender->Kind() == ControlKind::MenuItem)
      for (Control* c : sender->Owner().Controls())
        if (c->Kind() == ControlKind::MenuItem) forced_.push_back(c);
  }
  Sync();
}

// 30.12.1899 is Julian day 2415019.
constexpr int kJulianDayZero = 2415019;

QDate Binder::DateOf(int dayNumber) {
  return QDate::fromJulianDay(dayNumber + kJulianDayZero);
}

int Binder::DayNumber(const QDate& date) {
  return static_cast<int>(date.toJulianDay() - kJulianDayZero);
}

// An edit box's key handler in a dialog may swallow a typed character or put another in its
// place. (The main window's keys go their own way, through the key router.)
bool Binder::EditKeyPress(Control& control, QWidget& widget, const QKeyEvent& event) {
  auto* edit = dynamic_cast<Edit*>(&control);
  auto* line = qobject_cast<QLineEdit*>(&widget);
  const QString text = event.text();
  if (!edit || !edit->OnKeyPress || !line || line->isReadOnly() || text.size() != 1 ||
      !text[0].isPrint() || qobject_cast<QMainWindow*>(widget.window()))
    return false;
  char32_t typed = text[0].unicode();
  edit->OnKeyPress(typed);
  if (typed == text[0].unicode()) return false;
  if (typed) {
    line->insert(QString::fromUcs4(&typed, 1));
    const std::string changed = line->text().toStdString();
    Run([&] { edit->SetText(changed); }, edit);
  }
  return true;
}

QWidget* Binder::WidgetOf(const Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

QAction* Binder::ActionOf(const Control& control) const {
  const auto it = actions_.find(&control);
  return it == actions_.end() ? nullptr : it->second;
}

std::vector<std::string> Binder::Unbound(const Form& form) const {
  std::vector<std::string> names;
  for (const Control* c : form.Controls())
    if (!WidgetOf(*c) && !ActionOf(*c)) names.push_back(c->Name());
  return names;
}

std::vector<QWidget*> Binder::Windows() const {
  std::vector<QWidget*> windows;
  for (const FormView& view : forms_)
    if (view.window) windows.push_back(view.widget);
  return windows;
}

bool Binder::MouseOnImage(Image& image, QEvent& event) {
  const QEvent::Type type = event.type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return false;
  const auto& mouse = static_cast<QMouseEvent&>(event);
  const QPoint at = mouse.position().toPoint();
  const MouseButton button =
      mouse.button() == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
  if (type == QEvent::MouseMove)
    Run([&] { image.MouseMove(at.x(), at.y(), (mouse.buttons() & Qt::LeftButton) != 0); });
  else if (mouse.button() == Qt::LeftButton || mouse.button() == Qt::RightButton)
    Run([&] {
      if (type == QEvent::MouseButtonPress)
        image.MouseDown(button, at.x(), at.y());
      else
        image.MouseUp(button, at.x(), at.y());
    });
  return true;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
  const auto it = controlOf_.find(watched);
  if (it != controlOf_.end()) {
    Control& control = *it->second;
    if (auto* image = dynamic_cast<Image*>(&control); image && MouseOnImage(*image, *event))
      return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && control.OnMouseDown) {
          pressed_ = &control;
          Run(control.OnMouseDown);
        }
        pressModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
        break;
      case QEvent::MouseButtonRelease:
        pressModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
        if (pressed_ == &control) {
          pressed_ = nullptr;
          PushSelection(control, *static_cast<QWidget*>(watched));
        }
        // An edit box that reacts to a click (a button reports its own clicks).
        if (control.Kind() == ControlKind::Edit && control.OnClick && control.Enabled())
          Run([&] { control.Click(); }, &control);
        break;
      case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (control.DragOnPress && (move->buttons() & Qt::LeftButton) &&
            (move->position().toPoint() - dragStart_).manhattanLength() >=
                QApplication::startDragDistance()) {
          StartDrag(control, *static_cast<QWidget*>(watched));
          return true;
        }
        break;
      }
      case QEvent::MouseButtonDblClick:
        // The widget still sees it: a button counts it as a second press, as it should.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
          Run([&] { control.DblClick(); });
        break;
      case QEvent::Enter:
        if (control.OnMouseMove) Run([&] { control.OnMouseMove(); });
        break;
      case QEvent::KeyPress:
        if (auto* spin = dynamic_cast<SpinEdit*>(&control); spin && spin->OnKeyDown) {
          const auto& key = *static_cast<QKeyEvent*>(event);
          // Tab moves on; Shift, Ctrl and Alt alone are no keys of their own.
          if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || IsModifierKey(key.key()))
            return false;
          Run([&] { spin->OnKeyDown(MapKey(key.key(), key.modifiers(), key.nativeScanCode())); },
              spin);
          return true;
        }
        return EditKeyPress(control, *static_cast<QWidget*>(watched),
                            *static_cast<QKeyEvent*>(event));
      case QEvent::ContextMenu:
        ContextMenu(control, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (pushing_) break;
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
          Run([&] { TabTo(control); });
        else if (reason == Qt::MouseFocusReason)
          Run([&] { control.Owner().SetFocus(control); });
        break;
      }
      default:
        break;
    }
    return false;
  }
  if (event->type() == QEvent::Show)
    for (FormView& view : forms_)
      if (view.window && view.widget == watched && !view.tabOrdered) {
        view.tabOrdered = true;
        OrderTabStops(*view.widget);
      }
  // A dialog closed by Qt itself (Esc, the title bar's close button) is hidden for the logic too.
  if (event->type() == QEvent::Hide && !event->spontaneous() && !pushing_) {
    for (FormView& view : forms_)
      if (view.window && view.widget == watched && view.form->Visible()) {
        Run([&] { view.form->Hide(); });
        break;
      }
  }
  return false;
}

}  // namespace qv::ui
