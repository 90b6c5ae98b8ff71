#pragma once
// The about box: product name, version and date; "OK" closes it.
#include "platform/form.h"

namespace qv {

class TAboutBox : public Form {
 public:
  TAboutBox();
  Label ProductName{*this, "ProductName", "Quorvel"};
  Label Comments{*this, "Comments", "Rechner mit Tape, Währungs- und Finanzrechner"};
  Label Version{*this, "Version", "Version 2.1"};
  Label Copyright{*this, "Copyright", "April 2024"};
  Button OKButton{*this, "OKButton", "OK"};
};

}  // namespace qv
