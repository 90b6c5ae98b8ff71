#pragma once
// The tape panel beside the calculator: it owns the tape the calculator and the panels write to.
#include "platform/form.h"
#include "tape/tape_model.h"

namespace qv {

class TFrame4 : public Form {
 public:
  TFrame4() : Form("TFrame4", "Frame41") {}

  TapeModel Tape;
};

}  // namespace qv
