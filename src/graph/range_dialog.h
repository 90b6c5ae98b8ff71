#pragma once
// The range dialog of the intersection search.
#include "platform/form.h"

namespace qv {

class TBereich : public Form {
 public:
  TBereich() : Form("TBereich", "Bereich") { SetCaption("SP. - Bereich"); }
  Label Label1{*this, "Label1", "Anfang"};
  Label Label2{*this, "Label2", "Ende"};
  Edit Edit1{*this, "Edit1"};
  Edit Edit2{*this, "Edit2"};
  Button Button1{*this, "Button1", "OK"};
  Button Button2{*this, "Button2", "Abbrechen"};
};

}  // namespace qv
