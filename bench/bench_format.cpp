// The three display formats and the canonical text, on values of every kind the calculator
// shows: small and large amounts, fractions, values that need scientific notation.
#include <benchmark/benchmark.h>

#include <array>

#include "platform/numbers.h"

namespace {

constexpr std::array<qv::Extended, 8> kValues = {0.0L,         8.0L,  -1234.5L, 1.0L / 3,
                                                 1234567.891L, 1e20L, 1.5e-6L,  999999999999999.9L};

void RunPattern(benchmark::State& state, const char* pattern) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qv::FormatPattern(pattern, kValues[i++ % kValues.size()]));
  }
}

void BM_FormatFixed(benchmark::State& state) {
  RunPattern(state, "%5.2n");
}
void BM_FormatCurrency(benchmark::State& state) {
  RunPattern(state, "%2.2n");
}
void BM_FormatGeneral(benchmark::State& state) {
  RunPattern(state, "%g");
}
// The stored form of every value the calculator keeps.
void BM_CanonicalText(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(qv::CanonicalText(kValues[i++ % kValues.size()]));
}

BENCHMARK(BM_FormatFixed);
BENCHMARK(BM_FormatCurrency);
BENCHMARK(BM_FormatGeneral);
BENCHMARK(BM_CanonicalText);

}  // namespace

BENCHMARK_MAIN();
