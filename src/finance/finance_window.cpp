#include "finance/finance_window.h"

#include "finance/finance_grids.h"
#include "finance/finance_report.h"
#include "platform/dates.h"

namespace qv {

namespace {

constexpr GridLayout kSpecialRepaymentGrid{{"Nr.", "Datum", "Betrag"}, {20, 80, 80}};
constexpr GridLayout kInterestChangeGrid{{"Nr.", "Ab Datum:", "Zins"}, {20, 120, 40}};
constexpr GridLayout kSpecialPaymentGrid{{"Nr.", "Datum", "Zahlung"}, {20, 94, 94}};
constexpr GridLayout kSavingsInterestGrid{{"Nr.", "Ab Datum", "Zins"}, {20, 100, 40}};

}  // namespace

TFinanzrechner::TFinanzrechner(Ports ports, FinanceValues& values)
    : Form("TFinanzrechner", "Finanzrechner"), ports_(ports), values_(values) {
  SetCaption("Finanzrechner");
  SetSize(279, 563);
  Place = Placement::CentredOnScreen;

  PageControl1.SetItems({"Tilgungsplan", "Anlage"});
  PageControl1.SetItemIndex(kLoanPage);
  PageControl1.OnChange = [this] { PageControl1Change(); };

  OKBtn.OnClick = [this] { OKBtnClick(); };
  PlanBtn.SetHint("Zahlungsplan Monat für Monat anzeigen");
  PlanBtn.SetEnabled(false);
  PlanBtn.OnClick = [this] { PlanBtnClick(); };
  CancelBtn.OnClick = [this] { Hide(); };
  OnHide = [this] { FormClose(); };
  HelpBtn.TabStop = false;
  WireRecordBar();
  WireLoanPage();
  WireSavingsPage();
  LayOutGrids();
}

void TFinanzrechner::WireRecordBar() {
  SpeedButton4.SetHint("Berechnungen ins Tape schreiben");
  SpeedButton5.SetHint("Neue Berechnung");
  SpeedButton3.SetHint("Eintrag löschen");
  SpeedButton2.SetHint("Eintrag speichern");
  ComboBox1.SetHint("Gespeicherte Einträge");
  SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
  SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
  SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
  // A name picked from the list loads its case; a name typed into the box loads nothing.
  ComboBox1.OnClick = [this] { ComboBox1Change(); };
}

void TFinanzrechner::Open() {
  if (!Visible()) FormShow();
  Show();
}

// Every time the window becomes visible the names list takes the names stored meanwhile, the
// date pickers start at today and the active page's first field takes the keyboard.
void TFinanzrechner::FormShow() {
  const IniFile ini(SettingsPath);
  std::vector<std::string> names = ComboBox1.Items();
  for (const std::string& name : ReadRecordNames(ini))
    if (FindRecordName(names, name) < 0) names.push_back(name);
  // Names are only appended, so the position and the text shown stay as they are.
  if (names != ComboBox1.Items()) ComboBox1.SetItems(std::move(names));
  const int today = ports_.clock.Today();
  for (DatePicker* picker : {&Datum1, &Datum2, &Datum3, &Datum4, &Datum5, &Datum6})
    picker->SetDate(today);
  LayOutGrids();
  SetFocus(FirstField());
}

Control& TFinanzrechner::FirstField() {
  return ActivePage() == kSavingsPage ? static_cast<Control&>(Edit16) : Edit1;
}

void TFinanzrechner::LayOutGrids() {
  LayOutGrid(Grid2, kSpecialRepaymentGrid);
  LayOutGrid(Grid3, kInterestChangeGrid);
  LayOutGrid(Grid1, kSpecialPaymentGrid);
  LayOutGrid(Grid4, kSavingsInterestGrid);
}

// A list holds no more rows than a stored case keeps.
void TFinanzrechner::AddListRow(Grid& grid) {
  if (!AddNumberedRow(grid))
    ports_.prompts.ShowMessage("Eine Liste hat höchstens " + FormatFixed(kMaxListRows, 0, 0) +
                               " Zeilen");
}

// Each page keeps the list position it showed; the position set by program loads nothing.
void TFinanzrechner::PageControl1Change() {
  EntryIndex(shownPage_) = ComboBox1.ItemIndex();
  shownPage_ = ActivePage();
  ComboBox1.SetItemIndex(EntryIndex(shownPage_));
  PlanBtn.SetEnabled(plans_[shownPage_] != nullptr);
}

// A computation that does not end with new results leaves the page's plan, outdated.
void TFinanzrechner::OKBtnClick() {
  if (busy_ > 0 || loading_ > 0) return;
  const int page = ActivePage();
  try {
    if (!(page == kSavingsPage ? ComputeSavingsPage() : ComputeLoanPage())) MarkPlanOutdated(page);
  } catch (...) {
    MarkPlanOutdated(page);
    throw;
  }
}

bool TFinanzrechner::ValidateFinanceInput() {
  return ActivePage() == kSavingsPage ? ValidateSavingsPage() : ValidateLoanPage();
}

// "Tape": the active page's case computed and written into the tape, shown or not. An error
// raised by the computation ends the report before its first line.
bool TFinanzrechner::ValidatePage(const std::function<ValidationOutcome()>& validate) {
  const Scope busy(busy_);
  values_.InputValid = true;
  ValidationOutcome outcome;
  try {
    outcome = validate();
  } catch (const FinanceInputError& error) {
    values_.InputValid = false;
    FocusInputError(error);
    throw;
  }
  if (!outcome.valid) {
    values_.InputValid = false;
    ports_.prompts.ShowMessage(outcome.message);
    SetFocus(FieldControl(outcome.focus));
  }
  return values_.InputValid;
}

void TFinanzrechner::SpeedButton4Click() {
  if (!ValidateFinanceInput()) return;
  OKBtnClick();
  if (!Tape) return;
  if (ActivePage() == kSavingsPage) {
    SavingsReport report;
    report.name = NameText();
    report.startDate = DateToStr(Datum4.Date());
    report.capital = Edit16.Text();
    report.interest = Edit17.Text();
    report.variableInterest = vproz2.Checked();
    report.payment = Edit18.Text();
    report.interestChanges = DataRows(Grid4);
    report.specialPayments = DataRows(Grid1);
    report.statusDate = DateToStr(Datum6.Date());
    report.status = Edit24.Text();
    report.years = Edit19.Text();
    report.endDate = DateToStr(Datum5.Date());
    report.endAmount = Edit21.Text();
    WriteSavingsReport(*Tape, report);
    return;
  }
  LoanReport report;
  report.name = NameText();
  report.startDate = DateToStr(Datum1.Date());
  report.loan = Edit1.Text();
  report.interest = Edit2.Text();
  report.variableInterest = vproz.Checked();
  report.rate = Edit12.Text();
  report.interestChanges = DataRows(Grid3);
  report.specialRepayments = DataRows(Grid2);
  report.statusDate = DateToStr(Datum3.Date());
  report.statusRepaid = Edit6.Text();
  report.statusInterest = Edit9.Text();
  report.termYears = Edit3.Text();
  report.termMonths = Edit8.Text();
  report.lastRate = Edit15.Text();
  report.lastRateDate = DateToStr(Datum2.Date());
  report.totalPaid = Edit10.Text();
  report.interestPaid = Edit11.Text();
  WriteLoanReport(*Tape, report);
}

}  // namespace qv
