// The unit conversion panel in the extension area: every change of a list, the arrow and the
// change of the page convert field 1 into field 2, the unit abbreviations as the tags.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "panels/unit_tables.h"

namespace qv {

void TForm1::WireUnitPanel() {
  TFrame5& panel = Frame51;
  // A page shows its default pair, the page of the last conversion that pair.
  panel.PageControl1.OnChange = [this] {
    const int page = Frame51.Page();
    if (page == Shell.UnitTab)
      Frame51.ShowPage(page, Shell.UnitIndex1, Shell.UnitIndex2);
    else
      Frame51.ShowPage(page);
    UnitConvert();
  };
  panel.PageControl1.OnMouseDown = [this] { LeaveCurrencyFormat(); };
  const auto convert = [this] {
    AllOrNothing(*this, [this] {
      LeaveCurrencyFormat();
      UnitConvert();
    });
  };
  for (int page = 0; page < kQuantityCount; ++page) {
    panel.FromList(page).OnChange = convert;
    panel.ToList(page).OnChange = convert;
    panel.Arrow(page).OnClick = convert;
  }
}

// Shows the page of the last conversion with its pair of units; nothing is converted.
void TForm1::UnitShowRemembered() {
  const int page = Shell.UnitTab >= 0 && Shell.UnitTab < kQuantityCount ? Shell.UnitTab : 0;
  Frame51.ShowPage(page, Shell.UnitIndex1, Shell.UnitIndex2);
}

// A unit conversion is never shown in the currency format.
void TForm1::LeaveCurrencyFormat() {
  if (S.FormatMode == 2) Formatierung3Click();
}

void TForm1::UnitConvert() {
  TFrame5& panel = Frame51;
  const int page = panel.Page();
  const int from = panel.FromList(page).ItemIndex(), to = panel.ToList(page).ItemIndex();
  if (page < 0 || from < 0 || to < 0) return;
  const Extended value = ReadEntryText(S.Entry1);
  // A result beyond the range is an overflow before anything changes.
  const Extended converted = CheckedResult(ConvertUnit(page, from, to, value), value);
  Shell.UnitTab = page;
  Shell.UnitIndex1 = from;
  Shell.UnitIndex2 = to;
  SaveFieldsSnapshot();
  S.CurValue = converted;
  FormatValue();
  S.Entry2 = CanonicalText(S.CurValue);
  Label3.SetText(S.DisplayText);
  Label4.SetText(UnitTable(page)[from].abbreviation);
  Label2.SetText(UnitTable(page)[to].abbreviation);
  S.InputState = 1;
  S.ChainKind = 2;
  S.LastAction = 0;
  unitConversionLive_ = true;
}

void TForm1::UnitConversionRecompute() {
  if (unitConversionLive_) UnitConvert();
}

}  // namespace qv
