#include "graph/range_dialog.h"

#include "graph/curve_points.h"

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
// A range the search could not scan in time is refused before anything is stored or drawn,
// and the dialog stays open for a narrower one.
void TBereich::Accept() {
  const Extended start = StrToFloat(Edit1.Text());
  Extended end;
  try {
    end = StrToFloat(Edit2.Text());
  } catch (...) {
    Host.setStart(start);
    throw;
  }
  if (SearchRangeTooWide(start, end)) {
    if (Host.refuse) Host.refuse(kRangeTooWide);
    return;
  }
  Host.setStart(start);
  Host.setEnd(end);
  Host.accepted();
  Hide();
}

}  // namespace qv
