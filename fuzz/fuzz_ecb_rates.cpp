// Arbitrary bytes as a reference-rate file of the bank: the reader either gives a day whose
// every rate is a positive finite number of the bank's form, or a reason; a day taken into a
// list with the euro and with another base gives rates the converter reads back as they were
// meant.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "currency/ecb_rates.h"
#include "currency/rate_takeover.h"
#include "platform/dates.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void TakeInto(const std::vector<std::string>& names, const qv::EcbDay& day) {
  const std::vector<std::string> rates(names.size(), "7");
  const qv::RateTakeover takeover = qv::TakeOverRates(names, rates, day);
  Check(qv::TakeoverMessage(takeover, day.date).size() > 0);
  if (!takeover.failure.empty()) return;
  Check(takeover.rates.size() == names.size() && takeover.rates.front() == "1");
  for (const std::string& rate : takeover.rates) {
    const qv::Extended value = qv::ReadEntryText(rate);
    Check(std::isfinite(value) && value > 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const qv::EcbReading reading = qv::ReadEcbRates(bytes);
  if (!reading.day) {
    Check(!reading.failure.empty());
    return 0;
  }
  const qv::EcbDay& day = *reading.day;
  Check(reading.failure.empty() && !day.rates.empty() && qv::DateToStr(day.date).size() == 10);
  for (const qv::EcbRate& rate : day.rates) {
    Check(rate.code.size() == 3 && std::isfinite(rate.value) && rate.value > 0);
    Check(std::fabs(qv::ReadEntryText(rate.text) - rate.value) <= rate.value * 1e-15L);
    // A cross rate keeps 6 significant digits.
    const qv::Extended back = qv::ReadEntryText(qv::SixDigitRate(rate.value));
    Check(std::fabs(back - rate.value) <= rate.value * 5e-6L);
  }
  TakeInto({"EUR,Euro", "USD,Dollar", "XAU,Gold"}, day);
  TakeInto({day.rates.front().code + ",Basis", "EUR,Euro", "JPY,Yen", day.rates.back().code}, day);
  return 0;
}
