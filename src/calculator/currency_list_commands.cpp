// Editing the currency list: adding and editing an entry take two clicks (the first opens the
// name and rate fields, the second or Enter saves), the delete button cancels meanwhile.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr const char* kMissingCodeOnAdd =
    "Bitte das Kürzel für die Währung vor der Komma setzen (z.B. \"EUR, Euro\"). Sonst kann es "
    "nicht für die Währungsformatierung verwendet werden";
constexpr const char* kMissingCodeOnEdit =
    "Bitte das Kürzel für die Währung vor der Komma setzen (z.B. \"DM, De. Mark\"). Sonst kann "
    "es nicht für die Währungsformatierung verwendet werden";

}  // namespace

// The name and rate fields take the place of the list; the keyboard goes to them.
void TForm1::OpenListEdit(int state) {
  TFrame3& panel = Frame31;
  if (S.InputState < 4) S.SavedInputState = S.InputState;
  S.InputState = 4;
  panel.ComboBox1.SetVisible(false);
  panel.Edit1.SetVisible(true);
  panel.Edit1.SetColor(panel.Edit2.Color());
  panel.Edit4.SetReadOnly(false);
  panel.Label5.SetVisible(true);
  panel.SpeedButton3.SetHint("Abbrechen");
  panel.ListEditState = state;
  Button& button = state == 1 ? panel.SpeedButton2 : panel.SpeedButton4;
  (state == 1 ? panel.SpeedButton4 : panel.SpeedButton2).SetEnabled(false);
  button.SetDown(true);
  if (state == 1) {
    panel.Edit1.SetText("");
    panel.Edit4.SetText("");
    panel.Label1.SetText("Neue W.");
    panel.Label2.SetText("Neuer Kurs");
    panel.SpeedButton2.SetHint("Neuen Eintrag speichern");
    SetFocus(panel.Edit1);
  } else {
    panel.EditedIndex = std::max(panel.ComboBox1.ItemIndex(), 0);
    panel.Edit1.SetText(panel.ComboBox1.Items()[panel.EditedIndex]);
    panel.Edit4.SetText(panel.ComboBox2.Items()[panel.EditedIndex]);
    panel.Label1.SetText("W.ng bearb.");
    panel.Label2.SetText("Kurs bearb");
    panel.SpeedButton4.SetHint("Veränderungen speichern");
    SetFocus(panel.Edit4);
  }
}

// Back to the list, with the captions, hints and buttons of the normal view.
void TForm1::CloseListEdit() {
  TFrame3& panel = Frame31;
  panel.Edit1.SetText("");
  panel.Edit1.SetVisible(false);
  panel.ComboBox1.SetVisible(true);
  panel.Edit4.SetReadOnly(true);
  panel.Label1.SetText("Währung");
  panel.Label2.SetText("Kurs");
  panel.Label5.SetVisible(false);
  panel.SpeedButton2.SetHint("Neuer Eintrag");
  panel.SpeedButton4.SetHint("Eintrag bearbeiten");
  panel.SpeedButton3.SetHint("Eintrag löschen");
  for (Button* button : {&panel.SpeedButton2, &panel.SpeedButton4}) {
    button->SetEnabled(true);
    button->SetDown(false);
  }
  panel.ListEditState = 0;
  RestoreSavedInputState();
  panel.ShowSelectedEntry();
}

void TForm1::CurrencyAddClick() {
  if (Frame31.ListEditState == 0)
    OpenListEdit(1);
  else
    CurrencySaveEntry();
}

void TForm1::CurrencyEditClick() {
  if (Frame31.ListEditState == 0)
    OpenListEdit(2);
  else
    CurrencySaveEntry();
}

void TForm1::CurrencySaveEntry() {
  TFrame3& panel = Frame31;
  const std::string name = panel.Edit1.Text(), rate = panel.Edit4.Text();
  if (name.empty() || rate.empty()) {
    ports.prompts.ShowMessage("Bitte beide Felder ausfüllen!");
    SetFocus(name.empty() ? static_cast<Control&>(panel.Edit1) : panel.Edit4);
    return;
  }
  const bool adding = panel.ListEditState == 1;
  if (!Contains(name, ",")) {
    ports.prompts.ShowMessage(adding ? kMissingCodeOnAdd : kMissingCodeOnEdit);
    SetFocus(panel.Edit1);
    return;
  }
  std::vector<std::string> names = panel.ComboBox1.Items(), rates = panel.ComboBox2.Items();
  rates.resize(names.size(), "0");
  const int index = adding ? static_cast<int>(names.size()) : panel.EditedIndex;
  if (adding) {
    names.push_back(name);
    rates.push_back(rate);
  } else {
    names[index] = name;
    rates[index] = rate;
  }
  // A rate that takes the conversion beyond the range leaves the entry open for correction.
  AllOrNothing(*this, [&] {
    panel.SetList(names, rates);
    panel.SelectEntry(index);
    // The first entry is the base currency.
    if (index == 0) panel.SecondCurrency = TFrame3::CodeOf(name);
    panel.CurrencyRecompute();
  });
  CloseListEdit();
  FocusEquals();
}

void TForm1::CurrencyCancelEdit() {
  CloseListEdit();
  FocusEquals();
}

// The base currency, the first entry, stays.
void TForm1::CurrencyDeleteEntry() {
  TFrame3& panel = Frame31;
  const int index = panel.ComboBox1.ItemIndex();
  if (index <= 0 || !ports.prompts.AskYesNo("Eintrag löschen?")) return;
  std::vector<std::string> names = panel.ComboBox1.Items(), rates = panel.ComboBox2.Items();
  names.erase(names.begin() + index);
  if (index < static_cast<int>(rates.size())) rates.erase(rates.begin() + index);
  // When the entry chosen next takes the conversion beyond the range, nothing is deleted.
  AllOrNothing(*this, [&] {
    panel.SetList(names, rates);
    panel.SelectEntry(index - 1);
    panel.ShowSelectedEntry();
    panel.CurrencyRecompute();
  });
}

}  // namespace qv
