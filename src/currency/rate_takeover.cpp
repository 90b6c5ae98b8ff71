#include "currency/rate_takeover.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/dates.h"
#include "platform/text.h"

namespace qv {

namespace {

// The code of a list entry ("USD, USDollar" gives "USD"), without the blanks around it.
std::string CodeOf(const std::string& name) {
  return Trim(std::string_view(name).substr(0, name.find(',')));
}

// The euro is what the bank's rates are relative to: it is in every day, at 1.
const EcbRate* RateOf(const EcbDay& day, const std::string& code) {
  static const EcbRate kEuro{"EUR", "1", 1};
  const std::string key = LowerAscii(code);
  for (const EcbRate& rate : day.rates)
    if (LowerAscii(rate.code) == key) return &rate;
  return key == "eur" ? &kEuro : nullptr;
}

}  // namespace

RateTakeover TakeOverRates(const std::vector<std::string>& names,
                           const std::vector<std::string>& rates, const EcbDay& day) {
  RateTakeover result;
  const std::string baseCode = names.empty() ? std::string() : CodeOf(names.front());
  const EcbRate* base = RateOf(day, baseCode);
  if (!base) {
    result.failure = "die Basiswährung „" + baseCode + "“ ist nicht in der Liste der EZB";
    return result;
  }
  const bool euroBase = LowerAscii(baseCode) == "eur";
  std::vector<std::string> missingKeys;
  result.rates = rates;
  result.rates.resize(names.size(), "0");
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string code = CodeOf(names[i]);
    if (LowerAscii(code) == LowerAscii(baseCode)) {
      result.rates[i] = "1";
      continue;
    }
    const EcbRate* rate = RateOf(day, code);
    if (!rate) {
      const std::string key = LowerAscii(code);
      if (!code.empty() &&
          std::find(missingKeys.begin(), missingKeys.end(), key) == missingKeys.end()) {
        missingKeys.push_back(key);
        result.missing.push_back(code);
      }
      continue;
    }
    result.rates[i] = euroBase ? rate->text : SixDigitRate(rate->value / base->value);
    ++result.taken;
  }
  return result;
}

std::string TakeoverMessage(const RateTakeover& takeover, int date) {
  std::string text = takeover.taken == 0   ? "Kein Kurs"
                     : takeover.taken == 1 ? "1 Kurs"
                                           : std::to_string(takeover.taken) + " Kurse";
  text += " vom " + DateToStr(date) + " übernommen.";
  for (size_t i = 0; i < takeover.missing.size(); ++i)
    text += (i == 0 ? " Nicht in der Liste der EZB: " : ", ") + takeover.missing[i];
  return text;
}

std::string EcbFailureMessage(const std::string& reason) {
  return "Die EZB-Kurse konnten nicht geladen werden: " + reason + ".";
}

std::string SixDigitRate(Extended value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.5Le", value);  // "1.60617e+02"
  const char* e = std::strchr(buffer, 'e');
  if (!e) return buffer;  // not a finite number: the callers never give one
  std::string digits;
  for (const char* p = buffer; p < e; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(e + 1);
  if (exponent < -12 || exponent > 20) {
    const std::string mantissa =
        digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return mantissa + (exponent < 0 ? "E-" : "E+") + std::to_string(std::abs(exponent));
  }
  if (exponent < 0) return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  const size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0');
  return digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace qv
