// The main window's keyboard: it sees every key before its controls.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"

namespace qv {

namespace {

int DigitOf(Key key, Key zero) {
  return static_cast<int>(key) - static_cast<int>(zero);
}

}  // namespace

// Ctrl with a digit chooses that entry of the currency list, when the list has it.
void TForm1::ChooseCurrencyByKey(int entry) {
  AllOrNothing(*this, [&] {
    if (entry > static_cast<int>(Frame31.ComboBox1.Items().size())) return;
    Frame31.SelectEntry(entry - 1);
    CurrencyChoose();
  });
}

// F5 to F8 apply the tangent, cotangent, secant and cosecant of the trigonometry panel, as
// far as the hyperbolic mode leaves them enabled.
void TForm1::PressTrigonometryKey(Key key) {
  Button* const functions[] = {&Frame11.Button3, &Frame11.Button4, &Frame11.Button5,
                               &Frame11.Button6};
  Button& function = *functions[static_cast<int>(key) - static_cast<int>(Key::F5)];
  if (function.Enabled()) function.Click();
}

bool TForm1::FormKeyDown(Key key, ShiftState shift) {
  // Tab has taken the focus from the box that had the keyboard on to a key: the keys are the
  // calculator's again (Esc still leaves the box as it does).
  const Control* focused = ActiveControl();
  if (S.InputState == 4 && key != Key::Escape && focused && !focused->TakesTypedKeys())
    RestoreSavedInputState();
  // While an edit box or the tape has the keyboard, Ctrl+C and Ctrl+V copy and paste its text.
  const bool clipboardKey = shift.ctrl && !shift.alt && (key == Key::C || key == Key::V);
  if (S.InputState == 4 && clipboardKey) return false;
  if (RunMenuShortcut(key, shift)) return true;
  // The tape panel opens, saves and prints with its own shortcuts while it is shown.
  if (TapeShown() && Frame41.RunMenuShortcut(key, shift)) return true;
  if (S.InputState == 4) {
    if (key == Key::Escape) {
      // Esc in the currency list's name or rate field cancels the entry.
      if (Frame31.ListEditState != 0)
        CurrencyCancelEdit();
      else
        LeavePanelEdit(LeaveKey::Escape);
      return true;
    }
    // Enter evaluates the term while the function panel is shown; the currency converter's
    // boxes keep their own Enter.
    const bool inConverter = ActiveControl() && &ActiveControl()->Owner() == &Frame31;
    if (key == Key::Enter && Frame71.Visible() && !inConverter) {
      EvaluateFunctionTerm();
      return true;
    }
    if (key == Key::Enter && GraphShown() && !inConverter) {
      S.InputState = 1;
      RedrawGraph();
      FocusEquals();
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
    if (shift.ctrl) {
      ChooseCurrencyByKey(digit == 0 ? 10 : digit);
      return true;
    }
    if (shift.shift) {
      if (digit == 5) PercentKey();
      return digit == 5;
    }
    DigitKey(static_cast<char>('0' + digit));
    return true;
  }
  if (key >= Key::Num0 && key <= Key::Num9) {
    DigitKey(static_cast<char>('0' + DigitOf(key, Key::Num0)));
    return true;
  }
  switch (key) {
    case Key::NumMultiply:
      OperatorKey('x');
      return true;
    case Key::NumDivide:
      OperatorKey('/');
      return true;
    case Key::NumPlus:
      OperatorKey('+');
      return true;
    case Key::NumMinus:
      OperatorKey('-');
      return true;
    case Key::Enter:
      // Ctrl+Enter writes the result as a subtotal.
      if (shift.ctrl)
        EvaluateWithMark(1);
      else
        Evaluate();
      return true;
    case Key::F1:
      Hilfe1Click();
      return true;
    case Key::NumDecimal:
      DigitKey('.');
      return true;
    case Key::Backspace:
      if (shift.ctrl)
        UndoKey();
      else if (shift.alt)
        TapeWClick();
      else
        DeleteLastDigit();
      return true;
    case Key::End:
      UndoKey();
      return true;
    case Key::Home:
      if (shift.ctrl)
        RepeatWithPrompt();
      else
        RepeatKey();
      return true;
    case Key::Insert:
      if (shift.ctrl)
        CopyKey();
      else
        PasteKey();
      return true;
    case Key::PageUp:
    case Key::PageDown:
      PressCalculatorButton(key == Key::PageUp ? 1 : 2);
      return true;
    case Key::F5:
    case Key::F6:
    case Key::F7:
    case Key::F8:
      PressTrigonometryKey(key);
      return true;
    case Key::F9:
      TakeOverKey();
      return true;
    case Key::WheelUp:
    case Key::WheelDown:
      if (GraphShown()) StepField1(key == Key::WheelUp ? 1 : -1);
      return true;
    case Key::Delete:
      if (shift.ctrl)
        Frame41.Button1.Click();
      else
        ClearAll();
      return true;
    default:
      return false;
  }
}

bool TForm1::FormKeyPress(char32_t ch) {
  if (S.InputState == 4) return false;
  switch (ch) {
    case U'.':
    case U',':
      DigitKey('.');
      return true;
    case U'p':
    case U'%':
      PercentKey();
      return true;
    case U'a':
      FunctionKey('s');
      return true;
    case U'x':
      FunctionKey('q');
      return true;
    case U'y':
      PiKey();
      return true;
    case U'i':
    case U'u':
      if (!GraphShown()) return false;
      StepField1(ch == U'i' ? 1 : -1);
      return true;
    case U'I':
      AskStepFactor();
      return true;
    case U'o':
      StayOnTop1Click();
      return true;
    case U't':
      Button46Click();
      return true;
    case U'W':
      Waehr2Click();
      return true;
    case U'w':
      Whrungsrechner1Click();
      return true;
    case U'r':
      TrigonClick();
      return true;
    case U'e':
      EinheitenClick();
      return true;
    case U'E':
      if (!Frame51.Visible()) EinheitenClick();
      UnitConvert();
      return true;
    case U's':
      Steuer1Click();
      return true;
    case U'g':
      Graf1Click();
      return true;
    case U'q':
      CurrencyConvertActiveField();
      return true;
    case U'<':
    case U'>':
      CurrencyDirectionKey(static_cast<char>(ch));
      return true;
    case U'f':
      Finanz.Click();
      return true;
    case U'*':
      OperatorKey('x');
      return true;
    case U'/':
    case U'+':
    case U'-':
      OperatorKey(static_cast<char>(ch));
      return true;
    default:
      return false;
  }
}

}  // namespace qv
