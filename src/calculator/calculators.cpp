// The two calculators R1 and R2 on the same keys and fields: the one shown works in the
// fields, the other one waits parked in its slot.
#include "calculator/main_window.h"

namespace qv {

void TForm1::WireCalculatorSwitch() {
  R1.OnClick = [this] { SwitchCalculator(1); };
  R2.OnClick = [this] { SwitchCalculator(2); };
}

// Page Up and Page Down press the speed button as a click does.
void TForm1::PressCalculatorButton(int calc) {
  (calc == 1 ? R1 : R2).Click();
}

void TForm1::SwitchCalculator(int calc) {
  if (S.CurrentCalc == calc) return;
  const std::string name = calc == 1 ? "R1" : "R2";
  SetCaption("Quorvel (" + name + ")");
  Button44.SetText(calc == 1 ? "ß" : "à");
  ParkCalculator(S.Slots[calc == 1 ? 1 : 0]);
  LoadCalculator(S.Slots[calc - 1]);
  S.CurrentCalc = calc;
  if (TapeShown()) WriteSwitchLine(name);
  ReapplyLiveFunction();
}

// What a slot keeps of the fields, for a parked calculator as for an undo point.
void TForm1::StoreFields(CalcSlot& slot) const {
  slot.Entry1 = S.Entry1;
  slot.Entry2 = S.Entry2;
  slot.Label1 = Label1.Text();
  slot.Label2 = Label2.Text();
  slot.Label3 = Label3.Text();
  slot.Label4 = Label4.Text();
  slot.PendingOp = S.PendingOp;
  slot.InputState = S.InputState;
  slot.RepeatCount = S.RepeatCount;
  slot.ExtMode = S.ExtMode;
}

void TForm1::LoadFields(const CalcSlot& slot) {
  S.Entry1 = slot.Entry1;
  S.Entry2 = slot.Entry2;
  Label1.SetText(slot.Label1);
  Label2.SetText(slot.Label2);
  Label3.SetText(slot.Label3);
  Label4.SetText(slot.Label4);
  S.RepeatCount = slot.RepeatCount;
  Label5.SetText(std::to_string(slot.RepeatCount));
  S.PendingOp = slot.PendingOp;
  S.InputState = slot.InputState == 0 ? 1 : slot.InputState;
  S.ExtMode = slot.ExtMode;
}

void TForm1::ParkCalculator(CalcSlot& slot) {
  StoreFields(slot);
  slot.FormatMode = S.FormatMode;
  slot.FormatWhileTyping = S.FormatWhileTyping;
}

// Memory, the running sum of a repeat series and the kind of the last action stay shared.
void TForm1::LoadCalculator(const CalcSlot& slot) {
  LoadFields(slot);
  if (slot.FormatWhileTyping != 0) S.FormatWhileTyping = slot.FormatWhileTyping;
  if (slot.FormatMode != 0) S.FormatMode = slot.FormatMode;
  Radio1.SetChecked(S.InputState == 1);
  Radio2.SetChecked(S.InputState == 2);
}

// The tape marks where the other calculator takes over, with its field 1 as start value.
void TForm1::WriteSwitchLine(const std::string& name) {
  TapeModel& tape = Frame41.Tape;
  tape.TapeSetStyle({.bold = true});
  tape.TapeClearUndo();
  if (tape.TapeHasContent())
    tape.TapeAppendLine("");
  else
    tape.TapeClear();
  S.CurValue = ReadEntryText(S.Entry1);
  if (S.CurValue != 0) {
    TapeSetColorOf(!S.Entry1.empty() && S.Entry1.front() == '-');
    tape.TapeAppendLine("(" + name + ") " + Label1.Text() + " ^");
  } else {
    tape.TapeAppendLine("(" + name + ") ");
  }
  S.LastAction = 1;
  if (S.InputState == 1) SkipSeparatorOnce = true;
  FocusEquals();
}

}  // namespace qv
