// A history of the bank's reference rates as large as the bank's own (about 6 500 days of
// about 30 rates since 1999), as XML and as CSV: reading it and taking its newest day into the
// default currency list. The goal is below 50 ms for the whole.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "currency/currency_panel.h"
#include "currency/ecb_rates.h"
#include "currency/rate_takeover.h"
#include "platform/dates.h"

namespace {

constexpr int kDays = 6500;
const char* const kCodes[] = {"USD", "JPY", "BGN", "CZK", "DKK", "GBP", "HUF", "PLN", "RON", "SEK",
                              "CHF", "ISK", "NOK", "TRY", "AUD", "BRL", "CAD", "CNY", "HKD", "IDR",
                              "ILS", "INR", "KRW", "MXN", "MYR", "NZD", "PHP", "SGD", "THB", "ZAR"};

// The rate of currency c on day d: changing from day to day, with four or five digits.
std::string Rate(int c, int d) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", 0.8 + c * 37.5 + (d * 7919 + c * 104729) % 1000 / 997.0);
  return text;
}

std::string IsoDay(int dayNumber) {
  const qv::CivilDate date = qv::DecodeDate(dayNumber);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

int FirstDay() {
  int day = 0;
  qv::TryEncodeDate(1999, 1, 4, day);
  return day;
}

// The newest day first, as the bank writes its history.
std::string HistoryXml() {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope "
      "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
      "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n\t<gesmes:subject>Reference "
      "rates</gesmes:subject>\n\t<gesmes:Sender>\n\t\t<gesmes:name>European Central "
      "Bank</gesmes:name>\n\t</gesmes:Sender>\n\t<Cube>\n";
  for (int d = kDays - 1; d >= 0; --d) {
    xml += "\t\t<Cube time=\"" + IsoDay(FirstDay() + d) + "\">\n";
    for (int c = 0; c < 30; ++c)
      xml +=
          "\t\t\t<Cube currency=\"" + std::string(kCodes[c]) + "\" rate=\"" + Rate(c, d) + "\"/>\n";
    xml += "\t\t</Cube>\n";
  }
  return xml + "\t</Cube>\n</gesmes:Envelope>\n";
}

std::string HistoryCsv() {
  std::string csv = "Date,";
  for (const char* code : kCodes) csv += std::string(code) + ",";
  csv += "\n";
  for (int d = kDays - 1; d >= 0; --d) {
    csv += IsoDay(FirstDay() + d) + ",";
    for (int c = 0; c < 30; ++c) csv += Rate(c, d) + ",";
    csv += "\n";
  }
  return csv;
}

void TakeNewestDay(benchmark::State& state, const std::string& file) {
  std::vector<std::string> names, rates;
  for (const auto& [name, rate] : qv::TFrame3::DefaultList()) {
    names.push_back(name);
    rates.push_back(rate);
  }
  for (auto _ : state) {
    const qv::EcbReading reading = qv::ReadEcbRates(file);
    if (!reading.day) state.SkipWithError(reading.failure.c_str());
    benchmark::DoNotOptimize(qv::TakeOverRates(names, rates, *reading.day));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
  state.counters["MB"] = static_cast<double>(file.size()) / 1e6;
}

void BM_HistoryXml(benchmark::State& state) {
  static const std::string file = HistoryXml();
  TakeNewestDay(state, file);
}

void BM_HistoryCsv(benchmark::State& state) {
  static const std::string file = HistoryCsv();
  TakeNewestDay(state, file);
}

BENCHMARK(BM_HistoryXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
