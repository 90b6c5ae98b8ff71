#include "app/about.h"

namespace qv {

TAboutBox::TAboutBox() : Form("TAboutBox", "AboutBox") {
  SetCaption("Info über Quorvel");
  SetSize(300, 220);
  OKButton.OnClick = [this] { Hide(); };
}

}  // namespace qv
