// The one-operand function keys and π. A function always applies to field 1: the key sets the
// function pending and presses "=", which puts the result with its marker into field 2.
#include <numbers>

#include "calculator/key_rollback.h"
#include "calculator/main_window.h"

namespace qv {

void TForm1::WireFunctionKeys() {
  Button22.OnClick = [this] { FunctionKey('s'); };
  Button23.OnClick = [this] { FunctionKey('q'); };
  Button29.OnClick = [this] { FunctionKey('l'); };
  Button30.OnClick = [this] { FunctionKey('e'); };
  SpeedButton1.OnClick = [this] { FunctionKey('d'); };
  SpeedButton2.OnClick = [this] { FunctionKey('n'); };
  SpeedButton3.OnClick = [this] { FunctionKey('m'); };
  Button24.OnClick = [this] { PiKey(); };
}

void TForm1::ResetRepeat() {
  S.RepeatMode = 0;
  S.RepeatCount = 0;
  Label5.SetText("0");
}

void TForm1::FunctionKey(char op) {
  AllOrNothing(*this, [&] { ApplyFunctionKey(op); });
}

void TForm1::ApplyFunctionKey(char op) {
  // Square root and square start afresh: they end a repeat series and make field 2 active.
  const bool plain = op == 's' || op == 'q';
  if (op == 's' && S.Entry1.starts_with("-")) {
    ports.prompts.ShowMessage("Von einer negativen Zahl kann keine Quadratwurzel gezogen werden");
    S.ChainKind = 0;
    S.InputState = 3;
    return;
  }
  if ((op == 'l' || op == 'd' || op == 'n' || op == 'm') && S.Entry1.empty()) return;
  SaveFieldsSnapshot();
  if (S.FormatMode == 2) Formatierung3Click();
  if (plain) ResetRepeat();
  S.ChainKind = 2;
  S.PendingOp = op;
  S.LastAction = S.InputState == 3 ? 7 : 1;
  S.InputState = 2;
  if (plain) Radio2.SetChecked(true);
  Evaluate();
  FocusEquals();
}

void TForm1::PiKey() {
  ResetRepeat();
  SaveFieldsSnapshot();
  const Extended pi = std::numbers::pi_v<Extended>;
  if (S.InputState == 1) {
    S.Entry1 = CanonicalText(pi);
    S.CurValue = pi;
    FormatValue();
    Label1.SetText(S.DisplayText);
    Label4.SetText("Pi");
    S.LastAction = 6;
  } else if (S.InputState == 2) {
    S.Entry2 = CanonicalText(pi);
    S.CurValue = pi;
    FormatValue();
    Label3.SetText(S.DisplayText);
    Label2.SetText(Label2.Text() + " Pi");
    S.LastAction = 6;
  }
  FocusEquals();
}

}  // namespace qv
