// The main window's keyboard: it sees every key before its controls.
#include "calculator/tform1.h"

namespace qv {

namespace {

int DigitOf(Key key, Key zero) { return static_cast<int>(key) - static_cast<int>(zero); }

}  // namespace

bool TForm1::FormKeyDown(Key key, ShiftState shift) {
  if (RunMenuShortcut(key, shift)) return true;
  if (S.InputState == 4) {
    if (key == Key::Escape) {
      LeavePanelEdit(LeaveKey::Escape);
      return true;
    }
    return false;
  }
  if (key >= Key::D0 && key <= Key::D9) {
    const int digit = DigitOf(key, Key::D0);
    if (shift.alt && !shift.ctrl) {
      SetDecimalsByKey(digit == 0 ? 10 : digit);
      return true;
    }
    if (shift.ctrl) return true;  // chooses a currency once the currency panel exists
    if (shift.shift) return digit == 5;  // Shift+5 is the percent key
    DigitKey(static_cast<char>('0' + digit));
    return true;
  }
  if (key >= Key::Num0 && key <= Key::Num9) {
    DigitKey(static_cast<char>('0' + DigitOf(key, Key::Num0)));
    return true;
  }
  switch (key) {
    case Key::NumDecimal:
      DigitKey('.');
      return true;
    case Key::Backspace:
      if (!shift.ctrl && !shift.alt) DeleteLastDigit();
      return true;
    case Key::Delete:
      if (!shift.ctrl) ClearAll();
      return true;
    default:
      return false;
  }
}

void TForm1::FormKeyPress(char32_t ch) {
  if (S.InputState == 4) return;
  if (ch == U'.' || ch == U',') DigitKey('.');
}

}  // namespace qv
