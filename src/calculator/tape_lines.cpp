// The lines the calculator writes to the tape while it computes. Each line ends with its
// marker (" ^", an operator, " T", " S", " Z", ...), by which the undo reads the tape back.
#include <string_view>

#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

namespace {

// A new block of lines: a blank line after content, otherwise a clean tape.
void StartBlock(TapeModel& tape) {
  if (tape.TapeLineCount() > 1)
    tape.TapeAppendLine("");
  else
    tape.TapeClear();
}

void SetBold(TapeModel& tape) {
  tape.TapeSetStyle({.bold = true});
}

void SetColor(TapeModel& tape, int32_t color) {
  tape.TapeSetStyle({.color = color});
}

}  // namespace

void TForm1::TapeSetColorOf(bool negative) {
  SetColor(Frame41.Tape, negative ? kTapeRed : kTapeBlack);
}

void TForm1::WriteStartLine() {
  startLineOp_ = std::string(1, S.PendingOp);
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  SetBold(tape);
  // Only a typed first operand starts a block; a result taken over is on the tape already.
  if (S.InputState != 1) return;
  tape.TapeClearUndo();
  if (!S.Entry1.empty()) TapeSetColorOf(S.Entry1.front() == '-');
  if (tape.TapeLineCount() <= 1) {
    if (tape.TapeLine(0).empty()) tape.TapeClear();
  } else {
    if (!SkipSeparatorOnce) tape.TapeStartEntry();
    SkipSeparatorOnce = false;
  }
  tape.TapeAppendLine(Label1.Text() + " ^");
}

void TForm1::WriteSubtotalLine() {
  // Written whether or not the panel is shown: a product or percent continues a sum.
  TapeModel& tape = Frame41.Tape;
  if (tape.TapeLineCount() <= 1) return;
  const std::string last = LastChar(tape.TapeLine(tape.TapeLineCount() - 1));
  if (last != "+" && last != "-" && last != "Z") return;
  SetColor(tape, kTapeGreen);
  tape.TapeAppendLine(Label1.Text() + " S");
  SetColor(tape, kTapeBlack);
}

void TForm1::WriteFunctionArgumentLines() {
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  if (S.ExtMode == 7) {
    tape.TapeClearUndo();
    StartBlock(tape);
    if (S.InputState != 3) tape.TapeAppendLine(Label1.Text() + " " + Label4.Text());
    tape.TapeSetStyle(NoteStyle());
    tape.TapeAppendLine("[" + FunctionTermText() + "]");
    tape.TapeSetStyle({.size = 10, .bold = true});
    tape.TapeReplaceLastLine(tape.TapeLine(tape.TapeLineCount() - 1) + " f");
  } else {
    SetBold(tape);
    tape.TapeClearUndo();
    StartBlock(tape);
    tape.TapeAppendLine(Label1.Text() + " " + Label4.Text());
  }
  tape.TapeAppendLine("=  " + Label3.Text() + " " + Label2.Text());
}

void TForm1::WriteConfirmedFunctionLines() {
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  SetBold(tape);
  tape.TapeClearUndo();
  if (UnitConversionLive()) {
    StartBlock(tape);
    tape.TapeAppendLine(Label1.Text() + Label4.Text());
    tape.TapeAppendLine("=  " + Label3.Text() + Label2.Text());
  } else {
    tape.TapeAppendLine(Label2.Text());
    tape.TapeAppendLine(Label3.Text() + " =");
  }
}

void TForm1::WriteFunctionStartLine() {
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  SetBold(tape);
  tape.TapeClearUndo();
  if (tape.TapeLineCount() <= 1) {
    tape.TapeClear();
    tape.TapeAppendLine(Label1.Text() + " ^");
  } else if (S.LastAction != 7) {
    tape.TapeAppendLine("");
    tape.TapeAppendLine(Label1.Text() + " ^");
  }
}

void TForm1::WriteResultTape(Extended percentAmount) {
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  SetBold(tape);
  tape.TapeClearUndo();
  const bool hasOperand = !Label3.Text().empty();
  switch (S.LastAction) {
    case 1:
    case 3:
      TapeSetColorOf(S.PendingOp == '-');
      if (hasOperand) tape.TapeAppendLine(Label3.Text() + " " + startLineOp_);
      if (S.LastAction == 3) return;  // a chain step: the operand only, the sum goes on
      break;
    case 6:
      TapeSetColorOf(Contains(Label2.Text(), "-"));
      if (hasOperand)
        tape.TapeAppendLine(Label3.Text() + " " + Label2.Text() + " (" +
                            FormatPattern("%2.2n", percentAmount) + ")");
      break;
    case 0:
      break;
    default:
      return;
  }
  WriteResultLines();
}

void TForm1::WriteResultLines() {
  TapeModel& tape = Frame41.Tape;
  TapeSetColorOf(S.CurValue < 0);
  if (S.SubtotalMark == 1) {
    SetBold(tape);
    SetColor(tape, kTapeGreen);
    tape.TapeAppendLine(Label1.Text() + " S");
  } else {
    tape.TapeAppendRule(Label1.Text());
    SetBold(tape);
    tape.TapeAppendLine(Label1.Text() + " T");
  }
  WriteSecondCurrencyLine();
}

void TForm1::WriteRepeatEndLines() {
  if (!TapeShown()) return;
  TapeModel& tape = Frame41.Tape;
  SetBold(tape);
  tape.TapeClearUndo();
  if (S.LastAction == 7) {
    // The line names the operator the series repeated, by which the undo reads it back, also
    // when an undo of a start value has cleared the indicator of the operation still pending.
    const std::string op = !Label2.Text().empty() ? Label2.Text()
                           : std::string_view("+-x/").find(S.PendingOp) != std::string_view::npos
                               ? std::string(1, S.PendingOp)
                               : std::string();
    TapeSetColorOf(Contains(op, "-"));
    if (!Label3.Text().empty())
      tape.TapeAppendLine(Label5.Text() + "x   " + Label3.Text() + " " + op);
  }
  const bool hasSum = S.RepeatSum > 0;
  switch (S.SubtotalMark) {
    case 1:
      tape.TapeSetStyle({.bold = true, .color = kTapeGreen});
      if (hasSum) tape.TapeAppendLine(S.DisplayText + " Z");
      tape.TapeAppendLine(Label1.Text() + " S");
      SetColor(tape, kTapeBlack);
      break;
    case 2:
      tape.TapeSetStyle({.bold = true, .color = kTapeGreen});
      tape.TapeAppendLine(S.DisplayText + " Z");
      SetColor(tape, kTapeBlack);
      break;
    default:
      SetColor(tape, kTapeGreen);
      if (hasSum) tape.TapeAppendLine(S.DisplayText + " Z");
      tape.TapeAppendRule(Label1.Text());
      TapeSetColorOf(S.CurValue < 0);
      SetBold(tape);
      tape.TapeAppendLine(Label1.Text() + " T");
      break;
  }
}

void TForm1::WriteSecondCurrencyLine() {
  if (S.FormatMode != 2 || S.SubtotalMark != 0 || !Waehr2.Checked()) return;
  const std::optional<CurrencyAmount> second = SecondCurrencyAmount();
  if (!second) return;
  TapeModel& tape = Frame41.Tape;
  tape.TapeSetStyle(NoteStyle());
  tape.TapeAppendLine(second->code + " " + second->amount + " =");
  tape.TapeSetStyle({.size = 10});
}

}  // namespace qv
