#pragma once
// The about box: product name, version and date; "OK" closes it.
#include "app/version.h"
#include "platform/form.h"

namespace qv {

class TAboutBox : public Form {
 public:
  TAboutBox();
  Label ProductName{*this, "ProductName", "Quorvel"};
  Label Comments{*this, "Comments", "Rechner mit Tape, Währungs- und Finanzrechner"};
  Label Version{*this, "Version", std::string("Version ") + kVersion};
  Label Copyright{*this, "Copyright", kReleaseMonth};
  Label Licence{*this, "Licence", "Lizenz: GNU GPL, Version 3 oder später"};
  Button OKButton{*this, "OKButton", "OK"};
};

}  // namespace qv
