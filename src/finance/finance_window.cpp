#include "finance/finance_window.h"

#include <string>

namespace qv {

namespace {

struct GridLayout {
  const char* headers[3];
  int widths[3];
};

constexpr GridLayout kSpecialRepaymentGrid{{"Nr.", "Datum", "Betrag"}, {20, 80, 80}};
constexpr GridLayout kInterestChangeGrid{{"Nr.", "Ab Datum:", "Zins"}, {20, 120, 40}};

void LayOut(Grid& grid, const GridLayout& layout) {
  for (int col = 0; col < grid.ColCount(); ++col) {
    grid.SetCell(0, col, layout.headers[col]);
    grid.SetColWidth(col, layout.widths[col]);
  }
  for (int row = 1; row < grid.RowCount(); ++row) grid.SetCell(row, 0, std::to_string(row));
  grid.SetEditable(true);
}

}  // namespace

TFinanzrechner::TFinanzrechner(Ports ports, FinanceValues& values)
    : Form("TFinanzrechner", "Finanzrechner"), ports_(ports), values_(values) {
  SetCaption("Finanzrechner");
  SetSize(279, 563);
  CentredOnScreen = true;

  // The record bar waits for the stored records and the report into the tape.
  SpeedButton4.SetHint("Berechnungen ins Tape schreiben");
  SpeedButton5.SetHint("Neue Berechnung");
  SpeedButton3.SetHint("Eintrag löschen");
  SpeedButton2.SetHint("Eintrag speichern");
  ComboBox1.SetHint("Gespeicherte Einträge");
  for (Control* record : std::initializer_list<Control*>{&SpeedButton4, &SpeedButton5,
                                                         &SpeedButton3, &SpeedButton2, &ComboBox1})
    record->SetEnabled(false);

  PageControl1.SetItems({"Tilgungsplan"});
  PageControl1.SetItemIndex(kLoanPage);

  OKBtn.OnClick = [this] { OKBtnClick(); };
  CancelBtn.OnClick = [this] { Hide(); };
  HelpBtn.TabStop = false;
  WireLoanPage();
  LayOutGrids();
}

void TFinanzrechner::Open() {
  if (!Visible()) FormShow();
  Show();
}

// Every time the window becomes visible the date pickers start at today and the loan field
// takes the keyboard.
void TFinanzrechner::FormShow() {
  const int today = ports_.clock.Today();
  for (DatePicker* picker : {&Datum1, &Datum2, &Datum3}) picker->SetDate(today);
  LayOutGrids();
  if (PageControl1.ItemIndex() == kLoanPage) SetFocus(Edit1);
}

void TFinanzrechner::LayOutGrids() {
  LayOut(Grid2, kSpecialRepaymentGrid);
  LayOut(Grid3, kInterestChangeGrid);
}

void TFinanzrechner::OKBtnClick() {
  if (busy_ > 0) return;
  if (PageControl1.ItemIndex() == kLoanPage) ComputeLoanPage();
}

bool TFinanzrechner::ValidateFinanceInput() {
  return ValidateLoanPage();
}

}  // namespace qv
