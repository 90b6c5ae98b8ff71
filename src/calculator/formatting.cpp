// Number display: the three formats, their menu commands, the decimals spinner and the
// choice between formatting while typing and formatting results only.
#include "calculator/main_window.h"
#include "platform/normalize.h"

namespace qv {

void TForm1::FormatValue() {
  switch (S.FormatMode) {
    case 1:
      if (S.Decimals >= 0 && S.Decimals <= 15)
        S.DisplayText = FormatFixed(S.CurValue, 5, S.Decimals);
      break;
    case 2:
      S.DisplayText = S.CurrencySymbol + " " + FormatFixed(S.CurValue, 2, 2);
      break;
    case 3:
      S.DisplayText = FormatGeneral(S.CurValue);
      break;
    default:
      break;
  }
}

void TForm1::ShowEntry(const std::string& entry, Label& label) {
  S.CurValue = ReadEntryText(entry);
  FormatValue();
  label.SetText(S.DisplayText);
}

namespace {

void CheckOnly(MenuItem& chosen, std::initializer_list<MenuItem*> group) {
  for (MenuItem* item : group) item->SetChecked(item == &chosen);
}

}  // namespace

void TForm1::Formatierung1Click() {
  SpinEdit1.SetEnabled(true);
  S.Decimals = SpinEdit1.Value();
  CheckOnly(Formatierung1, {&Formatierung1, &Formatierung2, &Formatierung3});
  S.FormatMode = 1;
  ShowEntry(S.Entry1, Label1);
  if (!Label3.Text().empty()) ShowEntry(S.Entry2, Label3);
}

void TForm1::Formatierung3Click() {
  SpinEdit1.SetEnabled(false);
  CheckOnly(Formatierung3, {&Formatierung1, &Formatierung2, &Formatierung3});
  S.FormatMode = 3;
  ShowEntry(S.Entry1, Label1);
  if (!Label3.Text().empty()) ShowEntry(S.Entry2, Label3);
}

void TForm1::Formatierung2Click() {
  SpinEdit1.SetEnabled(false);
  CheckOnly(Formatierung2, {&Formatierung1, &Formatierung2, &Formatierung3});
  S.FormatMode = 2;
  ShowEntry(S.Entry1, Label1);
  if (!Label3.Text().empty()) {
    S.Decimals = 2;
    ShowEntry(S.Entry2, Label3);
  }
}

void TForm1::DForm1Click() {
  S.FormatWhileTyping = 1;
  CheckOnly(DForm1, {&DForm1, &DForm2});
  if (Label3.Text().empty()) return;
  const int savedMode = S.FormatMode;
  if (S.FormatMode == 2) S.FormatMode = 1;
  ShowEntry(S.Entry2, Label3);
  S.FormatMode = savedMode;
}

void TForm1::DForm2Click() {
  S.FormatWhileTyping = 2;
  CheckOnly(DForm2, {&DForm1, &DForm2});
}

void TForm1::SpinEdit1Change() {
  // Setting the spinner back runs this handler again with the clamped value.
  if (SpinEdit1.Value() > 15) return SpinEdit1.SetValue(15);
  if (SpinEdit1.Value() < 0) return SpinEdit1.SetValue(0);
  S.Decimals = SpinEdit1.Value();
  ShowEntry(S.Entry1, Label1);
  UnitConversionRecompute();
  FocusEquals();
}

void TForm1::SetDecimalsByKey(int decimals) {
  S.Decimals = decimals;
  SpinEdit1.SetValue(decimals);
  Formatierung1Click();
}

std::string TForm1::NormalizeNumberText(const std::string& text) {
  bool failed = false;
  std::string result = qv::NormalizeNumberText(text, S.FormatWhileTyping, S.FormatMode, failed);
  if (failed) {
    ports.prompts.ShowMessage("Fehler bei der Bereinigung einer Zahl");
    return text;
  }
  return result;
}

}  // namespace qv
