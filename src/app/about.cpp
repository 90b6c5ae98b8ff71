#include "app/about.h"

namespace qv {

TAboutBox::TAboutBox() : Form("TAboutBox", "AboutBox") {
  SetCaption("Info über Quorvel");
  SetSize(300, 220);
  Place = Placement::CentredOnOwner;
  OKButton.OnClick = [this] { Hide(); };
}

}  // namespace qv
