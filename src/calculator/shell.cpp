// The window as a whole: closing, scaling with restart, always on top, the automatic
// second-currency line, help and the table of metric prefixes.
#include "calculator/main_window.h"
#include "calculator/window_size.h"
#include "platform/handoff.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr const char* kLexiconUrl = "https://www.mathe-online.at/mathint/lexikon/";

constexpr const char* kPrefixLines[] = {
    "Übersicht der metrischen Vorsilben:",
    "",
    "Präfix    Symbol     Vergrößerung / Verkleinerung",
    "",
    "Exa          E          1 000 000 000 000 000 000 (1 Trillion)",
    "Peta         P              1 000 000 000 000 000 (1 Billiarde)",
    "Tera        T                  1 000 000 000 000 (1 Billion)",
    "Giga        G                      1 000 000 000 (1 Milliarde)",
    "Mega      M                          1 000 000 (1 Million)",
    "Kilo          k                              1 000 (1 Tausend)",
    "Hekto     h                                100 (1 Hundert)",
    "Deka      da                                10 (zehn)",
    "Dezi        d                                0,1 (1 Zehntel)",
    "Zenti       c                               0,01 (1 Hundertstel)",
    "Milli         m                              0,001 (1 Tausendstel)",
    "Mikro      µ                          0,000 001 (1 Millonstel)",
    "Nano      n                      0,000 000 001 (1 Milliardstel)",
    "Pico        p                  0,000 000 000 001 (1 Billionstel)",
    "Femto     f              0,000 000 000 000 001 (1 Billiardstel)",
    "Atto         a       0,000 000 000 000 000 001 (1 Trillionstel)",
};

}  // namespace

void TForm1::WireShellEvents() {
  Button18.OnClick = [this] { Button18Click(); };
  Beenden1.OnClick = [this] { Button18Click(); };
  N902.OnClick = [this] { ScalingClick(100); };
  N1201.OnClick = [this] { ScalingClick(120); };
  N1501.OnClick = [this] { ScalingClick(150); };
  StayOnTop1.OnClick = [this] { StayOnTop1Click(); };
  Waehr2.OnClick = [this] { Waehr2Click(); };
  Hilfe1.OnClick = [this] { Hilfe1Click(); };
  OnlineLexikon1.OnClick = [this] { OnlineLexikon1Click(); };
  Vorsilben.OnClick = [this] { VorsilbenClick(); };
  Label2.OnMouseMove = [this] { Label2MouseMove(); };
}

// Long function markers ("L" with a long base) do not fit the indicator: its hint shows them.
void TForm1::Label2MouseMove() {
  Label2.SetHint(CharLength(Label2.Text()) < 5 ? std::string() : Label2.Text());
}

void TForm1::Button18Click() {
  if (Frame41.Tape.TapeHasContent()) {
    if (!ports.prompts.AskYesNo("Rechner beenden?")) return;
    Frame41.Tape.TapeClear();
  }
  if (CloseMainWindow) CloseMainWindow();
}

bool TForm1::FormCloseQuery() {
  return !Frame41.Tape.TapeHasContent() || ports.prompts.AskYesNo("Rechner beenden?");
}

void TForm1::ScalingClick(int percent) {
  // The graph, the tape and the extension area are put away first, so that the new instance
  // starts with all of them closed.
  if (GraphShown()) Frame71.Button2.Click();
  if (TapeShown()) Button46Click();
  if (Shell.ExtOpen) Button41Click();
  MenuItem& chosen = percent == 150 ? N1501 : percent == 120 ? N1201 : N902;
  if (percent == 100) {
    if (Shell.Scaling == 100) return;
    Shell.Scaling = 100;
    chosen.SetChecked(true);
    ports.prompts.ShowMessage("Für die Änderung der Skalierung wird der Rechner neu gestartet");
  } else if (Shell.Scaling != percent) {
    Shell.Scaling = percent;
    ports.prompts.ShowMessage(
        "Für die Änderung der Skalierung muss der Rechner neu gestartet werden");
  } else {
    ApplyScaling(percent);
    return;
  }
  if (CloseMainWindow && CloseMainWindow())
    ReportHandoff(ports.prompts, "Der Rechner konnte nicht neu gestartet werden",
                  ports.shell.Restart());
}

void TForm1::ApplyScaling(int percent) {
  // The front end applies the factor to the window and every control before it creates
  // them; here the window returns to its base size and the item is checked.
  SetSize(kBaseWidth, kBaseHeight);
  (percent == 150 ? N1501 : percent == 120 ? N1201 : N902).SetChecked(true);
}

void TForm1::StayOnTop1Click() {
  SetStayOnTop(!StayOnTop());
  StayOnTop1.SetChecked(StayOnTop());
}

void TForm1::Waehr2Click() {
  Shell.SecondCurrencyLine = Shell.SecondCurrencyLine == 1 ? 0 : 1;
  Waehr2.SetChecked(Shell.SecondCurrencyLine == 1);
}

void TForm1::Hilfe1Click() {
  OpenHelp("");
}

// The page of the start directory, else the installed one.
void TForm1::OpenHelp(const std::string& anchor) {
  constexpr const char* kLead = "Die Hilfe konnte nicht geöffnet werden";
  const std::string localDir = ports.folders.CurrentDir();
  const std::string sharedDir = ports.folders.SharedDir();
  std::string path = localDir + "/Hilfe.htm";
  if (!ports.folders.FileExists(path)) path = sharedDir + "/Hilfe.htm";
  if (!ports.folders.FileExists(path)) {
    ReportHandoff(ports.prompts, kLead,
                  "die Datei Hilfe.htm liegt weder in " + localDir + " noch in " + sharedDir + ".");
    return;
  }
  ReportHandoff(ports.prompts, kLead,
                ports.shell.Open(anchor.empty() ? path : "file://" + path + anchor));
}

void TForm1::OnlineLexikon1Click() {
  ReportHandoff(ports.prompts, "Das Online-Lexikon konnte nicht geöffnet werden",
                ports.shell.Open(kLexiconUrl));
}

void TForm1::VorsilbenClick() {
  std::string text;
  for (const char* line : kPrefixLines) text += std::string(line) + "\r";
  ports.prompts.ShowMessage(text);
}

}  // namespace qv
