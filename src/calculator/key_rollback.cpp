#include "calculator/key_rollback.h"

#include "calculator/main_window.h"

namespace qv {

namespace {

// The checkable controls of the window, with a way to read and to set their mark.
bool CheckedOf(Control& c, bool& checked) {
  if (const auto* radio = dynamic_cast<const RadioButton*>(&c))
    return checked = radio->Checked(), true;
  if (const auto* item = dynamic_cast<const MenuItem*>(&c)) return checked = item->Checked(), true;
  return false;
}

void SetCheckedOf(Control& c, bool checked) {
  if (auto* radio = dynamic_cast<RadioButton*>(&c)) radio->SetChecked(checked);
  if (auto* item = dynamic_cast<MenuItem*>(&c)) item->SetChecked(checked);
}

}  // namespace

KeyRollback::KeyRollback(TForm1& form) : form_(form), state_(form.S) {
  for (Control* c : form.Controls()) {
    if (c->Kind() == ControlKind::Label) texts_.emplace_back(c, c->Text());
    bool checked = false;
    if (CheckedOf(*c, checked)) checks_.emplace_back(c, checked);
  }
}

// The marks first: checking a radio button runs its click, whose changes of the state the
// state put back last undoes.
void KeyRollback::Restore() {
  for (const auto& [control, checked] : checks_) SetCheckedOf(*control, checked);
  for (const auto& [control, text] : texts_) control->SetText(text);
  form_.S = state_;
}

}  // namespace qv
