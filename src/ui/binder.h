#pragma once
// The generic binder: mirrors the logic's controls onto the Qt widgets (and actions) of the
// same object name and routes what the user does back to the control's handlers. Every event
// runs under the application's general handler; afterwards only what changed is pushed to Qt,
// with Qt's signals blocked meanwhile.
#include <QObject>
#include <QPoint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/ports.h"
#include "ui/accessible_names.h"

class QAction;
class QKeyEvent;
class QDate;
class QLineEdit;
class QMenu;
class QWidget;

namespace qv::ui {

class Binder : public QObject {
 public:
  explicit Binder(Prompts& prompts);
  ~Binder() override;

  // Binds a window's form to its widget tree. A QMainWindow gets its menu bar from the form's
  // top-level menu items; every popup menu control becomes a QMenu. An embedded frame binds to
  // the widget named like the frame, when there is one.
  void AddWindow(Form& form, QWidget& window);

  // Runs one event under the general handler, then pushes what changed. `sender` is the control
  // the user acted on: it is pushed even when the logic left it unchanged, so that a widget that
  // changed its own state (a checkable button) shows the logic's state again.
  void Run(const std::function<void()>& event, Control* sender = nullptr);
  // Pushes the dirty controls and the changed form properties to Qt.
  void Sync();

  QWidget* WidgetOf(const Control& control) const;
  QAction* ActionOf(const Control& control) const;
  // A date picker's day number (counted from 30.12.1899) as a date, and back.
  static QDate DateOf(int dayNumber);
  static int DayNumber(const QDate& date);
  // Controls of the form (not of its frames) that have no widget or action.
  std::vector<std::string> Unbound(const Form& form) const;
  // The windows bound so far (the main window first, then the dialogs), embedded frames lying
  // inside them.
  std::vector<QWidget*> Windows() const;

  // Runs after every push (the front end ends the program when the main window's form closed).
  std::function<void()> AfterSync;
  // Runs at the start of every event, before its handler.
  std::function<void()> BeforeEvent;
  // The mime type of a drag of a control: its name, by which a drop finds the source.
  static constexpr const char* kControlMime = "application/x-quorvel-control";
  // A right click on the control: its OnContextPopup, then its popup menu.
  void ContextMenu(Control& control, const QPoint& globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FormView {
    Form* form;
    QWidget* widget;
    bool window;  // a top-level window (not an embedded frame)
    // What was last pushed, so that only changes go out.
    std::string caption;
    int width = -1, height = -1;
    int left = -1, top = -1;
    bool visible = false, stayOnTop = false;
    Cursor cursor = Cursor::Normal;
    Control* focus = nullptr;
    bool tabOrdered = false;  // the Tab order is set when the window is first shown
  };

  void BindForm(Form& form, QWidget& root, bool window);
  void BindControl(Control& control, QObject& target);
  void Connect(Control& control, QWidget& widget);
  void Connect(Control& control, QAction& action);
  void Click(Control& control, Qt::KeyboardModifiers modifiers);
  // The Tab key brought the focus to the control.
  void TabTo(Control& control);
  void PushForm(FormView& view);
  // Puts a window where its form says: at its position, or centred as it is shown.
  void PlaceWindow(FormView& view);
  // The caption and the cursor of a window, shown at once (also during a long handler).
  void PushCaptionAndCursor(FormView& view);
  // The mouse on a drawing area, in pixels of its picture.
  bool MouseOnImage(Image& image, QEvent& event);
  void PushControl(Control& control);
  void PushWidget(const Control& control, QWidget& widget);
  // A selection the logic asked for, in an edit box or an editable combo box.
  void PushSelection(Control& control, QWidget& widget);
  void NoteSelections(Control& control, QLineEdit& line);
  bool EditKeyPress(Control& control, QWidget& widget, const QKeyEvent& event);
  void PushAction(const Control& control, QAction& action);

  Prompts& prompts_;
  ScreenReaderNames names_;
  std::vector<FormView> forms_;
  std::map<const Control*, QWidget*> widgets_;
  std::map<const Control*, QAction*> actions_;
  std::map<const QObject*, Control*> controlOf_;
  std::vector<Control*> forced_;
  void StartDrag(Control& control, QWidget& widget);

  Qt::KeyboardModifiers pressModifiers_;
  QPoint dragStart_;
  // The control whose press is being handled: a selection it asks for is shown at the release,
  // as the widget's own handling of the press would take it away.
  Control* pressed_ = nullptr;
  int pushing_ = 0;
};

}  // namespace qv::ui
