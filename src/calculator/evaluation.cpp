// The "=" key: the steps every evaluation runs, then the branch that applies: a live panel
// result is taken over (A), a waiting one-operand result is confirmed (B), or the pending
// operation is computed (C). Branch C computes everything before it changes anything, so a
// floating-point fault leaves the calculator and the tape as they were before "=".
#include <cmath>
#include <string_view>

#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "calculator/number_reading.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace qv {

struct TForm1::ComputedResult {
  Extended operand1 = 0, operand2 = 0;
  Extended value = 0;
  Extended percentAmount = 0;
  Extended repeatSum = 0;
  std::string marker;  // the indicator of a one-operand function ("Q", "L2.0")
};

namespace {

constexpr Extended kPercentDivisor = 100;
constexpr Extended kSmallestLogBase = 2;

// The one-operand functions whose "=" takes no undo point.
bool TakesNoSnapshot(char op) {
  return std::string_view("sqeldn").find(op) != std::string_view::npos;
}

// The logarithm of x to base b as the runtime computes it: ln x / ln b, where ln 0 is a
// division by zero and the logarithm of a negative value an invalid operation.
Extended LogToBase(Extended x, Extended base) {
  if (x == 0) throw EZeroDivide();
  return CheckedResult(std::log(x) / std::log(base), x, base);
}

// x raised to n; 0 to a negative power divides by zero.
Extended Power(Extended x, Extended n) {
  if (n == 0) return 1;
  if (x == 0 && n < 0) throw EZeroDivide();
  return CheckedResult(std::pow(x, n), x, n);
}

const char* FunctionMarker(char op) {
  switch (op) {
    case 's':
      return "Q";
    case 'q':
      return "X²";
    case 'l':
      return "Ln";
    case 'e':
      return "exp";
    case 'd':
      return "L10";
    case 'n':
      return "L";
    case 'm':
      return "H";
    default:
      return "";
  }
}

}  // namespace

// "=" as a key: a fault of the computation, or of the converter's display of its result, takes
// back everything the key did.
void TForm1::Evaluate() {
  KeyRollback rollback(*this);
  try {
    EvaluateSteps();
    rollback.Succeeded();
  } catch (...) {
    rollback.Restore();
    throw;
  }
}

void TForm1::EvaluateSteps() {
  if (S.FormatMode == 0) S.FormatMode = 3;
  if (S.InputState == 4) return LeavePanelEdit(LeaveKey::Equals);
  if (!TakesNoSnapshot(S.PendingOp) && !S.Entry2.empty()) SaveFieldsSnapshot();
  if (S.RepeatMode == 1) {
    ++S.RepeatCount;
    Label5.SetText(std::to_string(S.RepeatCount));
  } else if (S.RepeatMode == 0) {
    S.RepeatCount = 0;
    Label5.SetText("0");
  }
  if (S.ExtMode != 0) {
    ConfirmLiveResult();
  } else if (S.ChainKind == 2 && S.LastAction == 0) {
    ConfirmFunctionResult();
  } else if (S.PendingOp != '0' && S.InputState == 2) {
    if (const auto result = ComputeBranchC()) ApplyBranchC(*result);
  }
  FocusEquals();
}

void TForm1::EvaluateWithMark(int mark) {
  // The mark belongs to this one "=": one that computed nothing or failed must not hand it to
  // the next, which would then write a subtotal in place of a total.
  const int previous = S.SubtotalMark;
  S.SubtotalMark = mark;
  try {
    Evaluate();
  } catch (...) {
    S.SubtotalMark = previous;
    throw;
  }
  if (S.SubtotalMark == mark) S.SubtotalMark = previous;
}

void TForm1::ConfirmLiveResult() {
  WriteFunctionArgumentLines();
  SaveFieldsSnapshot();
  S.Entry1 = CanonicalText(S.CurValue);
  Label1.SetText(Label3.Text());
  Label3.SetText("");
  S.Entry2.clear();
  Label2.SetText("");
  Label4.SetText("=");
  Radio1.SetChecked(false);
  Radio2.SetChecked(false);
  S.ExtMode = 0;
  S.InputState = 3;
}

void TForm1::ConfirmFunctionResult() {
  WriteConfirmedFunctionLines();
  Label1.SetText(Label3.Text());
  S.Entry1 = S.Entry2;
  S.InputState = 3;
  S.Entry2.clear();
  Label3.SetText("");
  S.ChainKind = 0;
  UnitConversionOff();
  Label2.SetText("");
  Label4.SetText("=");
  Radio1.SetChecked(false);
  Radio2.SetChecked(false);
}

std::string TForm1::AskFunctionArgument(const char* title, const char* prompt) {
  std::string answer = ports.prompts.InputBox(title, prompt, "");
  if (Contains(answer, ",")) answer = NormalizeNumberText(answer);
  return answer;
}

std::optional<TForm1::ComputedResult> TForm1::ComputeBranchC() {
  ComputedResult r;
  const Extended a = r.operand1 = ReadEntryText(S.Entry1);
  const Extended b = r.operand2 = ReadEntryText(S.Entry2);
  r.repeatSum = S.RepeatSum;
  if (b == 0 && S.PendingOp == '/') {
    ports.prompts.ShowMessage("Division durch Null ist nicht erlaubt!");
    return std::nullopt;
  }
  const bool field2Empty = Label3.Text().empty();
  const bool repeatStep = S.RepeatMode == 1;
  switch (S.PendingOp) {
    case '+':
      r.value = CheckedResult(a + b, a, b);
      if (repeatStep) r.repeatSum = CheckedResult(r.repeatSum + b, r.repeatSum, b);
      break;
    case '-':
      r.value = CheckedResult(a - b, a, b);
      if (repeatStep) r.repeatSum = CheckedResult(r.repeatSum - b, r.repeatSum, b);
      break;
    case 'x':
      if (field2Empty) return std::nullopt;
      r.value = CheckedResult(a * b, a, b);
      break;
    case '/':
      if (field2Empty) return std::nullopt;
      r.value = CheckedDivide(a, b);
      break;
    case 's':
      r.value = CheckedResult(std::sqrt(a), a);
      break;
    case 'q':
      r.value = CheckedResult(a * a, a, a);
      break;
    case 'l':
    case 'd':
      if (!(a > 0)) return std::nullopt;
      r.value = S.PendingOp == 'l' ? std::log(a) : std::log10(a);
      break;
    case 'n': {
      const std::string base =
          AskFunctionArgument("Basiszahl", "Bitte Basiszahl eingeben! (min 2)");
      const Extended baseValue = ReadNumberInRange(base);
      if (!(baseValue >= kSmallestLogBase)) return std::nullopt;
      r.value = LogToBase(a, baseValue);
      r.marker = base;
      break;
    }
    case 'm': {
      const std::string exponent =
          AskFunctionArgument("Exponent", "Bitte den Exponenten eingeben!");
      if (exponent.empty()) return std::nullopt;
      r.value = Power(a, ReadNumberInRange(exponent));
      r.marker = exponent;
      break;
    }
    case 'e':
      r.value = std::exp(a);
      if (std::isinf(r.value) && std::isfinite(a)) {
        ports.prompts.ShowMessage("Zahl zu hoch, Vorgang abgebrochen!");
        S.ChainKind = 0;
        S.InputState = 2;
        return std::nullopt;
      }
      break;
    case '%': {
      if (field2Empty) return std::nullopt;
      const Extended amount = CheckedResult(a * b, a, b) / kPercentDivisor;
      if (S.PercentKind == 0) {
        r.value = amount;
      } else {
        r.percentAmount = amount;
        r.value = S.PercentKind == 1 ? CheckedResult(a + amount, a, amount)
                                     : CheckedResult(a - amount, a, amount);
      }
      break;
    }
    default:
      return std::nullopt;
  }
  r.marker = FunctionMarker(S.PendingOp) + r.marker;
  return r;
}

void TForm1::ApplyBranchC(const ComputedResult& r) {
  S.Operand1 = r.operand1;
  S.Operand2 = r.operand2;
  S.RepeatSum = r.repeatSum;
  if (S.PendingOp == '%' && S.RepeatMode == 2) S.SubtotalMark = 1;
  S.CurValue = r.value;
  FormatValue();
  if (S.ChainKind == 2) {
    // A one-operand function: its result waits in field 2 for "=" or an operator key.
    WriteFunctionStartLine();
    S.Entry2 = CanonicalText(S.CurValue);
    Label3.SetText(S.DisplayText);
    S.InputState = 1;
    Label2.SetText(r.marker);
    S.LastAction = 0;
  } else if (S.RepeatMode == 1) {
    // A repeat step: field 2 keeps its operand for the next step; no tape line.
    Label1.SetText(S.DisplayText);
    S.InputState = 2;
    S.Entry1 = CanonicalText(S.CurValue);
    S.ChainKind = 0;
    S.RepeatMode = 2;
    S.LastAction = 7;
  } else if (S.RepeatMode == 0) {
    Label1.SetText(S.DisplayText);
    S.PercentKind = 0;
    S.ExtMode = 0;
    S.Entry1 = CanonicalText(S.CurValue);
    S.LastOperand2 = S.Entry2;
    S.Entry2.clear();
    if (S.FormatMode == 2) CurrencyShowValue(S.Entry1);
    WriteResultTape(r.percentAmount);
    TaxRecompute();
    ShowResult();
  } else if (S.RepeatMode == 2) {
    EndRepeatSeries();
  }
}

void TForm1::ShowResult() {
  S.InputState = 3;
  S.ChainKind = 0;
  Label2.SetText("");
  Label3.SetText("");
  Label4.SetText("=");
  S.RepeatMode = 0;
  Radio1.SetChecked(false);
  Radio2.SetChecked(false);
  S.PendingOp = '0';
  S.LastAction = 0;
  S.SubtotalMark = 0;
  UnitConversionOff();
}

void TForm1::EndRepeatSeries() {
  if (S.FormatMode == 2) CurrencyShowValue(S.Entry1);
  if (TapeShown() && S.LastAction == 7) {
    // The running sum of the series is what the tape's " Z" line shows.
    S.CurValue = S.RepeatSum;
    FormatValue();
  }
  WriteRepeatEndLines();
  WriteSecondCurrencyLine();
  SaveFieldsSnapshot();
  S.SubtotalMark = 0;
  UnitConversionOff();
  S.InputState = 3;
  S.ChainKind = 0;
  S.Entry2.clear();
  Label2.SetText("");
  Label3.SetText("");
  Label4.SetText("=");
  S.RepeatMode = 0;
  S.PercentKind = 0;
  Radio1.SetChecked(false);
  Radio2.SetChecked(false);
  S.PendingOp = '0';
  S.RepeatSum = 0;
  S.LastAction = 0;
}

}  // namespace qv
