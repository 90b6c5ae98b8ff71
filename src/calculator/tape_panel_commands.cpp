// The tape panel beside the calculator: showing and hiding it, handing the keyboard to it and
// back, restoring and clearing it by key, and drops of the field displays onto it.
#include "calculator/main_window.h"
#include "calculator/window_size.h"

namespace qv {

namespace {

// The tape panel's width; the window widens by it less the 6 pixels it overlaps.
constexpr int kTapeWidth = 250;

}  // namespace

void TForm1::WireTapeEvents() {
  Frame41.SetSize(kTapeWidth, Height());
  Frame41.Host = {
      .keyboardToTape =
          [this] {
            if (S.InputState >= 1 && S.InputState <= 3) S.SavedInputState = S.InputState;
            S.InputState = 4;
            SetFocus(Frame41.RichEdit1);
          },
      .keyboardToCalculator =
          [this] {
            if (S.InputState == 4)
              S.InputState =
                  S.SavedInputState >= 1 && S.SavedInputState <= 3 ? S.SavedInputState : 1;
            FocusEquals();
          },
      .focusCalculator = [this] { FocusEquals(); },
      .dataFolder = [this] { return DataFolder(); },
      // The currency converter sets its own step after a clearing when it is wired.
      .afterClear = {},
      .wordOptions =
          [this] {
            return WordExportOptions{.textBox = Textbox1.Checked(),
                                     .noBorder = Umrandung.Checked()};
          },
  };
  // The text-box options: the second is offered only while the first is ticked.
  Textbox1.OnClick = [this] {
    Textbox1.SetChecked(!Textbox1.Checked());
    Umrandung.SetEnabled(Textbox1.Checked());
  };
  Umrandung.OnClick = [this] { Umrandung.SetChecked(!Umrandung.Checked()); };
  Frame41.OnRestoreEnabled = [this] { TapeW.SetEnabled(true); };
  Frame41.RichEdit1.OnDragDrop = [this](Control& source) { TapeDrop(source); };
  Label1.DragOnPress = Label3.DragOnPress = true;
  TapeW.SetEnabled(false);
  TapeW.OnClick = [this] { TapeWClick(); };
  Tape1.OnClick = [this] { Tape1Click(); };
}

void TForm1::Button46Click() {
  TapeModel& tape = Frame41.Tape;
  Frame41.SyncEdits();
  if (TapeShown()) {
    tape.TapeSetStyle({.bold = true});
    Frame41.Hide();
    Frame31.Hide();
    SetSize(kBaseWidth, Height());
    Button46.SetText("Tape >");
    Shell.TapeShown = false;
    Tape1.SetChecked(false);
    Whrungsrechner1.SetChecked(false);
  } else {
    CloseGraphForTape();
    Button46.SetText("< Tape");
    SetSize(kBaseWidth + Frame41.Width() - 6, Height());
    Frame41.Show();
    if (Shell.ExtOpen) Frame31.Show();
    Whrungsrechner1.SetChecked(Shell.ExtOpen);
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

void TForm1::Tape1Click() {
  Button46Click();
  if (TapeShown()) Graf1.SetChecked(false);
}

void TForm1::TapeWClick() {
  if (TapeW.Enabled()) Frame41.RestoreTape();
}

// The tape takes every drop; a field display hands over its value through the clipboard.
void TForm1::TapeDrop(Control& source) {
  if (&source == &Label1 || &source == &Label3) ports.clipboard.SetText(source.Text());
  Frame41.DropValue(ports.clipboard.GetText());
}

}  // namespace qv
