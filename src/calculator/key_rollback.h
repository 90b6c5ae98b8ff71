#pragma once
// A key that ends in a floating-point fault changes nothing, as "=" does: what the calculator
// holds, what the window's labels, radio buttons and menu marks show and what the currency
// converter holds is put back as it was before the fault goes on to the general handler. The graph
// beside the calculator is drawn only when the key has succeeded.
#include <string>
#include <utility>
#include <vector>

#include "calculator/calc_state.h"
#include "currency/currency_panel.h"
#include "panels/trig_panel.h"
#include "platform/errors.h"

namespace qv {

class Control;
class TForm1;

class KeyRollback {
 public:
  explicit KeyRollback(TForm1& form);
  ~KeyRollback();
  KeyRollback(const KeyRollback&) = delete;
  KeyRollback& operator=(const KeyRollback&) = delete;
  void Restore();
  void Succeeded();

 private:
  TForm1& form_;
  CalcState state_;
  TrigFigure figure_;
  TFrame3::Memento currency_;
  bool released_ = false;
  std::vector<std::pair<Control*, std::string>> texts_;
  std::vector<std::pair<Control*, bool>> checks_;
};

template <typename Key>
void AllOrNothing(TForm1& form, Key&& key) {
  KeyRollback rollback(form);
  try {
    key();
  } catch (const EMathError&) {
    rollback.Restore();
    throw;
  }
  rollback.Succeeded();
}

}  // namespace qv
