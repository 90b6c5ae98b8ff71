#pragma once
// Whether a payment plan agrees with the results its page shows, to the cent: the checks the
// tests and the loan fuzz target share. Each answers the first disagreement as a text.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "finance/finance_dates.h"
#include "finance/loan_schedule.h"
#include "finance/payment_plan.h"
#include "finance/savings_plan.h"
#include "platform/dates.h"

namespace qv {

inline std::optional<std::string> Differs(const std::string& what, const std::string& plan,
                                          const std::string& page) {
  if (plan == page) return std::nullopt;
  return what + ": the plan has \"" + plan + "\", the page \"" + page + "\"";
}

inline std::string PlanMoney(Extended value) {
  return FormatFixed(value, 6, 2);
}

inline std::string SavingsMoney(Extended value) {
  return FormatFixed(value, 2, 2);
}

// A sum the plan adds up in another order than the pass: it lies within half a cent of the
// page's value, and so may round to the neighbouring cent only when it lies a hair from a
// half; beyond what the two orders of adding can differ, it must be the page's value.
// `scale` is the sum of the magnitudes added, which bounds how far the orders can differ.
inline std::optional<std::string> SumDiffers(const std::string& what, Extended sum, Extended scale,
                                             const std::string& page,
                                             std::string (*money)(Extended) = PlanMoney) {
  if (money(sum) == page) return std::nullopt;
  const Extended shown = StrToFloat(CleanAmountText(page));
  if (std::fabs(shown - sum) <= 0.005L + 1e-15L * scale) return std::nullopt;
  return Differs(what, money(sum), page);
}

// The yearly view has a line per calendar year, the last with the balance of the last row.
inline std::optional<std::string> YearsDisagree(const PaymentPlan& plan) {
  const PlanTable years = MakePlanTable(plan, PlanView::Years);
  const std::vector<PlanRow>& rows = plan.record.rows;
  const int yearCount = DecodeDate(rows.back().date).year - DecodeDate(rows.front().date).year + 1;
  if (static_cast<int>(years.lines.size()) - 1 != yearCount)
    return "the yearly view has " + std::to_string(years.lines.size() - 1) + " years, not " +
           std::to_string(yearCount);
  const size_t balance = AmountColumns(plan.kind).balance;
  return Differs("the last year's balance", PlanMoney(*years.lines[yearCount - 1].amounts[balance]),
                 PlanMoney(rows.back().balance));
}

// The loan page: "Summe" of the interest is "Anteil der Zinsen:", the rates with the special
// repayments and the subsidy (and so principal, special repayments, subsidy and interest) are
// "Gesamt gezahlt", the last row is "Letzte Rate:", "Gezahlt am:" and the term, and the row of
// the status month is the status block.
inline std::optional<std::string> LoanPlanDisagreement(const LoanCase& loanCase,
                                                       const LoanOutputs& out,
                                                       const PaymentPlan& plan) {
  const std::vector<PlanRow>& rows = plan.record.rows;
  if (rows.empty()) return "the plan has no rows";
  const PlanTable months = MakePlanTable(plan, PlanView::Months);
  if (months.lines.size() != rows.size() + 1) return "not one line per row and Summe";
  const std::vector<std::optional<Extended>>& sum = months.lines.back().amounts;
  const Extended rates = *sum[0], interest = *sum[1], principal = *sum[2], special = *sum[3],
                 subsidy = *sum[4];
  if (auto d = Differs("Summe Zinsen", PlanMoney(interest), out.interestPaid)) return d;
  Extended scale = 0;
  for (const PlanRow& row : rows)
    scale += std::fabs(row.payment) + std::fabs(row.principal) + std::fabs(row.interest) +
             std::fabs(row.special) + std::fabs(row.subsidy);
  if (auto d = SumDiffers("Summe Rate + Sondertilg. + Förderung", rates + special + subsidy, scale,
                          out.totalPaid))
    return d;
  if (auto d = SumDiffers("Summe Tilgung + Sondertilg. + Förderung + Zinsen",
                          principal + special + subsidy + interest, scale, out.totalPaid))
    return d;
  const PlanRow& last = rows.back();
  if (auto d = Differs("the last rate", PlanMoney(last.payment), out.lastRate)) return d;
  if (auto d = Differs("the last date", DateToStr(last.date), DateToStr(out.lastRateDate)))
    return d;
  if (auto d = Differs("the term", std::to_string(last.number),
                       std::to_string(12 * std::stoi(out.termYears) + std::stoi(out.termMonths))))
    return d;
  if (auto d = Differs("the loan", PlanMoney(plan.record.opening), out.loan)) return d;

  // The status block holds the last row of the status month, or zeros without one.
  const int statusMonth = MonthIndex(loanCase.statusDate, loanCase.startDate);
  const auto status = std::find_if(rows.rbegin(), rows.rend(),
                                   [&](const PlanRow& row) { return row.number == statusMonth; });
  if (status == rows.rend()) {
    for (const std::string& value :
         {out.statusPrincipal, out.statusInterestPart, out.statusRepaid, out.statusInterestTotal})
      if (auto d = Differs("a status outside the plan", PlanMoney(0), value)) return d;
    return YearsDisagree(plan);
  }
  if (auto d = Differs("the status interest", PlanMoney(status->interest), out.statusInterestPart))
    return d;
  if (auto d = Differs("repaid up to the status month", PlanMoney(status->principalSoFar),
                       out.statusRepaid))
    return d;
  if (auto d = Differs("interest up to the status month", PlanMoney(status->interestSoFar),
                       out.statusInterestTotal))
    return d;
  // The status shows the whole last rate as its principal, and of several special repayments
  // in its month only the last one.
  int specialsThen = 0;
  for (const ListEntry& entry : ReadGridList(loanCase.specialRepayments, loanCase.startDate,
                                             FinanceField::SpecialRepayments))
    specialsThen += entry.month == statusMonth;
  if (status == rows.rbegin())
    return Differs("the status principal of the last rate", PlanMoney(status->payment),
                   out.statusPrincipal);
  if (specialsThen <= 1)
    if (auto d = Differs("the status principal",
                         PlanMoney(status->principal + status->special + status->subsidy),
                         out.statusPrincipal))
      return d;
  return YearsDisagree(plan);
}

// The savings page: the last row's balance is "Gesamtsumme:", the capital with "Summe" of the
// payments is "Einzahlungen:", "Summe" of the interest is "Zinsanteil", the last date is
// "Auszahlungsdatum:".
inline std::optional<std::string> SavingsPlanDisagreement(const SavingsResult& result,
                                                          const PaymentPlan& plan) {
  const std::vector<PlanRow>& rows = plan.record.rows;
  if (rows.empty()) return "the plan has no rows";
  const PlanTable months = MakePlanTable(plan, PlanView::Months);
  const std::vector<std::optional<Extended>>& sum = months.lines.back().amounts;
  if (auto d = Differs("the end amount", SavingsMoney(rows.back().balance), result.endAmount))
    return d;
  Extended scale = std::fabs(plan.record.opening);
  for (const PlanRow& row : rows) scale += std::fabs(row.payment) + std::fabs(row.special);
  if (auto d = SumDiffers("the payments", plan.record.opening + *sum[0] + *sum[1], scale,
                          result.payments, SavingsMoney))
    return d;
  if (auto d = Differs("Summe Zinsen", SavingsMoney(*sum[2]), result.interest)) return d;
  if (auto d = Differs("the end date", DateToStr(rows.back().date), DateToStr(result.endDate)))
    return d;
  return YearsDisagree(plan);
}

}  // namespace qv
