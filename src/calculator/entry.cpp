// Number entry: digit keys, backspace, sign change, clearing, choice of the active field, and
// the operations through which panels read and fill the active field.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "calculator/number_reading.h"
#include "platform/text.h"

namespace qv {

void TForm1::ZeiButtonClick(Button& sender) {
  const Button* keys[] = {&Button1, &Button2, &Button3, &Button4, &Button5,
                          &Button6, &Button7, &Button8, &Button9};
  for (int i = 0; i < 9; ++i)
    if (keys[i] == &sender) return DigitKey(static_cast<char>('1' + i));
  if (&sender == &Button10) return DigitKey('0');
  if (&sender == &Button11) return DigitKey('.');
}

void TForm1::FormatWhileTypingShow() {
  const int savedMode = S.FormatMode;
  if (S.InputState == 1) {
    S.CurValue = ReadEntryText(S.Entry1);
    if (S.FormatMode == 2) {
      S.FormatMode = 1;
      S.Decimals = 2;
    }
    FormatValue();
    Label1.SetText(S.DisplayText);
  } else {
    S.CurValue = ReadEntryText(S.Entry2);
    if (S.FormatMode == 2) {
      // A multiplier or divisor is shown without currency symbol and fixed decimals.
      if (S.ChainKind == 1) {
        S.Decimals = 2;
        S.FormatMode = S.PercentKind != 0 ? 3 : 1;
      } else {
        S.FormatMode = 3;
      }
    }
    FormatValue();
    Label3.SetText(S.DisplayText);
  }
  S.FormatMode = savedMode;
}

// A digit that takes the number, or the live result of a panel, beyond the extended range is
// an overflow like any other: the key changes nothing.
void TForm1::DigitKey(char c) {
  AllOrNothing(*this, [&] { TypeDigit(c); });
}

void TForm1::TypeDigit(char c) {
  if (S.InputState == 4) {
    if (S.ExtMode != 0) {
      S.InputState = 1;
      return;
    }
    S.InputState = (S.SavedInputState == 0 || S.SavedInputState == 4) ? 1 : S.SavedInputState;
  }
  if (S.PercentKind == 0) S.LastAction = 1;
  if (S.InputState == 1 || S.InputState == 2) {
    std::string& entry = S.InputState == 1 ? S.Entry1 : S.Entry2;
    Label& label = S.InputState == 1 ? Label1 : Label3;
    // Typing continues on the shown number when the entry holds a stored value.
    if (Contains(entry, "E")) entry = ReplaceFirst(label.Text(), ",", ".");
    entry += c;
    ReadNumberInRange(entry);
    if (S.FormatWhileTyping == 1)
      FormatWhileTypingShow();
    else
      label.SetText(entry);
    if (S.InputState == 1) {
      if (S.ExtMode != 7 || !HoldPressed()) ReapplyLiveFunction();
      UnitConversionRecompute();
    }
  }
  FocusEquals();
}

void TForm1::DeleteLastDigit() {
  if (S.InputState == 4) return;
  if (S.InputState == 2) {
    std::string s = FormatGeneral(ReadEntryText(S.Entry2));
    Label3.SetText(s);
    if (Contains(s, "E") &&
        !ports.prompts.AskYesNo(
            "Inhaltspeicher kann die Genauigkeit bei Löschen verlieren. Fortfahren?"))
      return;
    s = DropLastChar(ReplaceFirst(s, ",", "."));
    Label3.SetText(s);
    S.Entry2 = s;
  } else {
    std::string s = FormatGeneral(ReadEntryText(S.Entry1));
    if (Contains(s, "E") &&
        !ports.prompts.AskYesNo(
            "Ergebnisspeicher verliert die Genauigkeit beim Löschen. Fortfahren?"))
      return;
    s = DropLastChar(ReplaceFirst(s, ",", "."));
    Label1.SetText(s);
    S.Entry1 = s;
    Radio1.SetChecked(true);
    S.InputState = 1;
    S.LastAction = 1;
    if (S.ExtMode != 7 || !HoldPressed()) ReapplyLiveFunction();
    UnitConversionRecompute();
  }
  FocusEquals();
}

void TForm1::ToggleSign() {
  auto negateInto = [this](std::string& entry, Label& label, bool general) {
    S.CurValue = -ReadEntryText(entry);
    if (general)
      S.DisplayText = FormatGeneral(S.CurValue);
    else
      FormatValue();
    label.SetText(S.DisplayText);
    entry = CanonicalText(S.CurValue);
  };
  // A lone "-" is typed into or taken out of an empty entry; the focus stays.
  auto toggleLoneMinus = [](std::string& entry, Label& label) {
    if (entry.empty()) {
      entry = "-";
    } else if (entry == "-") {
      entry.clear();
    } else {
      return false;
    }
    label.SetText(entry);
    return true;
  };
  switch (S.InputState) {
    case 1:
      if (toggleLoneMinus(S.Entry1, Label1)) return;
      negateInto(S.Entry1, Label1, false);
      break;
    case 3:
      if (S.Entry1.empty()) return;
      negateInto(S.Entry1, Label1, false);
      break;
    case 2:
      if (toggleLoneMinus(S.Entry2, Label3)) return;
      negateInto(S.Entry2, Label3, true);
      break;
    default:
      break;
  }
  FocusEquals();
}

void TForm1::ClearAll() {
  if (Frame31.CurrencyDirection == 2) CurrencyReverse();
  if (S.InputState == 4) {
    LeavePanelEdit(LeaveKey::Clear);
    return;
  }
  SaveFieldsSnapshot();
  S.Entry1.clear();
  if (S.InputState != 1) S.Entry2.clear();
  Label1.SetText("");
  Label2.SetText("");
  Label3.SetText("");
  Label4.SetText("");
  Label5.SetText("0");
  UnitConversionOff();
  S.RepeatCount = 0;
  S.ChainKind = 0;
  S.InputState = 1;
  S.ExtMode = 0;
  Radio1.SetChecked(true);
  ClearGraphMarks();
  if (Frame71.Visible()) Frame71.ClearHistory();
  SetCaption(CalcCaption());
  FocusEquals();
}

void TForm1::SelectField(int field) {
  S.InputState = field;
  (field == 1 ? Radio1 : Radio2).SetChecked(true);
  FocusEquals();
}

void TForm1::SaveFieldsSnapshot() {
  S.SnapshotUsed = false;
  CalcSlot& slot = S.Slots[R2.Down() ? 1 : 0];
  StoreFields(slot);
  slot.LastAction = S.LastAction;
  slot.PercentKind = S.PercentKind;
  slot.RepeatMode = S.RepeatMode;
  FocusEquals();
}

Extended TForm1::ActiveFieldValue() const {
  return ReadEntryText(S.InputState == 2 ? S.Entry2 : S.Entry1);
}

void TForm1::PutValueInActiveField(const std::string& text) {
  if (S.InputState == 4) S.InputState = S.SavedInputState == 0 ? 1 : S.SavedInputState;
  if (S.InputState == 2) {
    SaveFieldsSnapshot();
    S.Entry2 = text;
    ShowEntry(S.Entry2, Label3);
    Radio2.SetChecked(true);
    S.LastAction = 1;
  } else {
    if (S.InputState == 3 && !S.Entry1.empty() &&
        !ports.prompts.AskYesNo("Ergebnis überschreiben?")) {
      FocusEquals();
      return;
    }
    SaveFieldsSnapshot();
    S.Entry1 = text;
    ShowEntry(S.Entry1, Label1);
    S.LastAction = 1;
    S.InputState = 1;
    Radio1.SetChecked(true);
  }
  FocusEquals();
}

void TForm1::LeavePanelEdit(LeaveKey key) {
  if (key != LeaveKey::Clear && GraphShown()) {
    S.InputState = 1;
    RedrawGraph();
  }
  if (S.ExtMode != 0) {
    S.InputState = 1;
    if (key == LeaveKey::Escape) FocusEquals();
    return;
  }
  S.InputState = (S.SavedInputState == 0 || S.SavedInputState == 4) ? 1 : S.SavedInputState;
  if (key != LeaveKey::Equals) FocusEquals();
}

}  // namespace qv
