#pragma once
// The unit conversion panel below the calculator: values of field 1 converted between the
// units of eight quantities, one page each with a from-list, a to-list and an arrow button.
#include <array>

#include "platform/form.h"

namespace qv {

class TFrame5 : public Form {
 public:
  TFrame5();

  PageControl PageControl1{*this, "PageControl1"};
  // Combo1 (from) and Combo2 (to) on page 1 "Länge" ... Combo15 and Combo16 on page 8.
  ComboBox Combo1{*this, "Combo1"};
  ComboBox Combo2{*this, "Combo2"};
  ComboBox Combo3{*this, "Combo3"};
  ComboBox Combo4{*this, "Combo4"};
  ComboBox Combo5{*this, "Combo5"};
  ComboBox Combo6{*this, "Combo6"};
  ComboBox Combo7{*this, "Combo7"};
  ComboBox Combo8{*this, "Combo8"};
  ComboBox Combo9{*this, "Combo9"};
  ComboBox Combo10{*this, "Combo10"};
  ComboBox Combo11{*this, "Combo11"};
  ComboBox Combo12{*this, "Combo12"};
  ComboBox Combo13{*this, "Combo13"};
  ComboBox Combo14{*this, "Combo14"};
  ComboBox Combo15{*this, "Combo15"};
  ComboBox Combo16{*this, "Combo16"};
  Button Speed1{*this, "Speed1", "->"};
  Button Speed2{*this, "Speed2", "->"};
  Button Speed3{*this, "Speed3", "->"};
  Button Speed4{*this, "Speed4", "->"};
  Button Speed5{*this, "Speed5", "->"};
  Button Speed6{*this, "Speed6", "->"};
  Button Speed7{*this, "Speed7", "->"};
  Button Speed8{*this, "Speed8", "->"};

  int Page() const { return PageControl1.ItemIndex(); }
  ComboBox& FromList(int page) { return *combos_[2 * page]; }
  ComboBox& ToList(int page) { return *combos_[2 * page + 1]; }
  Button& Arrow(int page) { return *speeds_[page]; }
  // Shows a page with its default pair of units, or with the given pair when it is valid.
  void ShowPage(int page, int from = -1, int to = -1);

 private:
  std::array<ComboBox*, 16> combos_{&Combo1,  &Combo2,  &Combo3,  &Combo4,  &Combo5,  &Combo6,
                                    &Combo7,  &Combo8,  &Combo9,  &Combo10, &Combo11, &Combo12,
                                    &Combo13, &Combo14, &Combo15, &Combo16};
  std::array<Button*, 8> speeds_{&Speed1, &Speed2, &Speed3, &Speed4,
                                 &Speed5, &Speed6, &Speed7, &Speed8};
};

}  // namespace qv
