// The loan and the savings computation on arbitrary texts in every field and grid cell of their
// page, as the page runs it: the validation with its default texts, then the computation. It
// must not crash, must end within a second of processor time, and every text it writes back
// must be a number, never "INF" or "NAN". The payment plan recorded from the accepted pass must
// agree with the page to the cent, and its table, file text and chart must show it without a
// text that is no number. The first six bytes choose the page, the adjust mode, the
// switches and the dates; the rest, split at line ends, fills the loan (capital), interest, rate
// (payment), years, months, the subsidy per year and in all, then the cells of three rows of
// special repayments (payments) and three of interest changes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finance/loan_computation.h"
#include "finance/plan_chart.h"
#include "finance/savings_plan.h"
#include "plan_agreement.h"

namespace {

class Fields : public qv::FinanceInputFields {
 public:
  std::map<qv::FinanceField, std::string> texts;
  std::string Text(qv::FinanceField field) const override { return texts.at(field); }
  void SetText(qv::FinanceField field, const std::string& text) override { texts[field] = text; }
};

void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
  std::abort();
}

void CheckNumber(const std::string& text) {
  if (text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos)
    Fail("no number written back", text);
}

// Both views of the plan in the window's and the file's texts, and its chart.
void ShowPlan(const qv::PaymentPlan& plan) {
  for (const qv::PlanView view : {qv::PlanView::Months, qv::PlanView::Years}) {
    const qv::PlanTable table = qv::MakePlanTable(plan, view);
    for (const qv::PlanLine& line : table.lines)
      for (const std::string& cell : qv::ShownCells(line)) CheckNumber(cell);
    CheckNumber(qv::PlanCsv(table));
  }
  qv::Canvas chart(160, 60);
  qv::DrawPlanChart(chart, plan, 1);
}

void CheckPlan(const std::optional<std::string>& disagreement, const qv::PaymentPlan& plan) {
  if (disagreement) Fail("the plan disagrees with the page", *disagreement);
  ShowPlan(plan);
}

qv::Extended Amount(const std::string& text) {
  qv::Extended value = 0;
  return qv::TryTextToFloat(text, value) ? value : 0;
}

// The loan page: loan, interest, rate, years and months, the subsidy per year and in all.
void ComputeLoan(const uint8_t* data, const std::vector<std::string>& texts) {
  Fields fields;
  using enum qv::FinanceField;
  fields.texts = {{Loan, texts[0]},
                  {Interest, texts[1]},
                  {Rate, texts[2]},
                  {Years, texts[3]},
                  {Months, texts[4]}};
  const auto mode = static_cast<qv::AdjustMode>(data[0] % 3);
  if (!qv::ValidateLoanInput(fields, mode).valid) return;
  qv::LoanCase loanCase;
  loanCase.loanText = fields.texts[Loan];
  loanCase.interestText = fields.texts[Interest];
  loanCase.rateText = fields.texts[Rate];
  loanCase.yearsText = fields.texts[Years];
  loanCase.monthsText = fields.texts[Months];
  loanCase.mode = mode;
  loanCase.subsidyOn = data[1] & 1;
  loanCase.variableInterest = data[1] & 2;
  // From 1.1.1900 on; the status date up to 90 years before or after the start.
  loanCase.startDate = 2 + (data[2] | data[3] << 8) % 36500;
  loanCase.statusDate = loanCase.startDate + static_cast<int16_t>(data[4] | data[5] << 8);
  loanCase.subsidyPerYear = Amount(texts[5]);
  loanCase.subsidyTotal = Amount(texts[6]);
  for (size_t row = 0; row < 3; ++row) {
    loanCase.specialRepayments.push_back({texts[7 + 2 * row], texts[8 + 2 * row]});
    loanCase.interestChanges.push_back({texts[13 + 2 * row], texts[14 + 2 * row]});
  }
  qv::Extended loanAmount = 0;
  qv::PaymentPlan plan{qv::PlanKind::Loan, loanCase.startDate, {}, {}};
  const qv::LoanResult result =
      qv::ComputeLoanSchedule(loanCase, loanAmount, qv::SearchMethod::Fast, &plan.record);
  const qv::LoanOutputs& out = result.outputs;
  for (const std::string& text :
       {result.rateText, out.rate, out.loan, out.lastRate, out.totalPaid, out.interestPaid,
        out.statusPrincipal, out.statusInterestPart, out.statusRepaid, out.statusInterestTotal})
    CheckNumber(text);
  if (result.outcome == qv::LoanResult::Outcome::Repaid)
    CheckPlan(qv::LoanPlanDisagreement(loanCase, out, plan), plan);
  else if (!plan.record.rows.empty())
    Fail("a plan without a schedule", result.message);
}

// The savings page: capital, interest, payment, years and months, crediting yearly when asked.
void ComputeSavings(const uint8_t* data, const std::vector<std::string>& texts) {
  Fields fields;
  using enum qv::FinanceField;
  fields.texts = {{Capital, texts[0]},
                  {SavingsInterest, texts[1]},
                  {Payment, texts[2]},
                  {SavingsYears, texts[3]},
                  {SavingsMonths, texts[4]}};
  if (!qv::ValidateSavingsInput(fields).valid) return;
  qv::SavingsCase savingsCase;
  savingsCase.capitalText = fields.texts[Capital];
  savingsCase.interestText = fields.texts[SavingsInterest];
  savingsCase.paymentText = fields.texts[Payment];
  savingsCase.yearsText = fields.texts[SavingsYears];
  savingsCase.monthsText = fields.texts[SavingsMonths];
  savingsCase.yearly = data[1] & 8;
  savingsCase.variableInterest = data[1] & 2;
  savingsCase.startDate = 2 + (data[2] | data[3] << 8) % 36500;
  savingsCase.statusDate = savingsCase.startDate + static_cast<int16_t>(data[4] | data[5] << 8);
  for (size_t row = 0; row < 3; ++row) {
    savingsCase.specialPayments.push_back({texts[7 + 2 * row], texts[8 + 2 * row]});
    savingsCase.interestChanges.push_back({texts[13 + 2 * row], texts[14 + 2 * row]});
  }
  qv::Extended capital = 0;
  qv::PaymentPlan plan{qv::PlanKind::Savings, savingsCase.startDate, {}, {}};
  const qv::SavingsResult result = qv::ComputeSavingsPlan(savingsCase, capital, &plan.record);
  for (const std::string& text :
       {result.endAmount, result.payments, result.interest, result.status})
    CheckNumber(text);
  CheckPlan(qv::SavingsPlanDisagreement(result, plan), plan);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  std::vector<std::string> texts(19);
  size_t field = 0;
  for (size_t i = 6; i < size && field < texts.size(); ++i) {
    if (data[i] == '\n')
      ++field;
    else
      texts[field] += static_cast<char>(data[i]);
  }
  const std::clock_t begin = std::clock();
  try {
    if (data[1] & 4)
      ComputeSavings(data, texts);
    else
      ComputeLoan(data, texts);
  } catch (const qv::EConvertError&) {
  } catch (const qv::EMathError&) {
  }
  // Processor time: a machine busy with other work does not count.
  const double took = static_cast<double>(std::clock() - begin) / CLOCKS_PER_SEC;
  if (took > 1) Fail("longer than a second", texts[0] + "|" + texts[1] + "|" + texts[2]);
  return 0;
}
