#pragma once
// The unit conversion panel below the calculator: values of field 1 converted between the
// units of eight quantities.
#include "platform/form.h"

namespace qv {

class TFrame5 : public Form {
 public:
  TFrame5() : Form("TFrame5", "Frame51") {}
};

}  // namespace qv
