// The operator keys "x", "/", "+", "-", the percent key and the two evaluation modes. An
// operator key takes field 1 as first operand and makes field 2 active; depending on the
// mode and on the operator before it, it first lets "=" compute what is pending.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"

namespace qv {

void TForm1::WireCalculatorEvents() {
  for (Button* key : {&Button12, &Button13, &Button14, &Button15})
    key->OnClick = [this, key] { OpButtonClick(*key); };
  Button21.OnClick = [this] { PercentKey(); };
  Button16.OnClick = [this] { Evaluate(); };
  Syntax_1.OnClick = [this] { SetSyntaxMode(0); };
  Syntax_2.OnClick = [this] { SetSyntaxMode(1); };
  Button46.OnClick = [this] { Button46Click(); };
}

void TForm1::OpButtonClick(Button& sender) {
  if (&sender == &Button12) return OperatorKey('x');
  if (&sender == &Button13) return OperatorKey('/');
  if (&sender == &Button14) return OperatorKey('+');
  if (&sender == &Button15) return OperatorKey('-');
}

void TForm1::SetSyntaxMode(int mode) {
  S.SyntaxMode = mode;
  Syntax_1.SetChecked(mode == 0);
  Syntax_2.SetChecked(mode == 1);
}

void TForm1::OperatorKey(char op) {
  AllOrNothing(*this, [&] {
    SaveFieldsSnapshot();
    if (S.RepeatMode == 2) {
      // An open repeat series is closed with its tape lines first.
      const bool product = op == 'x' || op == '/' || S.PendingOp == 'x' || S.PendingOp == '/';
      EvaluateWithMark(product ? 1 : 2);
    }
    S.LastAction = 1;
    if (S.ExtMode != 0) {
      // A live function result becomes the second operand.
      S.Entry2 = CanonicalText(S.CurValue);
      S.ExtMode = 0;
    }
    const char previous = S.PendingOp;
    const bool immediate = S.SyntaxMode == 1;
    if (op == 'x' || op == '/') {
      if (immediate && !Label3.Text().empty()) {
        // Each test reads the indicator anew: a pressed key may have changed it.
        if (Label2.Text() == "+") OperatorKey('+');
        if (Label2.Text() == "-") OperatorKey('-');
        if (Label2.Text() == "/") EvaluateWithMark(1);
        if (Label2.Text() == "x") EvaluateWithMark(1);
      }
      if (!immediate && previous == op && !Label3.Text().empty()) EvaluateWithMark(1);
      S.PendingOp = op;
      S.ChainKind = 0;
      WriteSubtotalLine();
    } else {
      if (immediate && !Label3.Text().empty() && !Label2.Text().empty()) {
        S.SubtotalMark = 1;
        if (Label2.Text() == "x") Evaluate();
        if (Label2.Text() == "/") Evaluate();
      }
      if (S.ChainKind == 1) {
        if (immediate) {
          ChainStep();
        } else {
          S.PendingOp = op;
          if (previous == op) ChainStep();
        }
      }
      S.ChainKind = 1;
      // "+" or "-" after a percent makes it an added or subtracted percentage.
      const char* const other = op == '+' ? "-%" : "+%";
      if (Label2.Text() == "%" || Label2.Text() == other) {
        Label2.SetText(op == '+' ? "+%" : "-%");
        S.PercentKind = op == '+' ? 1 : 2;
        S.LastAction = 6;
        return;
      }
      S.PendingOp = op;
    }
    // The converter shows the operand first: when its equivalent lies beyond the range, the key
    // writes nothing to the tape.
    if (S.FormatMode == 2 && CurrencyPanelShown()) {
      if (S.InputState == 1) CurrencyShowValue(S.Entry1);
      if (S.InputState == 3) CurrencyShowValue(S.LastOperand2);
    }
    WriteStartLine();
    S.PercentKind = 0;
    S.ExtMode = 0;
    FocusEquals();
    S.LastOperand2.clear();
    S.InputState = 2;
    Label2.SetText(std::string(1, S.PendingOp));
    Label4.SetText("");
    Radio2.SetChecked(true);
    S.RepeatMode = 0;
    S.RepeatCount = 0;
    Label5.SetText("0");
  });
}

void TForm1::ChainStep() {
  // The step writes only its operand line. The mark is for this "=" alone: an operator that
  // was merely replaced, or a failed step, leaves the user's own "=" to write the total.
  S.LastAction = 3;
  try {
    Evaluate();
  } catch (...) {
    S.LastAction = 1;
    throw;
  }
}

void TForm1::PercentKey() {
  WriteSubtotalLine();
  S.PendingOp = '%';
  S.RepeatMode = 0;
  S.RepeatCount = 0;
  Label5.SetText("0");
  if (Label2.Text() == "+" || Label2.Text() == "-") {
    // The percent combines with a pending "+" or "-": a percentage of field 1 is added or taken.
    const bool plus = Label2.Text() == "+";
    Label2.SetText(plus ? "+%" : "-%");
    S.PercentKind = plus ? 1 : 2;
    S.ChainKind = 0;
    S.InputState = 2;
    S.LastAction = 6;
    return;
  }
  S.LastAction = 1;
  WriteStartLine();
  Label2.SetText("%");
  Label4.SetText("");
  S.PercentKind = 0;
  Radio2.SetChecked(true);
  S.InputState = 2;
  S.ExtMode = 0;
  FocusEquals();
  S.RepeatMode = 0;
  S.RepeatCount = 0;
  Label5.SetText("0");
}

}  // namespace qv
