// The tax panel in the extension area: the amounts with the tax added and taken out follow
// every result; they can be taken into field 1 or written to the tape as a tax statement.
#include "calculator/main_window.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace qv {

void TForm1::WireTaxPanel() {
  TFrame6& panel = Frame61;
  panel.ComboBox1.OnChange = [this] {
    Frame61.ChooseKind(Frame61.ComboBox1.ItemIndex());
    TaxRecompute();
  };
  panel.ComboBox1.ContextMenu = &PopupMenu2;
  panel.Edit3.OnKeyPress = [this](char32_t& key) {
    if (key == U'.') key = U',';
    if (key != U'\r') return;
    key = 0;
    FocusEquals();  // leaving the box stores the percentage
  };
  panel.Edit3.OnMouseDown = [this] {
    if (S.InputState < 4) S.SavedInputState = S.InputState;
    S.InputState = 4;
  };
  panel.Edit3.OnExit = [this] {
    Frame61.StorePercentage();
    if (S.InputState == 4) RestoreSavedInputState();
    FocusEquals();
  };
  panel.SpeedButton1.OnClick = [this] { TaxTakeAmount(); };
  panel.SpeedButton2.OnClick = [this] { TaxWriteTape(); };
  StBearbeiten.OnClick = [this] {
    if (Frame61.ComboBox1.ItemIndex() < 0) return;
    if (const auto name = ports.prompts.InputQuery(
            "Eintrag bearbeiten", "Bitte neue Benennung eingeben!", Frame61.ComboBox1.Text()))
      Frame61.RenameKind(*name);
  };
  Eintraglschen1.OnClick = [this] {
    if (Frame61.ComboBox1.ItemIndex() < 0) return;
    if (!ports.prompts.AskYesNo("Eintrag löschen (" + Frame61.ComboBox1.Text() + ")")) return;
    Frame61.DeleteKind();
    if (Frame61.ComboBox1.ItemIndex() >= 0) TaxRecompute();
  };
  NeuerEintrag1.OnClick = [this] { TaxNewKind(); };
}

// A percentage that is no number is reported as the general handler does; the amounts stay.
void TForm1::TaxRecompute() {
  try {
    Frame61.Recompute(S.CurValue);
  } catch (const EConvertError& error) {
    HandleException(ports.prompts, error);
  }
}

// After an undo the amounts follow field 1 with the factor of the last recompute.
void TForm1::TaxPanelRecompute() {
  const Extended value = ReadEntryText(S.Entry1);
  if (Frame61.LastPercent == 0) return;
  S.CurValue = value;
  Frame61.RecomputeWithLastFactor(value);
}

void TForm1::TaxNewKind() {
  const auto name =
      ports.prompts.InputQuery("Neuer Eintrag", "Bitte neue Steuerart eingeben!", "NeuSt");
  if (!name) return;
  const auto percent =
      ports.prompts.InputQuery("Steuernprozente für " + *name,
                               "Bitte die Steuerprozente für " + *name + " eingeben!", "10,0");
  Frame61.AddKind(*name, !percent ? "" : percent->empty() ? "0,0" : *percent);
  TaxRecompute();
}

// Only a result shown in field 1 is replaced, after a question when field 1 holds one.
void TForm1::TaxTakeAmount() {
  TFrame6& panel = Frame61;
  if (S.InputState != 3) return;
  if (!S.Entry1.empty() && !ports.prompts.AskYesNo("Ergebnis überschreiben?")) return;
  const bool added = panel.NST.Checked();
  if ((added ? panel.Edit2 : panel.Edit4).Text().empty()) return;
  S.CurValue = added ? panel.Last.gross : panel.Last.net;
  SaveFieldsSnapshot();
  S.Entry1 = CanonicalText(S.CurValue);
  Label1.SetText(added ? panel.Edit2.Text() : panel.Edit4.Text());
  S.LastAction = 1;
}

void TForm1::TaxWriteTape() {
  TFrame6& panel = Frame61;
  const int direction = Frame31.CurrencyDirection;
  const std::string symbol = direction == 1   ? Frame31.SecondCurrency
                             : direction == 2 ? S.CurrencySymbol
                                              : std::string();
  const std::string name = panel.ComboBox1.Text(), percent = panel.Edit3.Text();
  const auto amount = [](Extended value) { return FormatPattern("%2.2n", value); };
  TapeModel& tape = Frame41.Tape;
  if (panel.NST.Checked() && !panel.Edit2.Text().empty()) {
    tape.TapeSetStyle(NoteStyle());
    tape.TapeAppendLine(name + " (" + percent + "%) " + symbol + " " + amount(panel.Last.added) +
                        " +");
    tape.TapeSetStyle({.font = "Arial", .size = 10, .bold = true, .alignment = Alignment::Right});
    std::string rule;
    for (size_t i = 0; i < CharLength(Label1.Text()) / 2; ++i) rule += "—";
    tape.TapeAppendLine(rule);
    tape.TapeAppendLine(symbol + " " + amount(panel.Last.gross) + " ST");
    S.CurValue = panel.Last.gross;
    CurrencyDropValue(panel.Last.gross, Frame31.Edit2);
  } else if (panel.VST.Checked() && !panel.Edit4.Text().empty()) {
    tape.TapeSetStyle(NoteStyle());
    tape.TapeAppendLine("Enthalten " + percent + "% " + name + " = " + symbol + " " +
                        amount(panel.Last.contained) + "  -");
    tape.TapeAppendLine("Betr. o. Steuer = " + symbol + " " + amount(panel.Last.net) + " ST");
    S.CurValue = panel.Last.net;
    CurrencyReverse();
  }
}

}  // namespace qv
