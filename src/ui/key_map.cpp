#include "ui/key_map.h"

namespace qv::ui {

namespace {

Key Offset(Key first, int by) {
  return static_cast<Key>(static_cast<int>(first) + by);
}

// X11 and evdev number the digit row 1..9, 0 as 10..19.
constexpr quint32 kScanDigit1 = 10;
constexpr quint32 kScanDigit0 = 19;

Key KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return Offset(Key::Num0, qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Plus:
      return Key::NumPlus;
    case Qt::Key_Minus:
      return Key::NumMinus;
    case Qt::Key_Asterisk:
      return Key::NumMultiply;
    case Qt::Key_Slash:
      return Key::NumDivide;
    case Qt::Key_Comma:
    case Qt::Key_Period:
      return Key::NumDecimal;
    default:
      return Key::Other;
  }
}

Key NamedKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_Delete:
      return Key::Delete;
    case Qt::Key_Insert:
      return Key::Insert;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    default:
      return Key::Other;
  }
}

}  // namespace

Key MapKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
  if (modifiers & Qt::KeypadModifier) {
    const Key key = KeypadKey(qtKey);
    if (key != Key::Other) return key;
    return NamedKey(qtKey);  // keypad Enter, and the keypad's navigation keys without NumLock
  }
  // AltGr characters ("{" on AltGr+7) are characters, not digit keys.
  if (scanCode >= kScanDigit1 && scanCode <= kScanDigit0 && !(modifiers & Qt::GroupSwitchModifier))
    return scanCode == kScanDigit0 ? Key::D0
                                   : Offset(Key::D1, static_cast<int>(scanCode - kScanDigit1));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return Offset(Key::D0, qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return Offset(Key::A, qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return Offset(Key::F1, qtKey - Qt::Key_F1);
  return NamedKey(qtKey);
}

bool IsModifierKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
      return true;
    default:
      return false;
  }
}

ShiftState MapShift(Qt::KeyboardModifiers modifiers) {
  return ShiftState{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
                    modifiers.testFlag(Qt::AltModifier)};
}

}  // namespace qv::ui
