// The graph beside the trigonometry panel: what it draws from, and its radius box, whose
// result for the highlighted line can be taken into field 1.
#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

TrigView TForm1::TrigViewNow() const {
  return {.ExtMode = S.ExtMode,
          .InputState = S.InputState,
          .hyp = Frame11.hyp.Checked(),
          .arc = Frame11.Arc.Checked(),
          .radians = Frame11.RadioButton2.Checked(),
          .figure = Frame11.Figure,
          .Entry1 = S.Entry1,
          .CurValue = S.CurValue,
          .field1Tag = Label4.Text(),
          .field2Tag = Label2.Text(),
          .field1Display = Label1.Text(),
          .field2Display = Label3.Text()};
}

// The box owns the keyboard until Enter or Esc; its text is selected for typing over.
void TForm1::RadiusBoxPressed() {
  Edit& radius = Frame21.Edit1;
  SetFocus(radius);
  if (S.InputState < 4) S.SavedInputState = S.InputState;
  S.InputState = 4;
  Frame21.Edit2.SetText("Weiter mit Esc / Enter");
  radius.SetSelection(0, static_cast<int>(CharLength(radius.Text())));
}

// "Übern.": the result box's number as a result in field 1. Before any function the box shows
// "~", which is no number and is not taken.
void TForm1::TakeRadiusResult() {
  SaveFieldsSnapshot();
  if (S.InputState == 4) {
    RestoreSavedInputState();
    RedrawGraph();
  }
  const std::string shown = Frame21.Edit2.Text();
  if (shown == "~") return;
  S.Entry1 = ReplaceFirst(shown, ",", ".");
  Label1.SetText(shown);
  Label4.SetText("=");
  Label2.SetText("");
  Label3.SetText("");
  S.Entry2.clear();
  S.InputState = 3;
  S.ExtMode = 0;
  FocusEquals();
}

}  // namespace qv
