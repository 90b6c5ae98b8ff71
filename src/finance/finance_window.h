#pragma once
// The finance window: loan and savings schedules and stored cases.
#include "platform/form.h"

namespace qv {

class TFinanzrechner : public Form {
 public:
  TFinanzrechner() : Form("TFinanzrechner", "Finanzrechner") {
    SetCaption("Finanzrechner");
    SetSize(279, 563);
  }
};

}  // namespace qv
