#include "panels/tax_panel.h"

#include <cmath>

namespace qv {

TaxAmounts ComputeTax(Extended percent, Extended value) {
  TaxAmounts t;
  t.factor = 100 + percent;
  t.gross = value * t.factor / 100;
  t.net = value * 100 / t.factor;
  t.added = value * percent / 100;
  t.contained = value - value * 100 / t.factor;
  return t;
}

TFrame6::TFrame6() : Form("TFrame6", "Frame61") {
  SetSize(249, 89);
  ComboBox1.SetHint("Die gewünschte Steuerart auswählen");
  Edit3.SetHint("Steuer in Prozent");
  VST.SetHint("Der Anteil der Steuer am Endbetrag wird berechnet");
  NST.SetHint("Die Steuer wird hinzu addiert");
  SpeedButton1.SetHint("Steuersumme ins aktive Feld übernehmen");
  SpeedButton2.SetHint("Steuerinformationen ins Tape schreiben");
  Edit4.SetHint("Wenn der Endbetrag die Steuer enthält sehen Sie hier den Betrag ohne Steuer");
  Edit2.SetHint("Endbetrag zuzüglich der Steuer");
  Edit4.SetReadOnly(true);
  Edit2.SetReadOnly(true);
  ComboBox1.SetItems({"MwSt", "Ust"});
  Percentages = {"19", "19"};
  NST.SetChecked(true);
}

void TFrame6::ChooseKind(int index) {
  ComboBox1.SetItemIndex(index);
  while (Percentages.size() < ComboBox1.Items().size()) Percentages.push_back("0,0");
  if (ComboBox1.ItemIndex() >= 0) Edit3.SetText(Percentages[ComboBox1.ItemIndex()]);
}

void TFrame6::Recompute(Extended value) {
  if (Edit3.Text().empty()) Edit3.SetText("0");
  const Extended percent = StrToFloat(Edit3.Text());
  LastPercent = percent;
  Last = ComputeTax(percent, value);
  ShowAmounts();
}

bool TFrame6::RecomputeWithLastFactor(Extended value) {
  if (LastPercent == 0) return false;
  Last.gross = value * Last.factor / 100;
  Last.net = value * 100 / Last.factor;
  ShowAmounts();
  return true;
}

// An amount beyond the range of numbers leaves its box empty: nothing is taken over from it
// or written to the tape.
void TFrame6::ShowAmounts() {
  const auto shown = [](Extended amount) {
    return std::isfinite(amount) ? FormatPattern("%2.2n", amount) : std::string();
  };
  Edit4.SetText(shown(Last.net));
  Edit2.SetText(shown(Last.gross));
}

void TFrame6::StorePercentage() {
  while (Percentages.size() < ComboBox1.Items().size()) Percentages.push_back("10,0");
  const int index = ComboBox1.ItemIndex();
  if (index >= 0 && index < static_cast<int>(Percentages.size())) Percentages[index] = Edit3.Text();
}

void TFrame6::RenameKind(const std::string& name) {
  const int index = ComboBox1.ItemIndex();
  if (index < 0) return;
  std::vector<std::string> names = ComboBox1.Items();
  names[index] = name;
  ComboBox1.SetItems(names);
  ComboBox1.SetItemIndex(index);
}

// The entry after the deleted one takes its place; the last one's predecessor is chosen.
void TFrame6::DeleteKind() {
  const int index = ComboBox1.ItemIndex();
  if (index < 0) return;
  std::vector<std::string> names = ComboBox1.Items();
  names.erase(names.begin() + index);
  if (index < static_cast<int>(Percentages.size())) Percentages.erase(Percentages.begin() + index);
  if (Percentages.size() > names.size()) Percentages.resize(names.size());
  ComboBox1.SetItems(names);
  const int count = static_cast<int>(names.size());
  ChooseKind(index < count ? index : count - 1);
  // With no kind left there is no percentage to show.
  if (count == 0) Edit3.SetText("");
}

void TFrame6::AddKind(const std::string& name, const std::string& percent) {
  std::vector<std::string> names = ComboBox1.Items();
  names.push_back(name);
  ComboBox1.SetItems(names);
  if (!percent.empty()) {
    while (Percentages.size() + 1 < names.size()) Percentages.push_back("0,0");
    Percentages.push_back(percent);
  }
  ChooseKind(static_cast<int>(names.size()) - 1);
}

}  // namespace qv
