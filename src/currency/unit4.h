#pragma once
// The rate-update dialog: opens the online converter page and takes a rate into the list.
#include "platform/form.h"

namespace qv {

class TForm4 : public Form {
 public:
  TForm4() : Form("TForm4", "Form4") { SetCaption("Umrechnungskurse aktualisieren"); }
};

}  // namespace qv
