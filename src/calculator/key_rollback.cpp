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

// The window's own controls and those of the panels embedded in it, whose labels follow the
// fields (the function terms' values, the graph's labels).
KeyRollback::KeyRollback(TForm1& form)
    : form_(form), state_(form.S), figure_(form.Frame11.Figure), currency_(form.Frame31.Keep()) {
  const auto keep = [this](const Form& from) {
    for (Control* c : from.Controls()) {
      if (c->Kind() == ControlKind::Label) texts_.emplace_back(c, c->Text());
      bool checked = false;
      if (CheckedOf(*c, checked)) checks_.emplace_back(c, checked);
    }
  };
  keep(form);
  for (const Form* frame : form.Frames()) keep(*frame);
  ++form.GraphRedrawHeld;
}

KeyRollback::~KeyRollback() {
  if (!released_) --form_.GraphRedrawHeld;
}

// The outermost key draws the graph it held back.
void KeyRollback::Succeeded() {
  released_ = true;
  if (--form_.GraphRedrawHeld > 0 || !form_.GraphRedrawPending) return;
  form_.GraphRedrawPending = false;
  form_.RedrawGraph();
}

// The marks first: checking a radio button runs its click, whose changes of the state the
// state put back last undoes.
void KeyRollback::Restore() {
  for (const auto& [control, checked] : checks_) SetCheckedOf(*control, checked);
  for (const auto& [control, text] : texts_) control->SetText(text);
  form_.S = state_;
  form_.Frame11.Figure = figure_;
  form_.Frame31.PutBack(currency_);
  form_.GraphRedrawPending = false;
}

}  // namespace qv
