// The page "Tilgungsplan" of the finance window: its events and the computation of the loan.
#include <string>

#include "finance/finance_grids.h"
#include "finance/finance_window.h"
#include "finance/loan_computation.h"

namespace qv {

// The page's edit fields as the validation reads and fills them.
class TFinanzrechner::LoanPageFields : public FinanceInputFields {
 public:
  explicit LoanPageFields(TFinanzrechner& window) : window_(window) {}
  std::string Text(FinanceField field) const override { return Field(field).Text(); }
  void SetText(FinanceField field, const std::string& text) override { Field(field).SetText(text); }

 private:
  Control& Field(FinanceField field) const { return window_.FieldControl(field); }
  TFinanzrechner& window_;
};

void TFinanzrechner::WireLoanPage() {
  Edit1.SetHint("Die Gesamtsumme des Darlehens");
  Edit2.SetHint("Nominalzins");
  Edit13.SetHint("Maximale Laufzeit in Jahren");
  Edit14.SetHint("Maximale Laufzeit in Monaten");
  Radio1.SetHint("Rate anpassen wenn maximale Laufzeit überschritten");
  Radio2.SetHint("Darlehenssumme anpassen wenn maximale Laufzeit überschritten");
  Radio1.SetChecked(true);
  vproz.SetHint("Datum und neuen Zins eingeben");
  BauFi.SetHint("Die gesamte staatliche Förderung über eine Dauer von 8 Jahren");
  Edit7.SetHint("Klick öffnet Förederungs-Rechner");
  Edit7.SetEnabled(false);
  Edit7.SetColor(kInactiveBorderColor);
  for (Grid* grid : {&Grid2, &Grid3}) {
    grid->SetHint("Datumsformat : tt.mm.jj oder tt.mm.jjjj");
    grid->OnKeyDown = [this](Key key) {
      if (key == Key::Enter) OKBtnClick();
    };
  }
  Grid3.SetVisible(false);
  SpeedButton7.SetHint("Veränderten Zinssatz eingeben");
  SpeedButton7.GroupIndex = 1;
  SpeedButton7.AllowAllUp = true;
  SpeedButton7.SetVisible(false);
  SpeedButton1.SetHint("Neue Zeile einfügen");
  SpeedButton6.SetHint("Letzte Zeile löschen");
  // The Tab key passes over the date pickers and the outputs.
  for (Control* skipped :
       std::initializer_list<Control*>{&Datum1, &Datum2, &Datum3, &Edit7, &Edit4, &Edit5, &Edit6,
                                       &Edit9, &Edit3, &Edit8, &Edit15, &Edit10, &Edit11})
    skipped->TabStop = false;

  Edit1.OnKeyPress = CommaForPoint;
  Edit2.OnKeyPress = CommaForPoint;
  Edit2.OnChange = [this] { Edit2Change(); };
  Edit13.OnChange = [this] { Edit13Change(); };
  Edit14.OnChange = [this] { Edit14Change(); };
  Datum1.OnChange = [this] { Datum1Change(); };
  Datum3.OnChange = [this] { OKBtnClick(); };
  Grid2.OnKeyPress = PointForSeparator;
  Grid3.OnKeyPress = [this](char32_t& key) {
    if (Grid3.Col() == 2)
      CommaForPoint(key);
    else
      PointForSeparator(key);
  };
  SpeedButton7.OnClick = [this] { SpeedButton7Click(); };
  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
  vproz.OnClick = [this] { vprozClick(); };
  BauFi.OnClick = [this] { BauFiClick(); };
  Edit7.OnClick = [this] { BauFiClick(); };
}

AdjustMode TFinanzrechner::LoanAdjustMode() const {
  if (Radio1.Checked()) return AdjustMode::Rate;
  if (Radio2.Checked()) return AdjustMode::Loan;
  return AdjustMode::None;
}

Control& TFinanzrechner::FieldControl(FinanceField field) {
  switch (field) {
    case FinanceField::Loan:
      return Edit1;
    case FinanceField::Interest:
      return Edit2;
    case FinanceField::Rate:
      return Edit12;
    case FinanceField::Years:
      return Edit13;
    case FinanceField::Months:
      return Edit14;
    case FinanceField::SpecialRepayments:
      return Grid2;
    case FinanceField::InterestChanges:
      return Grid3;
    case FinanceField::Capital:
      return Edit16;
    case FinanceField::SavingsInterest:
      return Edit17;
    case FinanceField::Payment:
      return Edit18;
    case FinanceField::SavingsYears:
      return Edit19;
    case FinanceField::SavingsMonths:
      return Edit23;
    case FinanceField::SpecialPayments:
      return Grid1;
    case FinanceField::SavingsInterestChanges:
      break;
  }
  return Grid4;
}

void TFinanzrechner::FocusInputError(const FinanceInputError& error) {
  Control& control = FieldControl(error.field);
  if (auto* grid = dynamic_cast<Grid*>(&control))
    grid->SetCurrentCell(error.row + grid->FixedRows() - 1, error.col);
  SetFocus(control);
}

bool TFinanzrechner::ValidateLoanPage() {
  LoanPageFields fields(*this);
  return ValidatePage([&] { return ValidateLoanInput(fields, LoanAdjustMode()); });
}

LoanCase TFinanzrechner::ReadLoanCase() const {
  LoanCase loanCase;
  loanCase.loanText = Edit1.Text();
  loanCase.interestText = Edit2.Text();
  loanCase.rateText = Edit12.Text();
  loanCase.yearsText = Edit13.Text();
  loanCase.monthsText = Edit14.Text();
  loanCase.startDate = Datum1.Date();
  loanCase.statusDate = Datum3.Date();
  loanCase.mode = LoanAdjustMode();
  loanCase.subsidyOn = BauFi.Checked();
  loanCase.variableInterest = vproz.Checked();
  loanCase.specialRepayments = DataRows(Grid2);
  loanCase.interestChanges = DataRows(Grid3);
  loanCase.subsidyPerYear = values_.SubsidyPerYear;
  // A subsidy not paid does not widen the search's bounds either.
  loanCase.subsidyTotal = loanCase.subsidyOn ? values_.SubsidyTotal : 0;
  return loanCase;
}

// The schedule shown is the one the plan recorded.
bool TFinanzrechner::ComputeLoanPage() {
  const Scope busy(busy_);
  if (!ValidateFinanceInput()) return false;
  LoanResult result;
  PaymentPlan plan{PlanKind::Loan, Datum1.Date(), {}, {}};
  try {
    result =
        ComputeLoanSchedule(ReadLoanCase(), values_.LoanAmount, SearchMethod::Fast, &plan.record);
  } catch (const FinanceInputError& error) {
    FocusInputError(error);
    throw;
  }
  ShowLoanResult(result);
  if (result.outcome != LoanResult::Outcome::Repaid) return false;
  plan.inputs = LoanPlanInputs();
  KeepPlan(kLoanPage, std::move(plan));
  return true;
}

void TFinanzrechner::ShowLoanResult(const LoanResult& result) {
  if (result.outcome != LoanResult::Outcome::Repaid) {
    Edit12.SetText(result.rateText);
    if (result.outcome == LoanResult::Outcome::Fault) throw EOverflow();
    ports_.prompts.ShowMessage(result.message);
    return;
  }
  const LoanOutputs& out = result.outputs;
  Edit12.SetText(out.rate);
  Edit1.SetText(out.loan);
  Edit3.SetText(out.termYears);
  Edit8.SetText(out.termMonths);
  Edit15.SetText(out.lastRate);
  Datum2.SetDate(out.lastRateDate);
  Edit10.SetText(out.totalPaid);
  Edit11.SetText(out.interestPaid);
  Edit4.SetText(out.statusPrincipal);
  Edit5.SetText(out.statusInterestPart);
  Edit6.SetText(out.statusRepaid);
  Edit9.SetText(out.statusInterestTotal);
  GroupBox1.SetText(out.statusCaption);
}

// A text the change events convert that is no number shows the conversion error with the
// keyboard in its field.
template <class Convert>
auto Converted(TFinanzrechner& window, Control& field, const Convert& convert) {
  try {
    return convert();
  } catch (const EConvertError&) {
    window.SetFocus(field);
    throw;
  }
}

// While a stored case is shown its texts change one by one; the computation at the end
// follows them all.
void TFinanzrechner::Edit2Change() {
  if (loading_ > 0 || Edit1.Text().empty() || Edit2.Text().empty()) return;
  if (Converted(*this, Edit2, [this] { return StrToFloat(Edit2.Text()); }) <= 0) return;
  if (LoanAdjustMode() != AdjustMode::Rate) return;
  Edit12.SetText("");
  OKBtnClick();
}

// A term written while a computation or a validation runs is a default ("0" into an empty
// field), not the user changing the term: the rate typed stays the first one tried.
void TFinanzrechner::Edit13Change() {
  if (busy_ > 0 || loading_ > 0 || Edit1.Text().empty() || Edit2.Text().empty() ||
      Edit13.Text().empty())
    return;
  if (Converted(*this, Edit13, [this] { return StrToInt(Edit13.Text()); }) <= 0) return;
  if (LoanAdjustMode() == AdjustMode::Rate) Edit12.SetText("");
  OKBtnClick();
}

void TFinanzrechner::Edit14Change() {
  if (busy_ > 0 || loading_ > 0 || Edit1.Text().empty() || Edit2.Text().empty() ||
      Edit14.Text().empty())
    return;
  if (LoanAdjustMode() == AdjustMode::Rate) Edit12.SetText("");
  OKBtnClick();
}

void TFinanzrechner::Datum1Change() {
  if (!Edit1.Text().empty() && !Edit2.Text().empty()) OKBtnClick();
}

void TFinanzrechner::SpeedButton7Click() {
  const bool changes = SpeedButton7.Down();
  Grid2.SetVisible(!changes);
  Grid3.SetVisible(changes);
  GroupBox6.SetText(changes ? " Neuer Zins gültig ab Datum: " : " Sondertilgungen ");
  SpeedButton7.SetHint(changes ? "Sondertilgungen eingeben" : "Veränderten Zinssatz eingeben");
}

void TFinanzrechner::SpeedButton1Click() {
  for (Grid* grid : {&Grid2, &Grid3})
    if (grid->Visible()) AddListRow(*grid);
}

void TFinanzrechner::SpeedButton6Click() {
  for (Grid* grid : {&Grid2, &Grid3})
    if (grid->Visible() && !RemoveLastRow(*grid)) return;
}

void TFinanzrechner::ResetSearchedField() {
  if (Radio1.Checked())
    Edit12.SetText("0");
  else if (Radio2.Checked())
    Edit1.SetText("0");
}

void TFinanzrechner::vprozClick() {
  if (vproz.Checked()) {
    SpeedButton7.SetVisible(true);
    Edit2.SetHint("Anfänglicher Nominalzins");
    vproz.SetHint("Klicken Sie auf die %Taste um neuen Zins einzugeben");
    if (!Edit10.Text().empty()) {
      ResetSearchedField();
      OKBtnClick();
    }
    return;
  }
  SpeedButton7.SetVisible(false);
  SpeedButton7.SetDown(false);
  Grid2.SetVisible(true);
  Grid3.SetVisible(false);
  GroupBox6.SetText("Sondertilgungen");
  if (!Edit10.Text().empty()) {
    ResetSearchedField();
    OKBtnClick();
  }
  Edit2.SetHint("Nominalzins");
  vproz.SetHint("Datum und neuen Zins eingeben");
}

// Ticking validates first; a failed validation unticks the box again, whose own validation
// shows the message a second time. The computation follows when the subsidy dialog is
// confirmed. A stored case being shown is validated once, by its computation at the end.
void TFinanzrechner::BauFiClick() {
  if (BauFi.Checked()) {
    if (loading_ == 0 && !ValidateFinanceInput()) {
      BauFi.SetChecked(false);
      return;
    }
    if (OpenSubsidyDialog) OpenSubsidyDialog();
    // The dialog switched the subsidy off again (an income above the limit).
    if (!BauFi.Checked()) return;
    ResetSearchedField();
    Edit7.SetEnabled(true);
    Edit7.SetColor(kWindowColor);
    return;
  }
  const bool valid = loading_ > 0 || ValidateFinanceInput();
  Edit7.SetEnabled(false);
  Edit7.SetColor(kInactiveBorderColor);
  Edit7.SetText("");
  values_.SubsidyPerYear = 0;
  values_.SubsidyTotal = 0;
  ResetSearchedField();
  if (valid) OKBtnClick();
}

void TFinanzrechner::AcceptSubsidy(const std::string& totalText) {
  ResetSearchedField();
  Edit7.SetText(totalText);
  if (values_.SubsidyTotal == 0) {
    // The rate or loan field was reset above: a box unticked already computes here.
    const bool wasOn = BauFi.Checked();
    DropSubsidy();
    if (!wasOn) OKBtnClick();
    return;
  }
  if (!BauFi.Checked()) {
    // Switched off meanwhile by an income above the limit: on again, without a second dialog
    // and with the one computation below.
    const Scope loading(loading_);
    BauFi.SetChecked(true);
  }
  OKBtnClick();
}

void TFinanzrechner::DropSubsidy() {
  BauFi.SetChecked(false);
  Edit7.SetText("");
}

}  // namespace qv
