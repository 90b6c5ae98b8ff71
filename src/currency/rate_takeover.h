#pragma once
// Taking a day of the bank's reference rates into the currency list: every entry whose code
// the day has gets its rate relative to the base currency (the first entry), all or nothing.
#include <string>
#include <vector>

#include "currency/ecb_rates.h"

namespace qv {

struct RateTakeover {
  // The new rates, one for every name; entries the day lacks keep theirs.
  std::vector<std::string> rates;
  int taken = 0;                     // entries besides the base that got a rate of the day
  std::vector<std::string> missing;  // the list's codes the day lacks, each once, in list order
  std::string failure;               // why nothing is taken; the rates are then not set
};

// The rate of an entry is the day's own when the base is the euro, otherwise the cross rate
// day[code] / day[base] to 6 significant digits; the base itself gets "1". The euro is in
// every day with rate 1. Codes are compared without the blanks around them and without
// regard to case.
RateTakeover TakeOverRates(const std::vector<std::string>& names,
                           const std::vector<std::string>& rates, const EcbDay& day);

// "5 Kurse vom 28.06.2024 übernommen. Nicht in der Liste der EZB: DM, ATS"
std::string TakeoverMessage(const RateTakeover& takeover, int date);
// "Die EZB-Kurse konnten nicht geladen werden: keine Verbindung."
std::string EcbFailureMessage(const std::string& reason);

// A positive value with 6 significant digits and a decimal point, without trailing zeros:
// "160.617", "0.0000612159", "1"; far from 1 in scientific form ("1.23457E+25").
std::string SixDigitRate(Extended value);

}  // namespace qv
