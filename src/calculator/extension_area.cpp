// The extension area below the calculator: at most one of the trigonometry, unit, tax and
// function-term panels. The panel commands open, close and exchange them as a whole and keep
// the menu checks, the window height and the number format in step.
#include "calculator/main_window.h"
#include "calculator/window_size.h"

namespace qv {

namespace {

constexpr const char* kPanelLetters[] = {"T", "E", "S", "F"};
constexpr const char* kOpenHint = "Erweiterungen öffnen";
constexpr const char* kCloseHint = "Erweiterungen schließen";

}  // namespace

void TForm1::WireExtensionArea() {
  Trigon.OnClick = Trigonometrie1.OnClick = [this] { TrigonClick(); };
  Einheiten.OnClick = Einheiten1.OnClick = [this] { EinheitenClick(); };
  Steuer1.OnClick = Steuer2.OnClick = [this] { Steuer1Click(); };
  Funktionen1.OnClick = Funktionen2.OnClick = [this] { Funktionen1Click(); };
  Whrungsrechner1.OnClick = [this] { Whrungsrechner1Click(); };
  Graf1.OnClick = [this] { Graf1Click(); };
  Button41.OnClick = [this] { Button41Click(); };
  Label8.OnClick = [this] { Label8Click(); };
  Label8.ContextMenu = &PopupMenu3;
}

void TForm1::ShowPanelLetter() {
  if (Shell.ExtPanel >= 0 && Shell.ExtPanel <= 3) Label8.SetText(kPanelLetters[Shell.ExtPanel]);
}

void TForm1::GivePanelCommand(int panel) {
  switch (panel) {
    case 0:
      TrigonClick();
      break;
    case 1:
      EinheitenClick();
      break;
    case 2:
      Steuer1Click();
      break;
    case 3:
      Funktionen1Click();
      break;
    default:
      break;
  }
}

void TForm1::OpenExtensionArea() {
  SetSize(Width(), kBaseHeight + Frame11.Height());
  Button41.SetText("á");
  Button41.SetHint(kCloseHint);
}

void TForm1::CloseExtensionArea() {
  Frame11.Hide();
  if (GraphShown()) Frame11.Button7.Click();
  Frame31.Hide();
  Frame51.Hide();
  Frame61.Hide();
  Frame71.Hide();
  SetSize(Width(), kBaseHeight);
  Button41.SetText("â");
  Button41.SetHint(kOpenHint);
}

// The indicator shows the operator of a waiting operation or of a running repeat series; the
// repeat line and the undo read the operator from it, so a panel's tag must not replace it.
bool TForm1::OperatorIndicatorInUse() const {
  return S.PendingOp != '0' || S.LastAction == 7;
}

// The panels' tags leave the two small captions.
void TForm1::ResetExtensionPanels() {
  Label4.SetText("");
  if (!OperatorIndicatorInUse()) Label2.SetText("");
  for (MenuItem* item : {&Trigon, &Einheiten, &Steuer1, &Funktionen1}) item->SetChecked(false);
  Frame11.Hide();
  Frame51.Hide();
  Frame61.Hide();
  Frame71.Hide();
}

// The last steps of every opening panel command.
void TForm1::FinishOpening(int panel, MenuItem& item) {
  item.SetChecked(true);
  if (TapeShown()) {
    Frame31.Show();
    Whrungsrechner1.SetChecked(true);
    Graf1.SetChecked(false);
  }
  Shell.ExtOpen = true;
  Shell.ExtPanel = panel;
  ShowPanelLetter();
  Button41.SetHint(kCloseHint);
  FocusEquals();
}

// The first steps of every closing panel command.
void TForm1::CloseArea() {
  CloseExtensionArea();
  ResetExtensionPanels();
  Whrungsrechner1.SetChecked(false);
  Shell.ExtOpen = false;
  Button41.SetHint(kOpenHint);
}

void TForm1::TrigonClick() {
  if (Shell.ExtOpen && Trigon.Checked()) {
    if (!Frame11.Visible()) return;
    if (GraphShown()) Frame11.Button7.Click();
    CloseArea();
    Frame11.hyp.SetChecked(false);
    Frame11.Arc.SetChecked(false);
    FocusEquals();
    return;
  }
  Frame21.SwitchToTrigonometryMode(S.Entry1, S.DisplayText);
  if (GraphShown()) Frame11.Button7.SetText("<-Graph");
  // Trigonometry mode has no context menu.
  Frame21.Image1.ContextMenu = nullptr;
  ResetExtensionPanels();
  Formatierung3Click();
  OpenExtensionArea();
  Frame11.Show();
  S.ExtMode = 0;
  RedrawGraph();
  FinishOpening(0, Trigon);
}

void TForm1::EinheitenClick() {
  if (GraphShown()) Frame11.Button7.Click();
  if (Shell.ExtOpen && Einheiten.Checked()) {
    CloseArea();
    return;
  }
  ResetExtensionPanels();
  Formatierung3Click();
  OpenExtensionArea();
  Frame51.Show();
  UnitShowRemembered();
  FinishOpening(1, Einheiten);
}

void TForm1::Steuer1Click() {
  if (GraphShown()) Frame11.Button7.Click();
  if (Shell.ExtOpen && Steuer1.Checked()) {
    CloseArea();
    return;
  }
  S.ExtMode = 0;
  ResetExtensionPanels();
  OpenExtensionArea();
  Formatierung2Click();
  Frame61.Show();
  FinishOpening(2, Steuer1);
}

void TForm1::Funktionen1Click() {
  if (Shell.ExtOpen && Funktionen1.Checked()) {
    if (!Frame71.Visible()) return;
    if (GraphShown()) Frame71.Button2.Click();
    CloseArea();
    FocusEquals();
    return;
  }
  ResetExtensionPanels();
  OpenExtensionArea();
  Formatierung3Click();
  Frame21.Image1.ContextMenu = &Frame21.PopupMenu2;
  if (GraphShown()) {
    S.ExtMode = 7;
    Frame21.SwitchToFunctionMode(Label1.Text(), Label3.Text());
    Frame71.Show();
    Frame71.Button2.SetText("< Graph");
    if (!Frame71.ComboBox1.Text().empty()) EvaluateFunctionTerm();
  }
  Label4.SetText("(x)");
  if (!OperatorIndicatorInUse()) Label2.SetText("f(x)");
  Frame71.Show();
  FinishOpening(3, Funktionen1);
}

// The currency converter shows below the tape; with the area closed it opens the panel last
// chosen first, so that the converter never shows without an open area.
void TForm1::Whrungsrechner1Click() {
  if (Frame31.Visible()) {
    ResetExtensionPanels();
    CloseExtensionArea();
    Whrungsrechner1.SetChecked(false);
    Shell.ExtOpen = false;
    return;
  }
  if (!TapeShown()) Button46Click();
  if (!Shell.ExtOpen) GivePanelCommand(Shell.ExtPanel);
  OpenExtensionArea();
  Whrungsrechner1.SetChecked(true);
  Graf1.SetChecked(false);
  S.FormatMode = 2;
  S.CurValue = ReadEntryText(S.Entry1);
  FormatValue();
  Label1.SetText(S.DisplayText);
}

void TForm1::Button41Click() {
  if (Shell.ExtOpen) {
    CloseExtensionArea();
    ResetExtensionPanels();
    if (GraphShown()) Frame11.Button7.Click();
    if (TapeShown()) Frame31.Hide();
    Shell.ExtOpen = false;
  } else {
    OpenExtensionArea();
    GivePanelCommand(Shell.ExtPanel);
  }
  FocusEquals();
}

void TForm1::Label8Click() {
  Shell.ExtPanel = Shell.ExtPanel >= 3 || Shell.ExtPanel < 0 ? 0 : Shell.ExtPanel + 1;
  ShowPanelLetter();
  if (Shell.ExtOpen) GivePanelCommand(Shell.ExtPanel);
  FocusEquals();
}

// The graph works beside the trigonometry or the function-term panel only; the graph button
// of the panel shown opens or closes it, and the menu follows what it did.
void TForm1::Graf1Click() {
  if (!Shell.ExtOpen || Shell.ExtPanel == 1 || Shell.ExtPanel == 2) TrigonClick();
  if (Frame11.Visible())
    Frame11.Button7.Click();
  else if (Frame71.Visible())
    Frame71.Button2.Click();
  const bool shown = GraphShown();
  Graf1.SetChecked(shown);
  if (shown) Tape1.SetChecked(false);
  Frame11.Button7.SetText(shown ? "< Graph" : "Graph >");
  Frame71.Button2.SetText(shown ? "< Graph" : "Graph >");
}

void TForm1::RestoreExtensionArea() {
  if (Shell.ExtOpen) {
    Whrungsrechner1.SetChecked(true);
    GivePanelCommand(Shell.ExtPanel);
    return;
  }
  for (Form* panel :
       {static_cast<Form*>(&Frame11), static_cast<Form*>(&Frame31), static_cast<Form*>(&Frame51),
        static_cast<Form*>(&Frame61), static_cast<Form*>(&Frame71)})
    panel->Hide();
  SetSize(Width(), kBaseHeight);
}

}  // namespace qv
