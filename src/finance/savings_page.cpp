// The page "Anlage" of the finance window: its events and the computation of the savings plan.
#include "finance/finance_dates.h"
#include "finance/finance_grids.h"
#include "finance/finance_window.h"

namespace qv {

// The page's edit fields as the validation reads and fills them.
class TFinanzrechner::SavingsPageFields : public FinanceInputFields {
 public:
  explicit SavingsPageFields(TFinanzrechner& window) : window_(window) {}
  std::string Text(FinanceField field) const override { return Field(field).Text(); }
  void SetText(FinanceField field, const std::string& text) override { Field(field).SetText(text); }

 private:
  Control& Field(FinanceField field) const { return window_.FieldControl(field); }
  TFinanzrechner& window_;
};

void TFinanzrechner::WireSavingsPage() {
  Zins1.SetChecked(true);
  Edit17.SetHint("Nominalzins");
  Edit18.SetHint("Monatliche Zahlung");
  vproz2.SetHint("Einen veränderlichen Zinssatz eingeben");
  SpeedButton8.SetHint("Veränderten Zinssatz eingeben");
  SpeedButton8.GroupIndex = 2;
  SpeedButton8.AllowAllUp = true;
  SpeedButton8.SetVisible(false);
  for (Grid* grid : {&Grid1, &Grid4}) {
    grid->SetHint("Datumsformat : tt.mm.jj oder tt.mm.jjjj");
    grid->OnKeyDown = [this](Key key) {
      if (key == Key::Enter) OKBtnClick();
    };
  }
  Grid4.SetVisible(false);
  // The Tab key passes over the outputs.
  for (Control* output : std::initializer_list<Control*>{&Edit20, &Edit21, &Edit22, &Edit24})
    output->TabStop = false;

  Datum4.OnChange = [this] { OKBtnClick(); };
  Datum6.OnChange = [this] { OKBtnClick(); };
  Datum5.OnChange = [this] { Datum5Change(); };
  Zins1.OnClick = [this] { Zins1Click(); };
  Zins2.OnClick = [this] { Zins2Click(); };
  vproz2.OnClick = [this] { vproz2Click(); };
  SpeedButton8.OnClick = [this] { SpeedButton8Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Grid1.OnKeyPress = PointForSeparator;
  Grid4.OnKeyPress = [this](char32_t& key) {
    if (Grid4.Col() == 2)
      CommaForPoint(key);
    else
      PointForSeparator(key);
  };
}

bool TFinanzrechner::ValidateSavingsPage() {
  SavingsPageFields fields(*this);
  return ValidatePage([&] { return ValidateSavingsInput(fields); });
}

SavingsCase TFinanzrechner::ReadSavingsCase() const {
  SavingsCase savingsCase;
  savingsCase.capitalText = Edit16.Text();
  savingsCase.interestText = Edit17.Text();
  savingsCase.paymentText = Edit18.Text();
  savingsCase.yearsText = Edit19.Text();
  savingsCase.monthsText = Edit23.Text();
  savingsCase.startDate = Datum4.Date();
  savingsCase.statusDate = Datum6.Date();
  savingsCase.yearly = Zins2.Checked();
  savingsCase.variableInterest = vproz2.Checked();
  savingsCase.specialPayments = DataRows(Grid1);
  savingsCase.interestChanges = DataRows(Grid4);
  return savingsCase;
}

bool TFinanzrechner::ComputeSavingsPage() {
  const Scope busy(busy_);
  if (!ValidateFinanceInput()) return false;
  SavingsResult result;
  PaymentPlan plan{PlanKind::Savings, Datum4.Date(), {}, {}};
  try {
    result = ComputeSavingsPlan(ReadSavingsCase(), values_.LoanAmount, &plan.record);
  } catch (const FinanceInputError& error) {
    FocusInputError(error);
    throw;
  }
  ShowSavingsResult(result);
  plan.inputs = SavingsPlanInputs();
  KeepPlan(kSavingsPage, std::move(plan));
  return true;
}

// A status date outside the term shows zero, as on the loan page, never an earlier plan's value.
void TFinanzrechner::ShowSavingsResult(const SavingsResult& result) {
  Datum5.SetDate(result.endDate);
  Edit21.SetText(result.endAmount);
  Edit20.SetText(result.payments);
  Edit22.SetText(result.interest);
  Edit24.SetText(result.status);
}

// The end date sets the term from the start date.
void TFinanzrechner::Datum5Change() {
  const int months = MonthIndex(Datum5.Date(), Datum4.Date());
  Edit19.SetText(std::to_string(months / 12));
  Edit23.SetText(std::to_string(months % 12));
  OKBtnClick();
}

void TFinanzrechner::ValidateAndCompute() {
  if (loading_ > 0) return;
  if (ValidateFinanceInput()) OKBtnClick();
}

void TFinanzrechner::Zins1Click() {
  Edit23.SetEnabled(true);
  Label24.SetText("Monatl. Zahlung");
  ValidateAndCompute();
}

// Yearly crediting counts whole years: the months field is 0 and closed.
void TFinanzrechner::Zins2Click() {
  Edit23.SetText("0");
  Edit23.SetEnabled(false);
  Label24.SetText("Jährl. Zahlung");
  ValidateAndCompute();
}

void TFinanzrechner::vproz2Click() {
  if (vproz2.Checked()) {
    SpeedButton8.SetVisible(true);
    vproz2.SetHint("Klicken Sie auf die %Taste um neuen Zins einzugeben");
    OKBtnClick();
    return;
  }
  // Released, the switch shows the special payments again, with their caption.
  SpeedButton8.SetVisible(false);
  SpeedButton8.SetDown(false);
  SpeedButton8Click();
  vproz2.SetHint("Einen veränderlichen Zinssatz eingeben ");
  OKBtnClick();
}

void TFinanzrechner::SpeedButton8Click() {
  const bool changes = SpeedButton8.Down();
  Grid1.SetVisible(!changes);
  Grid4.SetVisible(changes);
  GroupBox2.SetText(changes ? " Neuer Zins gültig ab Datum: " : " Sonderzahlungen ");
  SpeedButton8.SetHint(changes ? " Sonderzahlungen eingeben " : " Veränderten Zinssatz eingeben ");
}

void TFinanzrechner::Button1Click() {
  AddListRow(SpeedButton8.Down() ? Grid4 : Grid1);
}

void TFinanzrechner::Button2Click() {
  RemoveLastRow(SpeedButton8.Down() ? Grid4 : Grid1);
}

}  // namespace qv
