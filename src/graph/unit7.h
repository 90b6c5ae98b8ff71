#pragma once
// The function-term panel: terms in x with the constants a, b and c.
#include <string>
#include <vector>

#include "platform/form.h"

namespace qv {

class TFrame7 : public Form {
 public:
  TFrame7();

  // The term box; its items are the saved term list.
  ComboBox ComboBox1{*this, "ComboBox1"};
  Edit Edit1{*this, "Edit1"};
  Edit Edit2{*this, "Edit2"};
  Edit Edit3{*this, "Edit3"};
  Button Button2{*this, "Button2", "Graph >"};

  // The constants "a;b;c" of each saved term.
  std::vector<std::string> Constants;
};

}  // namespace qv
