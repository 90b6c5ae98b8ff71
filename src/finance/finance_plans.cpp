// The finance window's side of the payment plan: each page keeps the plan of its last successful
// computation with the inputs that name it, and tells the plan window what it computed.
#include "finance/finance_window.h"
#include "platform/dates.h"

namespace qv {

namespace {

// At most this many entries of a list name themselves in a plan's title.
constexpr size_t kNamedEntries = 10;

// The filled rows of a list grid: "15.01.2026: 10000; 15.01.2027: 5000".
std::string ListText(const Grid& grid) {
  std::string text;
  size_t count = 0;
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
    if (grid.Cell(row, 1).empty() || grid.Cell(row, 2).empty()) continue;
    if (++count <= kNamedEntries)
      text += (text.empty() ? "" : "; ") + grid.Cell(row, 1) + ": " + grid.Cell(row, 2);
  }
  if (count > kNamedEntries) text += " und " + std::to_string(count - kNamedEntries) + " weitere";
  return text;
}

void AddList(std::vector<PlanInput>& inputs, const char* label, const Grid& grid) {
  const std::string text = ListText(grid);
  if (!text.empty()) inputs.push_back({label, text});
}

std::string Term(const Edit& years, const Edit& months) {
  return years.Text() + " J " + months.Text() + " M";
}

}  // namespace

void TFinanzrechner::KeepPlan(int page, PaymentPlan plan) {
  plans_[page] = std::make_shared<const PaymentPlan>(std::move(plan));
  planCurrent_[page] = true;
  if (page == ActivePage()) PlanBtn.SetEnabled(true);
  if (PlanComputed) PlanComputed(plans_[page]);
}

void TFinanzrechner::MarkPlanOutdated(int page) {
  if (!plans_[page]) return;
  planCurrent_[page] = false;
  if (PlanFailed) PlanFailed(plans_[page]->kind);
}

void TFinanzrechner::PlanBtnClick() {
  const int page = ActivePage();
  if (plans_[page] && OpenPlan) OpenPlan(plans_[page], planCurrent_[page]);
}

// The inputs as the page shows them after the computation, the rate or loan found included.
std::vector<PlanInput> TFinanzrechner::LoanPlanInputs() const {
  std::vector<PlanInput> inputs;
  if (!NameText().empty()) inputs.push_back({"Eintrag", NameText()});
  inputs.push_back({"Darlehenssumme", Edit1.Text()});
  inputs.push_back({vproz.Checked() ? "Anfangszins" : "Zins", Edit2.Text() + " %"});
  inputs.push_back({"Monatliche Rate", Edit12.Text()});
  inputs.push_back({"Aufnahmedatum", DateToStr(Datum1.Date())});
  inputs.push_back({"Max. Laufzeit", Term(Edit13, Edit14)});
  if (BauFi.Checked()) inputs.push_back({"Förderung", Edit7.Text()});
  AddList(inputs, "Sondertilgungen", Grid2);
  if (vproz.Checked()) AddList(inputs, "Zinsänderungen", Grid3);
  return inputs;
}

std::vector<PlanInput> TFinanzrechner::SavingsPlanInputs() const {
  std::vector<PlanInput> inputs;
  if (!NameText().empty()) inputs.push_back({"Eintrag", NameText()});
  inputs.push_back({"Anfangskapital", Edit16.Text()});
  inputs.push_back({vproz2.Checked() ? "Anfangszins" : "Zins", Edit17.Text() + " %"});
  inputs.push_back({Zins2.Checked() ? "Jährl. Zahlung" : "Monatl. Zahlung", Edit18.Text()});
  inputs.push_back({"Anfangsdatum", DateToStr(Datum4.Date())});
  inputs.push_back({"Laufzeit", Term(Edit19, Edit23)});
  inputs.push_back({"Zinsberechnung", Zins2.Checked() ? "jährlich" : "monatlich"});
  AddList(inputs, "Sonderzahlungen", Grid1);
  if (vproz2.Checked()) AddList(inputs, "Zinsänderungen", Grid4);
  return inputs;
}

}  // namespace qv
