#pragma once
// The tax panel: a tax of a chosen kind added to or taken out of an amount.
#include <string>
#include <vector>

#include "platform/form.h"

namespace qv {

class TFrame6 : public Form {
 public:
  TFrame6();

  Label Label1{*this, "Label1", "Art der Steuer:"};
  ComboBox ComboBox1{*this, "ComboBox1"};  // the names of the tax kinds
  Edit Edit3{*this, "Edit3"};              // percentage of the chosen kind
  Label Label2{*this, "Label2", "%"};
  RadioButton VST{*this, "VST", "VSt"};
  RadioButton NST{*this, "NST", "NSt"};

  // One percentage text per name, as typed with a decimal comma ("19", "7,5").
  std::vector<std::string> Percentages;

  // Chooses a kind: the percentage list is padded with "0,0" up to the names.
  void ChooseKind(int index);
};

}  // namespace qv
