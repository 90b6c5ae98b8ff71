// The loan computation of the finance window, each search by the literal search (a pass for
// every step) and by ours (bisection over the steps), in the same run:
//   Schedule:        one 30-year schedule, 100.000 at 6 % with the rate 600 that repays it.
//   RateSearch:      mode "Rate" from a rate of 0 for 500.000 at 5 % over 30 years.
//   LoanSearch/z:    mode "Darl." from a rate of 5.000 over 30 years at z = 1, 5 and 15 %.
// Each figure is the whole computation from the page's texts to the texts written back. The
// counter "passes" says how many schedules the search ran. The payment plan of a 100-year loan
// with special repayments and interest changes:
//   PlanShown:       the computation with the plan recorded from its accepted pass, the plan
//                    window's table (1 201 lines) and its chart drawn.
//   PlanCsvText:     the same plan's table as CSV text.
//   PlanCsv:         the whole export: the table, its CSV text and the file replaced, flushed
//                    to the disk first (most of the wall time on a slow disk).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "finance/loan_computation.h"
#include "finance/payment_plan_window.h"
#include "platform/ini_io.h"
#include "sandbox.h"

namespace {

qv::LoanCase Case(const char* loan, const char* interest, const char* rate, qv::AdjustMode mode) {
  qv::LoanCase loanCase;
  loanCase.loanText = loan;
  loanCase.interestText = interest;
  loanCase.rateText = rate;
  loanCase.yearsText = "30";
  loanCase.monthsText = "0";
  loanCase.mode = mode;
  loanCase.startDate = 45306;  // 15.01.2024
  loanCase.statusDate = loanCase.startDate + 365;
  return loanCase;
}

void Run(benchmark::State& state, const qv::LoanCase& loanCase, qv::SearchMethod method) {
  long passes = 0;
  for (auto _ : state) {
    qv::Extended loanAmount = 0;
    const qv::LoanResult result = qv::ComputeLoanSchedule(loanCase, loanAmount, method);
    passes = result.passes;
    benchmark::DoNotOptimize(result.outputs.lastRate.data());
  }
  state.counters["passes"] = static_cast<double>(passes);
  state.SetLabel(method == qv::SearchMethod::Literal ? "literal" : "ours");
}

void BM_Schedule(benchmark::State& state) {
  Run(state, Case("100.000", "6", "600", qv::AdjustMode::Rate), qv::SearchMethod::Fast);
}

void BM_RateSearch(benchmark::State& state) {
  Run(state, Case("500.000", "5", "0", qv::AdjustMode::Rate),
      static_cast<qv::SearchMethod>(state.range(0)));
}

void BM_LoanSearch(benchmark::State& state) {
  const std::string interest = std::to_string(state.range(1));
  Run(state, Case("0", interest.c_str(), "5000", qv::AdjustMode::Loan),
      static_cast<qv::SearchMethod>(state.range(0)));
}

// 300.000 at 4 % over at most 100 years with three special repayments and three interest
// changes: the rate 1.011,79 repays it in 1 200 months, the whole term.
qv::LoanCase CenturyCase() {
  qv::LoanCase loanCase = Case("300.000", "4", "1011,79", qv::AdjustMode::Rate);
  loanCase.yearsText = "100";
  loanCase.specialRepayments = {
      {"15.01.2034", "10000"}, {"15.01.2054", "20000"}, {"15.06.2074", "5000"}};
  loanCase.variableInterest = true;
  loanCase.interestChanges = {{"15.01.2030", "4,5"}, {"15.01.2060", "3"}, {"15.01.2090", "5"}};
  return loanCase;
}

std::shared_ptr<const qv::PaymentPlan> CenturyPlan() {
  auto plan = std::make_shared<qv::PaymentPlan>();
  const qv::LoanCase loanCase = CenturyCase();
  plan->startDate = loanCase.startDate;
  qv::Extended loanAmount = 0;
  qv::ComputeLoanSchedule(loanCase, loanAmount, qv::SearchMethod::Fast, &plan->record);
  return plan;
}

void BM_PlanShown(benchmark::State& state) {
  qvs::Sandbox sandbox;
  qv::TZahlungsplan window(sandbox.Ports());
  const qv::LoanCase loanCase = CenturyCase();
  for (auto _ : state) {
    auto plan = std::make_shared<qv::PaymentPlan>();
    plan->startDate = loanCase.startDate;
    qv::Extended loanAmount = 0;
    qv::ComputeLoanSchedule(loanCase, loanAmount, qv::SearchMethod::Fast, &plan->record);
    window.ShowPlan(std::move(plan), true);
    benchmark::DoNotOptimize(window.Chart().Pixel(10, 10));
  }
  state.counters["lines"] = window.Grid1.RowCount() - 1;
}

void BM_PlanCsvText(benchmark::State& state) {
  const std::shared_ptr<const qv::PaymentPlan> plan = CenturyPlan();
  for (auto _ : state) {
    const std::string csv = qv::PlanCsv(qv::MakePlanTable(*plan, qv::PlanView::Months));
    benchmark::DoNotOptimize(csv.data());
  }
}

void BM_PlanCsv(benchmark::State& state) {
  qvs::Sandbox sandbox;
  const std::string path = (sandbox.dir / "Zahlungsplan.csv").string();
  const std::shared_ptr<const qv::PaymentPlan> plan = CenturyPlan();
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string csv = qv::PlanCsv(qv::MakePlanTable(*plan, qv::PlanView::Months));
    bytes = csv.size();
    if (!qv::ReplaceFileAtomically(path, csv, nullptr).empty()) state.SkipWithError("not written");
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

constexpr int kLiteral = static_cast<int>(qv::SearchMethod::Literal);
constexpr int kOurs = static_cast<int>(qv::SearchMethod::Fast);

BENCHMARK(BM_Schedule)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RateSearch)->Arg(kLiteral)->Arg(kOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoanSearch)
    ->ArgsProduct({{kLiteral, kOurs}, {1, 5, 15}})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_PlanShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanCsvText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
