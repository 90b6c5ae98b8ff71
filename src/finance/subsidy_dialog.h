#pragma once
// The subsidy dialog: the yearly home-ownership subsidy from editable rule sets.
#include "platform/form.h"

namespace qv {

class TFoerder : public Form {
 public:
  TFoerder() : Form("TFoerder", "Foerder") { SetCaption("Staatliche Förderung"); }
};

}  // namespace qv
