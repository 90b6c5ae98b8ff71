#include "currency/currency_panel.h"

#include "platform/normalize.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace qv {

namespace {

// A converted amount as the calculator takes it: "%g" with a decimal point.
std::string CanonicalAmount(Extended value) {
  bool failed = false;
  return NormalizeNumberText(FormatGeneral(value), 0, 0, failed);
}

}  // namespace

TFrame3::TFrame3() : Form("TFrame3", "Frame31") {
  SetSize(250, 120);  // below the tape panel, as high as the extension area
  ComboBox2.SetVisible(false);
  Edit1.SetVisible(false);
  Label5.SetVisible(false);
  Edit4.SetReadOnly(true);
  SpeedButton1.SetHint("Ergebnis in aktives Feld übernehmen");
  SpeedButton5.SetHint("Ergebnis in Tape übernehmen");
  SpeedButton2.SetHint("Neuer Eintrag");
  SpeedButton4.SetHint("Eintrag bearbeiten");
  SpeedButton3.SetHint("Eintrag löschen");
  Label4.SetHint("Klick verändert die Richtung, Strg-Klick öffnet Wechselkursseite");
  std::vector<std::string> names, rates;
  for (const auto& [name, rate] : DefaultList()) {
    names.push_back(name);
    rates.push_back(rate);
  }
  SetList(names, rates);
  SelectEntry(0);
}

const std::vector<std::pair<std::string, std::string>>& TFrame3::DefaultList() {
  static const std::vector<std::pair<std::string, std::string>> list = {
      {"EUR,Euro", "1"},
      {"USD, USDollar", "1.13711"},
      {"CHF,Schw. Fr.", "1.04116"},
      {"ISK,Isl. Kronen", "145.821"},
      {"GBP,Britt. Pfund", "0.83519"},
      {"JPY,Jap. Yen", "130.382"},
  };
  return list;
}

void TFrame3::SetList(const std::vector<std::string>& names,
                      const std::vector<std::string>& rates) {
  ComboBox1.SetItems(names);
  ComboBox2.SetItems(rates);
  Label6.SetText(names.empty() ? std::string() : names.front());
}

std::string TFrame3::CodeOf(const std::string& name) {
  return name.substr(0, name.find(','));
}

void TFrame3::SelectEntry(int index) {
  ComboBox1.SetItemIndex(index);
  ComboBox2.SetItemIndex(index);
}

std::string TFrame3::SelectedCode() const {
  return CodeOf(ComboBox1.Text());
}

void TFrame3::ShowSelectedEntry() {
  ComboBox2.SetItemIndex(ComboBox1.ItemIndex());
  Label3.SetText(ComboBox1.Text());
  Edit4.SetText(ComboBox2.Text());
}

// The input as the direction says; an amount not read keeps the value read last.
void TFrame3::ReadInput() {
  switch (CurrencyDirection) {
    case 2:
      lastBase_ = ReadEntryText(Edit2.Text());
      break;
    case 4:
      lastBase_ = ReadEntryText(BaseAmount);
      break;
    case 1:
      lastForeign_ = ReadEntryText(Edit3.Text());
      break;
    case 3:
      lastForeign_ = ReadEntryText(ForeignAmount);
      break;
    default:
      break;
  }
}

void TFrame3::CurrencyRecompute() {
  ReadInput();
  if (CurrencyDirection == 1 || CurrencyDirection == 3)
    ConvertToBase(lastForeign_);
  else
    ConvertToForeign(lastBase_);
}

void TFrame3::RecomputeFromStoredAmounts() {
  if (CurrencyDirection == 2 && Contains(Edit2.Text(), ",")) CurrencyDirection = 4;
  if (CurrencyDirection == 1 && Contains(Edit3.Text(), ",")) CurrencyDirection = 3;
  CurrencyRecompute();
}

void TFrame3::ShowEcbDate(const std::string& date) {
  EcbDate = date;
  Edit4.SetHint(date.empty() ? std::string() : "Kurse der EZB vom " + date);
}

void TFrame3::ConvertInputToForeign() {
  ReadInput();
  ConvertToForeign(lastBase_);
}

void TFrame3::ConvertInputToBase() {
  ReadInput();
  ConvertToBase(lastForeign_);
}

void TFrame3::ConvertToForeign(Extended base) {
  const Extended amount = base * ReadEntryText(ComboBox2.Text());
  ConvertedText = FormatPattern("%2.2n", amount);
  ConvertedValue = CanonicalAmount(amount);
  ForeignAmount = ConvertedValue;
  Edit3.SetText(ConvertedText);
  CurrencyDirection = 2;
  Label4.SetText("è");
}

// A rate of 0 or below converts nothing: both converted texts keep what they had.
void TFrame3::ConvertToBase(Extended foreign) {
  const Extended rate = ReadEntryText(ComboBox2.Text());
  if (rate > 0) {
    ConvertedText = FormatPattern("%2.2n", foreign / rate);
    ConvertedValue = CanonicalAmount(foreign / rate);
  }
  BaseAmount = ConvertedValue;
  Edit2.SetText(ConvertedText);
  Label4.SetText("ç");
  CurrencyDirection = 1;
}

}  // namespace qv
