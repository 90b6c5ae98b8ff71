// The loan computation of the finance window, each search by the literal search (a pass for
// every step) and by ours (bisection over the steps), in the same run:
//   Schedule:        one 30-year schedule, 100.000 at 6 % with the rate 600 that repays it.
//   RateSearch:      mode "Rate" from a rate of 0 for 500.000 at 5 % over 30 years.
//   LoanSearch/z:    mode "Darl." from a rate of 5.000 over 30 years at z = 1, 5 and 15 %.
// Each figure is the whole computation from the page's texts to the texts written back. The
// counter "passes" says how many schedules the search ran.
#include <benchmark/benchmark.h>

#include "finance/loan_computation.h"

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

constexpr int kLiteral = static_cast<int>(qv::SearchMethod::Literal);
constexpr int kOurs = static_cast<int>(qv::SearchMethod::Fast);

BENCHMARK(BM_Schedule)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RateSearch)->Arg(kLiteral)->Arg(kOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoanSearch)
    ->ArgsProduct({{kLiteral, kOurs}, {1, 5, 15}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
