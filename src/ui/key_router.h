#pragma once
// The window sees every key before its controls: key presses and wheel turns over a window go
// to its form's key handlers first. What the form does not take reaches the widget only when the
// form's focused control is one that edits (an edit, combo or list box, a spinner); buttons
// never react to Space or Enter by themselves.
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
  bool Key(QKeyEvent& event);
  void KeyRelease(QKeyEvent& event, QObject* watched);
  bool Wheel(QWheelEvent& event);
  // An event let through to a widget that ignores it goes on to the widget's parents: it is
  // routed to the form only once.
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
