// The function-term panel in the extension area: "f(x)" evaluates the term with x from
// field 1 into field 2, and the term stays live while field 1 changes.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "parser/mathparser.h"
#include "platform/text.h"

namespace qv {

void TForm1::WireFunctionPanel() {
  TFrame7& panel = Frame71;
  // A pending operation that overflows when it is finished first takes the key back.
  panel.Button1.OnClick = [this] { AllOrNothing(*this, [this] { EvaluateFunctionTerm(); }); };
  panel.SpeedButton1.OnClick = [this] { Frame71.SaveTerm(); };
  panel.SpeedButton2.OnClick = [this] {
    if (ports.prompts.AskYesNo("Term löschen?")) Frame71.DeleteTerm();
  };
  panel.SpeedButton3.OnClick = [this] { OpenHelp("#Funktionen"); };
  // Blanks never stay in a typed term; a term picked from the list brings its constants.
  panel.ComboBox1.OnChange = [this] {
    const std::string typed = Frame71.ComboBox1.Text();
    if (typed.find(' ') != std::string::npos) Frame71.ComboBox1.SetText(ReplaceAll(typed, " ", ""));
  };
  panel.ComboBox1.OnClick = [this] { Frame71.TermPicked(HoldPressed()); };
  panel.ComboBox2.OnChange = [this] { Frame71.InsertOperator(Frame71.ComboBox2.Text()); };
  panel.Rueck.OnClick = [this] { StepTermHistory(-1); };
  panel.Vor.OnClick = [this] { StepTermHistory(1); };
  // The term box and the constant boxes take the keyboard while they have the focus.
  for (Control* box : std::initializer_list<Control*>{&panel.ComboBox1, &panel.Edit1, &panel.Edit2,
                                                      &panel.Edit3}) {
    box->OnEnter = [this] { S.InputState = 4; };
    box->OnExit = [this] { S.InputState = 1; };
  }
}

void TForm1::StepTermHistory(int step) {
  Frame71.StepHistory(step, HoldPressed());
  SetFocus(Frame71.ComboBox1);
}

void TForm1::EvaluateFunctionTerm() {
  TFrame7& panel = Frame71;
  if (S.FormatMode != 3) Formatierung3Click();
  // An operation waiting for its second operand is finished first, as a subtotal.
  if (S.InputState == 2) EvaluateWithMark(1);
  if (panel.ComboBox1.Text().empty()) panel.ComboBox1.SetText("0");
  const std::string term = panel.ComboBox1.Text();
  TMathParser parser(true);
  parser.SetConstantValue("x", ReadEntryText(S.Entry1));
  panel.SetConstants(parser);
  Extended result = 0;
  try {
    result = parser.Parse(term);
  } catch (const EMathParsing& error) {
    panel.ComboBox1.SetSelection(error.Position() - 1, error.Length());
    ports.prompts.ShowMessage("FehlerNr.: " + std::to_string(error.Error()) + " (" + error.what() +
                              ")");
    S.InputState = 1;
    S.ChainKind = 2;
    return;
  }
  S.CurValue = result;
  FormatValue();
  S.Entry2 = CanonicalText(result);
  Label3.SetText(S.DisplayText);
  Frame21.Label4.SetText(Label1.Text());
  Frame21.Label5.SetText(Label3.Text());
  Label4.SetText("(x)");
  Label2.SetText("f(x)");
  S.ExtMode = 7;
  panel.Terms.Add(term);
  if (panel.Terms.TermHistory.size() > 1) {
    panel.Vor.SetEnabled(true);
    panel.Rueck.SetEnabled(true);
    ShowSecondTermEntries();
  }
  if (GraphShown()) RedrawGraph();
  FocusEquals();
}

// "Term 2 schreiben" is offered while two held terms are compared; without them the graph's
// entries of the intersections go.
void TForm1::ShowSecondTermEntries() {
  TFrame2& graph = Frame21;
  if (HoldPressed() && Frame71.Terms.PlotSequence.size() > 1) {
    graph.Term2.SetVisible(true);
    return;
  }
  for (MenuItem* entry : {&graph.Term2, &graph.x2nehmen, &graph.x1nehmen, &graph.Markieren2,
                          &graph.Markieren1, &graph.Schnittpunkt1})
    entry->SetVisible(false);
}

}  // namespace qv
