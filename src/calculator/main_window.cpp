#include "calculator/main_window.h"
#include "calculator/window_size.h"

namespace qv {

TForm1::TForm1(Ports ports) : Form("TForm1", "Form1"), ports(ports) {
  SetCaption(CalcCaption());
  SetSize(kBaseWidth, kBaseHeight);
  Radio1.SetChecked(true);
  R1.GroupIndex = R2.GroupIndex = 1;
  R1.SetDown(true);
  for (MenuItem* item : {&Formatierung1, &Formatierung2, &Formatierung3, &DForm1, &DForm2,
                         &Syntax_1, &Syntax_2, &N902, &N1201, &N1501})
    item->RadioItem = true;
  DForm1.GroupIndex = DForm2.GroupIndex = 1;
  Syntax_1.GroupIndex = Syntax_2.GroupIndex = 2;
  N902.GroupIndex = N1201.GroupIndex = N1501.GroupIndex = 3;
  Formatierung1.SetChecked(true);
  Label5.SetHint("Wiederholungszähler");
  Label6.SetHint("Inhalt von Memory");
  Label7.SetHint("Nachkommastellen (F2)");
  SpinEdit1.SetHint("Verstellbare Nachkommastellen (F2)");
  StaticText1.SetHint("Aktives Feld");
  Radio1.SetHint("Aktives Feld");
  Radio2.SetHint("Aktives Feld");
  Button17.SetHint("Eingabefelder  löschen");
  Button19.SetHint("Die letzte Ziffer löschen (Backspace)");
  Button16.SetHint("Ergebnis");
  Button21.SetHint("Prozent - kann in Verbindung mit '+' oder '-'  verwendet werden.");
  Button33.SetHint("Memory löschen");
  Button34.SetHint("Aktive Zahl in Memory aufbewahren");
  Button35.SetHint("Den Inhalt von Memory in aktives Feld schreiben");
  Button36.SetHint("Memory + Zahl = Memory");
  Button37.SetHint("Memory - Zahl = Memory");
  Button38.SetHint("Memory * Zahl  = Memory");
  Button39.SetHint("Zahl / Memory = Memory");
  Button40.SetHint("Memory / Zahl = Memory");
  Button22.SetHint("Quadratwurzel aus x");
  Button23.SetHint("Quadrat von x");
  Button24.SetHint("Kreiszahl Pi");
  Button29.SetHint("Natürlicher Logaritmus auf der Basis e");
  Button30.SetHint("e hoch Zahl (e als Basis des natürlichen Logarithmus");
  SpeedButton1.SetHint("Logarithmus zur Basis 10");
  SpeedButton2.SetHint("Logarithmus mit beliebiger Basis");
  SpeedButton3.SetHint("X hoch N");
  Button25.SetHint("In die Zwischenablage kopieren (Strg-Einfg)");
  Button26.SetHint("Aus der Zwischenablage einfügen (Einfg)");
  Button44.SetHint("Ergebnis aus dem anderen Rechner übernehmen");
  Button28.SetHint("Letzte Aktion rückgängig machen (Taste Ende)");
  Button20.SetHint("Aktion wiederholen ( Taste Pos1 )");
  R1.SetHint("Rechner 1 (Bild auf)");
  R2.SetHint("Rechner 2 (Bild-ab)");
  Button41.SetHint("Erweiterungen öffnen");
  Label8.SetHint("Erweiterung auswählen");
  Button18.SetHint("Rechner beenden");
  WireEvents();
  WireShellEvents();
  WireTapeEvents();
  WireCalculatorSwitch();
  WireExtensionArea();
  WireTrigonometryPanel();
  WireCurrencyPanel();
  WireFunctionPanel();
  WireTaxPanel();
  WireUnitPanel();
  WireGraphPanel();
  AddFrame(Frame11);
  AddFrame(Frame31);
  AddFrame(Frame51);
  AddFrame(Frame61);
  AddFrame(Frame71);
  AddFrame(Frame41);
  AddFrame(Frame21);
  OnShow = [this] { FormShow(); };
  LoadSettings();
  // The graph starts in trigonometry mode, as the trigonometry panel is the first panel.
  Frame21.SwitchToTrigonometryMode(S.Entry1, S.DisplayText);
  FocusEquals();
}

TForm1::~TForm1() = default;

void TForm1::WireEvents() {
  for (Button* key : {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6, &Button7,
                      &Button8, &Button9, &Button10, &Button11})
    key->OnClick = [this, key] { ZeiButtonClick(*key); };
  Button19.OnClick = [this] { DeleteLastDigit(); };
  Button27.OnClick = [this] { ToggleSign(); };
  Button17.OnClick = [this] { ClearAll(); };
  Radio1.OnClick = [this] { SelectField(1); };
  Radio2.OnClick = [this] { SelectField(2); };
  Radio1.OnDblClick = [this] { S.InputState = 1; };
  Label1.OnDblClick = [this] {
    S.InputState = 1;
    S.ChainKind = 0;
    Radio1.SetChecked(true);
  };
  Label3.OnDblClick = [this] {
    S.InputState = 2;
    Radio2.SetChecked(true);
  };
  Formatierung1.OnClick = [this] { Formatierung1Click(); };
  Formatierung2.OnClick = [this] { Formatierung2Click(); };
  Formatierung3.OnClick = [this] { Formatierung3Click(); };
  DForm1.OnClick = [this] { DForm1Click(); };
  DForm2.OnClick = [this] { DForm2Click(); };
  SpinEdit1.OnChange = [this] { SpinEdit1Change(); };
  WireCalculatorEvents();
  WireMemoryKeys();
  WireFunctionKeys();
  WireClipboardKeys();
  WireUndoKeys();
}

void TForm1::FormShow() {
  if (Shell.Scaling == 120 || Shell.Scaling == 150)
    ApplyScaling(Shell.Scaling);
  else
    N902.SetChecked(true);
  if (Shell.TapeShown) Button46Click();
  RestoreExtensionArea();
  const ScreenPoint place = VisiblePlace({Left(), Top(), Width(), Height()}, Screens);
  SetPosition(place.left, place.top);
}

std::string TForm1::CalcCaption() const {
  return S.CurrentCalc == 2 ? "Quorvel (R2)" : "Quorvel (R1)";
}

std::optional<std::string> TForm1::StateText(const std::string& name) const {
  const auto num = [](long long v) { return std::optional<std::string>(std::to_string(v)); };
  const auto ext = [](Extended v) { return std::optional<std::string>(CanonicalText(v)); };
  if (name == "InputState") return num(S.InputState);
  if (name == "SavedInputState") return num(S.SavedInputState);
  if (name == "Entry1") return S.Entry1;
  if (name == "Entry2") return S.Entry2;
  if (name == "CurValue") return ext(S.CurValue);
  if (name == "DisplayText") return S.DisplayText;
  if (name == "PendingOp") return std::string(1, S.PendingOp);
  if (name == "ChainKind") return num(S.ChainKind);
  if (name == "LastAction") return num(S.LastAction);
  if (name == "PercentKind") return num(S.PercentKind);
  if (name == "SubtotalMark") return num(S.SubtotalMark);
  if (name == "RepeatMode") return num(S.RepeatMode);
  if (name == "RepeatCount") return num(S.RepeatCount);
  if (name == "RepeatSum") return ext(S.RepeatSum);
  if (name == "StepFactor") return ext(S.StepFactor);
  if (name == "ExtMode") return num(S.ExtMode);
  if (name == "MemoryValue") return ext(S.MemoryValue);
  if (name == "SyntaxMode") return num(S.SyntaxMode);
  if (name == "LastOperand2") return S.LastOperand2;
  if (name == "SnapshotUsed") return num(S.SnapshotUsed ? 1 : 0);
  if (name == "ContextField") return num(S.ContextField);
  if (name == "CurrentCalc") return num(S.CurrentCalc);
  if (name == "Operand1") return ext(S.Operand1);
  if (name == "Operand2") return ext(S.Operand2);
  if (name == "FormatMode") return num(S.FormatMode);
  if (name == "Decimals") return num(S.Decimals);
  if (name == "FormatWhileTyping") return num(S.FormatWhileTyping);
  if (name == "CurrencySymbol") return S.CurrencySymbol;
  return GraphStateText(name);
}

}  // namespace qv
