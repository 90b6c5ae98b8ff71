// The two amount fields of the currency converter: a click makes one of them the input, typing
// converts at once, the keypad's plus and minus add the converted amounts up in the calculator,
// and Enter takes the result.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr const char* kAmountHint = "Weiter rechnen mit Esc - Übernehmen mit Enter";

bool IsSumKey(Key key) {
  return key == Key::NumPlus || key == Key::NumMinus;
}

}  // namespace

void TForm1::WireCurrencyAmounts() {
  for (Edit* field : {&Frame31.Edit2, &Frame31.Edit3}) {
    const bool base = field == &Frame31.Edit2;
    field->OnMouseDown = [this, base] { AmountFieldPressed(base); };
    // Digits, one decimal point (a comma is taken for it) and Backspace: no sign, no exponent.
    field->OnKeyPress = [](char32_t& key) {
      if (key == U',') key = U'.';
      if (key != 8 && key != U'.' && (key < U'0' || key > U'9')) key = 0;
    };
    field->OnKeyDown = [this, base](Key key) { AmountFieldKeyDown(base, key); };
    field->OnKeyUp = [this, base](Key key) { AmountFieldKeyUp(base, key); };
  }
}

Edit& TForm1::AmountField(bool base) {
  return base ? Frame31.Edit2 : Frame31.Edit3;
}

// Pressing the mouse button gives the field the keyboard and shows its stored amount;
// releasing it makes the field the input.
void TForm1::AmountFieldPressed(bool base) {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    Edit& field = AmountField(base);
    if (S.InputState < 4) S.SavedInputState = S.InputState;
    S.InputState = 4;
    SetFocus(field);
    field.SetHint(kAmountHint);
    if (Contains(field.Text(), ",")) {
      field.SetText(base ? panel.BaseAmount : panel.ForeignAmount);
      if (!base) S.CurrencySymbol = panel.SecondCurrency;
    }
    S.CurrencySymbol = base ? panel.SelectedCode() : panel.SecondCurrency;
    panel.CurrencyDirection = base ? 2 : 1;
    panel.CurrencyRecompute();
    if (Frame41.Tape.TapeHasContent()) Frame41.Tape.TapeAppendLine("");
  });
}

void TForm1::AmountFieldKeyDown(bool base, Key key) {
  Edit& field = AmountField(base);
  if (key == Key::Enter) {
    field.SetHint("");
    AmountFieldEnter(field);
  } else if (IsSumKey(key) && !field.Text().empty()) {
    AmountFieldSum(field, key == Key::NumPlus ? '+' : '-');
  }
}

// Each amount ended with the keypad's plus or minus is converted and added to or subtracted
// from the calculator; the field stays ready for the next one.
void TForm1::AmountFieldSum(Edit& field, char op) {
  TFrame3& panel = Frame31;
  if (!S.Entry1.empty() && S.PendingOp != op) OperatorKey(op);
  if (panel.SummingMode == 0) {
    panel.SummingFormat = S.FormatMode;
    panel.SummingMode = 2;
  }
  S.FormatMode = 1;
  S.Decimals = 4;
  CurrencyTakeResult();
  OperatorKey(op);
  panel.SummingMode = 1;
  SetFocus(field);
}

void TForm1::AmountFieldEnter(Edit& field) {
  TFrame3& panel = Frame31;
  if (panel.SummingMode != 1) {
    CurrencyTakeResult();
    return;
  }
  if (field.Text().empty()) {
    S.FormatMode = 2;
    S.InputState = 2;
  } else {
    S.FormatMode = 1;
    S.Decimals = 4;
    CurrencyTakeResult();
    S.FormatMode = 2;
    if (S.PendingOp == '+' || S.PendingOp == '-') OperatorKey(S.PendingOp);
  }
  FocusEquals();
  Evaluate();
  panel.SummingMode = 0;
}

// Every key converts at once when it is released; the keypad's plus and minus empty the field.
void TForm1::AmountFieldKeyUp(bool base, Key key) {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    Edit& field = AmountField(base);
    if (IsSumKey(key)) {
      field.SetText("");
      (base ? panel.BaseAmount : panel.ForeignAmount).clear();
      SetFocus(field);
      S.FormatMode = 3;
      S.InputState = 4;
      return;
    }
    if (!base) return panel.ConvertInputToBase();
    if (key == Key::Enter) S.FormatMode = panel.SummingFormat;
    if (panel.ComboBox1.ItemIndex() < 0) panel.SelectEntry(0);
    panel.ConvertInputToForeign();
  });
}

}  // namespace qv
