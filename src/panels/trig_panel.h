#pragma once
// The trigonometry panel below the calculator: the six circular functions, their inverses and
// the hyperbolic functions applied to field 1. Its height is the height of the extension area.
#include "panels/trig_functions.h"
#include "platform/form.h"

namespace qv {

class TFrame1 : public Form {
 public:
  TFrame1();

  Button Button1{*this, "Button1", "Sin"};
  Button Button2{*this, "Button2", "Cos"};
  Button Button3{*this, "Button3", "Tan"};
  Button Button4{*this, "Button4", "Cot"};
  Button Button5{*this, "Button5", "Sec"};
  Button Button6{*this, "Button6", "Csc"};
  RadioButton RadioButton1{*this, "RadioButton1", "Grad", 1};
  RadioButton RadioButton2{*this, "RadioButton2", "Rad", 1};
  CheckBox Arc{*this, "Arc", "Arc"};
  CheckBox hyp{*this, "hyp", "Hyp"};
  Button Button7{*this, "Button7", "Graph >"};

  // What the graph draws of the last function applied.
  TrigFigure Figure;
};

}  // namespace qv
