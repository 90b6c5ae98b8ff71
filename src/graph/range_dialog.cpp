#include "graph/range_dialog.h"

namespace qv {

TBereich::TBereich() : Form("TBereich", "Bereich") {
  SetCaption("SP. - Bereich");
  SetSize(180, 110);
  Place = Placement::CentredOnScreen;
  Button1.OnClick = [this] { Accept(); };
  Button2.OnClick = [this] { Hide(); };
}

void TBereich::Open(Extended start, Extended end) {
  Edit1.SetText(FormatGeneral(start));
  Edit2.SetText(FormatGeneral(end));
  Show();
}

// The boxes are read in order: a faulty end leaves the new start stored and the dialog open.
void TBereich::Accept() {
  Host.setStart(StrToFloat(Edit1.Text()));
  Host.setEnd(StrToFloat(Edit2.Text()));
  Host.accepted();
  Hide();
}

}  // namespace qv
