// Showing and hiding the tape panel beside the calculator.
#include "calculator/tform1.h"

namespace qv {

void TForm1::Button46Click() {
  TapeModel& tape = Frame41.Tape;
  if (TapeShown()) {
    tape.TapeSetStyle({.bold = true});
    Frame41.Hide();
    Button46.SetText("Tape >");
    Shell.TapeShown = false;
    Tape1.SetChecked(false);
  } else {
    Button46.SetText("< Tape");
    Frame41.Show();
    if (S.InputState == 3) {
      // A result on show is entered as the start value of the next block.
      if (tape.TapeHasContent()) {
        tape.TapeAppendLine("");
        tape.TapeAppendLine("");
      } else {
        tape.TapeClear();
      }
      tape.TapeAppendLine(Label1.Text() + " ^");
    }
    Shell.TapeShown = true;
    Tape1.SetChecked(true);
  }
  FocusEquals();
}

}  // namespace qv
