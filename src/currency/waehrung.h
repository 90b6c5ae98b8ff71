#pragma once
// The currency converter panel: a base currency and one chosen currency of an editable list
// of names and exchange rates.
#include <string>
#include <vector>

#include "platform/form.h"

namespace qv {

class TFrame3 : public Form {
 public:
  TFrame3();

  // Names ("EUR,Euro") are the items of ComboBox1; the rates the items of the hidden ComboBox2.
  ComboBox ComboBox1{*this, "ComboBox1"};
  ComboBox ComboBox2{*this, "ComboBox2"};
  Label Label6{*this, "Label6"};
  Edit Edit4{*this, "Edit4"};

  // 2: the base field is the input; 1: the foreign field is the input (3 and 4 as those).
  int CurrencyDirection = 2;
  std::string SecondCurrency = "€";

  // The default list, used when the settings file has none.
  static const std::vector<std::pair<std::string, std::string>>& DefaultList();
  // Replaces the names and the rates.
  void SetList(const std::vector<std::string>& names, const std::vector<std::string>& rates);
  // The code of an entry: the text before its first ",".
  static std::string CodeOf(const std::string& name);
};

}  // namespace qv
