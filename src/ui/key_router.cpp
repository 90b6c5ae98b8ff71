#include "ui/key_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QWheelEvent>

#include "ui/binder.h"
#include "ui/key_map.h"

namespace qv::ui {

namespace {

// One wheel notch.
constexpr int kWheelStep = 120;

bool TakesKeys(const Control* control) {
  return control && control->TakesTypedKeys();
}

// The hardware key code where it numbers the keys as X11 and evdev do.
quint32 ScanCodeOf(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  const bool evdev = platform == u"xcb" || platform.startsWith(u"wayland");
  return evdev ? event.nativeScanCode() : 0;
}

// Tab and Shift+Tab, and Ctrl+Tab, which leaves a grid at once.
bool MovesTheFocus(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) &&
         !(event.modifiers() & Qt::AltModifier);
}

}  // namespace

KeyRouter::KeyRouter(Form& form, QWidget& window, Binder& binder)
    : form_(form), window_(window), binder_(binder) {
  qApp->installEventFilter(this);
}

KeyRouter::~KeyRouter() {
  qApp->removeEventFilter(this);
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyRelease) {
    passed_ = {};  // a press has gone all its way by now
    KeyRelease(static_cast<QKeyEvent&>(*event), watched);
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::Wheel) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // Keys of the window only: a dialog or an open menu is a window of its own; the menu bar
  // navigates itself.
  if (!widget || widget->window() != &window_ || qobject_cast<QMenuBar*>(widget)) return false;
  const auto& input = static_cast<const QInputEvent&>(*event);
  if (PassedBefore(input, *widget)) return false;
  const bool consumed = type == QEvent::KeyPress ? Key(static_cast<QKeyEvent&>(*event), *widget)
                                                 : Wheel(static_cast<QWheelEvent&>(*event));
  if (!consumed) Pass(input, *widget);
  return consumed;
}

bool KeyRouter::Shows(const Control* control, const QWidget& receiver) const {
  const QWidget* widget = control ? binder_.WidgetOf(*control) : nullptr;
  return widget && (widget == &receiver || widget->isAncestorOf(&receiver));
}

bool KeyRouter::PassedBefore(const QInputEvent& event, const QWidget& receiver) const {
  return passed_.event == &event && passed_.timestamp == event.timestamp() && passed_.receiver &&
         receiver.isAncestorOf(passed_.receiver);
}

void KeyRouter::Pass(const QInputEvent& event, QWidget& receiver) {
  passed_ = {&event, &receiver, event.timestamp()};
}

bool KeyRouter::Key(QKeyEvent& event, const QWidget& receiver) {
  if (MovesTheFocus(event)) return false;
  const qv::Key key = MapKey(event.key(), event.modifiers(), ScanCodeOf(event));
  const ShiftState shift = MapShift(event.modifiers());
  const QString text = event.text();
  char32_t ch = text.isEmpty() ? 0 : text.toUcs4().value(0);
  bool consumed = true;
  QString replacement;
  binder_.Run([&] {
    if (form_.FormKeyDown(key, shift)) return;
    Control* focused = form_.ActiveControl();
    const bool editing = TakesKeys(focused);
    const bool used = ch >= 32 && ch != 127 && form_.FormKeyPress(ch);
    if (!editing) {
      consumed = used || !Shows(focused, receiver);
      return;
    }
    if (!TakesKeys(form_.ActiveControl())) return;
    auto* edit = dynamic_cast<Edit*>(form_.ActiveControl());
    if (edit && edit->OnKeyDown) {
      edit->OnKeyDown(key);
      if (form_.ActiveControl() != edit) return;  // the key has handed the keyboard on
    }
    // An edit box's own key handler may swallow the key or put another character in its place.
    if (edit && edit->OnKeyPress && ch) {
      const char32_t typed = ch;
      edit->OnKeyPress(ch);
      if (ch == 0) return;
      if (ch != typed) replacement = QString::fromUcs4(&ch, 1);
    }
    consumed = false;
  });
  if (consumed || replacement.isEmpty()) return consumed;
  // The replaced character is typed as the user would have typed it.
  auto* line = qobject_cast<QLineEdit*>(binder_.WidgetOf(*form_.ActiveControl()));
  if (!line) return false;
  line->insert(replacement);
  Control* edit = form_.ActiveControl();
  const std::string typed = line->text().toStdString();
  binder_.Run([&] { edit->SetText(typed); }, edit);
  return true;
}

// The edit box that has the keyboard sees the release of a key once, when its widget gets it.
void KeyRouter::KeyRelease(QKeyEvent& event, QObject* watched) {
  if (event.isAutoRepeat() || watched != QApplication::focusWidget()) return;
  auto* edit = dynamic_cast<Edit*>(form_.ActiveControl());
  if (!edit || !edit->OnKeyUp || binder_.WidgetOf(*edit) != watched) return;
  const qv::Key key = MapKey(event.key(), event.modifiers(), ScanCodeOf(event));
  binder_.Run([&] { edit->OnKeyUp(key); });
}

bool KeyRouter::Wheel(QWheelEvent& event) {
  wheelAngle_ += event.angleDelta().y();
  bool consumed = false;
  while (wheelAngle_ >= kWheelStep || wheelAngle_ <= -kWheelStep) {
    const bool up = wheelAngle_ > 0;
    wheelAngle_ += up ? -kWheelStep : kWheelStep;
    binder_.Run([&] {
      consumed = form_.FormKeyDown(up ? qv::Key::WheelUp : qv::Key::WheelDown, {}) || consumed;
    });
  }
  return consumed;
}

}  // namespace qv::ui
