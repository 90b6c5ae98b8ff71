#pragma once
// The window sees every key before its controls: key presses and wheel turns over a window go
// to its form's key handlers first. A key the form does not use reaches the focused control:
// Space presses a button, the arrows move in a list or between tabs, F10 opens the menu bar; an
// edit box (edit, combo or list box, spinner, the tape) gets the keys its own handlers leave.
// Tab and Shift+Tab move the focus from control to control; no key handler sees them.
#include <QObject>
#include <QPointer>

#include "platform/form.h"

class QInputEvent;
class QKeyEvent;
class QWheelEvent;
class QWidget;

namespace qv::ui {

class Binder;

class KeyRouter : public QObject {
 public:
  // Installs itself on the application.
  KeyRouter(Form& form, QWidget& window, Binder& binder);
  ~KeyRouter() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Key(QKeyEvent& event, const QWidget& receiver);
  void KeyRelease(QKeyEvent& event, QObject* watched);
  bool Wheel(QWheelEvent& event);
  // An event let through to a widget that ignores it goes on to the widget's parents: it is
  // routed to the form only once.
  // Whether the widget that received a key is the control's, or a part of it.
  bool Shows(const Control* control, const QWidget& receiver) const;
  bool PassedBefore(const QInputEvent& event, const QWidget& receiver) const;
  void Pass(const QInputEvent& event, QWidget& receiver);

  Form& form_;
  QWidget& window_;
  Binder& binder_;
  struct Passed {
    const QEvent* event = nullptr;
    QPointer<QWidget> receiver;
    quint64 timestamp = 0;
  } passed_;
  int wheelAngle_ = 0;
};

}  // namespace qv::ui
