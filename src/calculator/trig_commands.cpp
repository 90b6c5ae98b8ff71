// The trigonometry panel in the extension area: a function button applies its function to
// field 1 and shows the result in field 2; the function stays live while field 1 changes.
#include <utility>

#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "panels/trig_functions.h"

namespace qv {

namespace {

// While the graph shows, the hyperbolic figure stays readable only up to this argument.
constexpr Extended kGraphHypLimit = 39.7L;

}  // namespace

void TForm1::WireTrigonometryPanel() {
  Button* const functions[] = {&Frame11.Button1, &Frame11.Button2, &Frame11.Button3,
                               &Frame11.Button4, &Frame11.Button5, &Frame11.Button6};
  // A function whose value overflows, also in the other angle unit, changes nothing.
  for (int k = 1; k <= 6; ++k)
    functions[k - 1]->OnClick = [this, k] {
      AllOrNothing(*this, [this, k] { ApplyTrigFunction(k); });
    };
  Frame11.RadioButton1.OnClick = [this] { TrigUnitClick(Frame11.RadioButton2); };
  Frame11.RadioButton2.OnClick = [this] { TrigUnitClick(Frame11.RadioButton1); };
  Frame11.Arc.OnClick = [this] { TrigArcClick(); };
  Frame11.hyp.OnClick = [this] { TrigHypClick(); };
}

void TForm1::ReapplyLiveFunction() {
  if (S.ExtMode >= 1 && S.ExtMode <= 6) ApplyTrigFunction(S.ExtMode);
  if (S.ExtMode == 7) EvaluateFunctionTerm();
}

void TForm1::ApplyTrigFunction(int k) {
  if (S.FormatMode != 3) Formatierung3Click();
  S.RepeatMode = 0;
  S.RepeatCount = 0;
  Label5.SetText("0");
  if (S.InputState == 2) return;
  const TrigOptions options{.degrees = Frame11.RadioButton1.Checked(),
                            .arc = Frame11.Arc.Checked(),
                            .hyp = Frame11.hyp.Checked(),
                            .graphShown = GraphShown()};
  const TrigOutcome out = ComputeTrigFunction(k, ReadEntryText(S.Entry1), options, Frame11.Figure);
  if (!out.ok) {
    if (out.setsField1Tag) Label4.SetText(out.field1Tag);
    ports.prompts.ShowMessage(out.refusal);
    // Unticking "Hyp" ends the hyperbolic mode and applies the function as a circular one.
    if (out.overflow) Frame11.hyp.SetChecked(false);
    return;
  }
  S.CurValue = out.result;
  FormatValue();
  Label3.SetText(S.DisplayText);
  Label4.SetText(out.field1Tag);
  Label2.SetText(out.field2Tag);
  FocusEquals();
  Radio1.SetChecked(true);
  S.InputState = 1;
  S.ExtMode = k;
  if (options.hyp && !options.arc) SetHyperbolicMode(true);
  if (GraphShown()) RedrawGraph();
}

// The hyperbolic functions have no angle unit and no cotangent, secant or cosecant; the graph
// shows them as curves with the fields' tags as captions.
void TForm1::SetHyperbolicMode(bool on) {
  for (Control* c :
       std::initializer_list<Control*>{&Frame11.RadioButton1, &Frame11.RadioButton2,
                                       &Frame11.Button4, &Frame11.Button5, &Frame11.Button6})
    c->SetEnabled(!on);
  if (on)
    Frame21.SwitchToCurveView(Label4.Text(), Label2.Text(), S.Entry1, S.DisplayText);
  else
    Frame21.SwitchToCircleView(S.Entry1, S.DisplayText);
}

int TForm1::LastTrigFunction() const {
  return S.ExtMode == 0 ? 1 : S.ExtMode;
}

void TForm1::TrigHypClick() {
  if (S.InputState == 4) return;
  if (S.ExtMode > 3) S.ExtMode = 3;
  if (S.ExtMode == 0) S.ExtMode = 1;
  if (Frame11.hyp.Checked()) {
    if ((S.ExtMode == 1 || S.ExtMode == 2) && GraphShown() &&
        ReadEntryText(S.Entry1) > kGraphHypLimit) {
      ports.prompts.ShowMessage("Zahl darf nicht größer als 39.7 sein wenn Graph sichtbar ist");
      FocusEquals();
      Frame11.hyp.SetChecked(false);
      return;
    }
    SetHyperbolicMode(true);
    Frame21.Gitter.SetEnabled(true);
    Frame21.ComboBox1.SetEnabled(true);
    Frame21.Gitter2.SetEnabled(false);
    Frame21.ReleaseHold();
  } else {
    SetHyperbolicMode(false);
  }
  ApplyTrigFunction(S.ExtMode);
}

void TForm1::TrigArcClick() {
  if (Frame11.Arc.Checked() && !Frame11.hyp.Checked() && S.ExtMode <= 2) {
    const Extended x = ReadEntryText(S.Entry1);
    if (x > 1 || x < -1) {
      ports.prompts.ShowMessage(x > 1 ? "Wert darf nicht höher als 1 sein"
                                      : "Wert darf nicht kleiner als -1 sein");
      Frame11.Arc.SetChecked(false);
      return;
    }
  }
  ApplyTrigFunction(LastTrigFunction());
  FocusEquals();
}

// The clicked unit is checked before its handler runs: when the function overflows in it, the
// other unit, in which it did not, is checked again without being applied anew.
void TForm1::TrigUnitClick(RadioButton& other) {
  try {
    AllOrNothing(*this, [this] {
      if (S.InputState != 4) ApplyTrigFunction(LastTrigFunction());
    });
  } catch (const EMathError&) {
    const Handler apply = std::exchange(other.OnClick, nullptr);
    other.SetChecked(true);
    other.OnClick = apply;
    throw;
  }
}

}  // namespace qv
