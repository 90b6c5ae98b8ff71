#include "currency/currency_panel.h"

#include <cmath>

#include "platform/errors.h"
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

Extended TFrame3::Rate() const {
  const Extended rate = ReadEntryText(ComboBox2.Text());
  return std::isfinite(rate) ? rate : 0;
}

// The input as the direction says; an amount not read keeps the value read last. An amount
// typed beyond the range is an overflow.
TFrame3::Amounts TFrame3::ReadInput() const {
  Amounts input{lastBase_, lastForeign_};
  const auto read = [](const std::string& text) {
    const Extended amount = ReadEntryText(text);
    if (std::isinf(amount)) throw EOverflow();
    return amount;
  };
  switch (CurrencyDirection) {
    case 2:
      input.base = read(Edit2.Text());
      break;
    case 4:
      input.base = read(BaseAmount);
      break;
    case 1:
      input.foreign = read(Edit3.Text());
      break;
    case 3:
      input.foreign = read(ForeignAmount);
      break;
    default:
      break;
  }
  return input;
}

void TFrame3::CurrencyRecompute() {
  if (CurrencyDirection == 1 || CurrencyDirection == 3)
    ConvertToBase(ReadInput());
  else
    ConvertToForeign(ReadInput());
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
  ConvertToForeign(ReadInput());
}

void TFrame3::ConvertInputToBase() {
  ConvertToBase(ReadInput());
}

void TFrame3::ConvertToForeign(const Amounts& input) {
  const Extended rate = Rate();
  const Extended amount = CheckedResult(input.base * rate, input.base, rate);
  lastBase_ = input.base;
  lastForeign_ = input.foreign;
  ConvertedText = FormatPattern("%2.2n", amount);
  ConvertedValue = CanonicalAmount(amount);
  ForeignAmount = ConvertedValue;
  Edit3.SetText(ConvertedText);
  CurrencyDirection = 2;
  Label4.SetText("è");
}

// A rate of 0 or below converts nothing: both converted texts keep what they had.
void TFrame3::ConvertToBase(const Amounts& input) {
  const Extended rate = Rate();
  const Extended amount = rate > 0 ? CheckedResult(input.foreign / rate, input.foreign, rate) : 0;
  lastBase_ = input.base;
  lastForeign_ = input.foreign;
  if (rate > 0) {
    ConvertedText = FormatPattern("%2.2n", amount);
    ConvertedValue = CanonicalAmount(amount);
  }
  BaseAmount = ConvertedValue;
  Edit2.SetText(ConvertedText);
  Label4.SetText("ç");
  CurrencyDirection = 1;
}

// The rate list follows the chosen name only once the choice is shown, so its index is the
// choice before a change of the list box, too.
TFrame3::Memento TFrame3::Keep() const {
  return {.CurrencyDirection = CurrencyDirection,
          .BaseAmount = BaseAmount,
          .ForeignAmount = ForeignAmount,
          .ConvertedText = ConvertedText,
          .ConvertedValue = ConvertedValue,
          .SecondCurrency = SecondCurrency,
          .OtherCurrencyCode = OtherCurrencyCode,
          .baseText = Edit2.Text(),
          .foreignText = Edit3.Text(),
          .rateText = Edit4.Text(),
          .SummingMode = SummingMode,
          .SummingFormat = SummingFormat,
          .names = ComboBox1.Items(),
          .rates = ComboBox2.Items(),
          .chosen = ComboBox2.ItemIndex(),
          .lastBase = lastBase_,
          .lastForeign = lastForeign_};
}

void TFrame3::PutBack(const Memento& kept) {
  CurrencyDirection = kept.CurrencyDirection;
  BaseAmount = kept.BaseAmount;
  ForeignAmount = kept.ForeignAmount;
  ConvertedText = kept.ConvertedText;
  ConvertedValue = kept.ConvertedValue;
  SecondCurrency = kept.SecondCurrency;
  OtherCurrencyCode = kept.OtherCurrencyCode;
  Edit2.SetText(kept.baseText);
  Edit3.SetText(kept.foreignText);
  SummingMode = kept.SummingMode;
  SummingFormat = kept.SummingFormat;
  ComboBox1.SetItems(kept.names);
  ComboBox2.SetItems(kept.rates);
  SelectEntry(kept.chosen);
  Edit4.SetText(kept.rateText);
  lastBase_ = kept.lastBase;
  lastForeign_ = kept.lastForeign;
}

}  // namespace qv
