#pragma once
// The European Central Bank's euro reference rates as the bank publishes them: the XML files
// "eurofxref-daily.xml", "eurofxref-hist.xml" and "eurofxref-hist-90d.xml" (one or more days,
// each a list of currencies with how many units one euro buys) and the CSV file "eurofxref.csv"
// (a header line of codes, a line of rates per day). Only the newest day of a file is taken.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/numbers.h"

namespace qv {

struct EcbRate {
  std::string code;  // "USD"
  std::string text;  // the rate as the file writes it: "1.0705"
  Extended value = 0;
};

struct EcbDay {
  int date = 0;  // day number (dates.h)
  std::vector<EcbRate> rates;
};

// The newest day of a file, or why the file gives none, in German and fit to follow a colon
// ("die Datei enthält keine Kurse"). A rate of that day that is not a positive finite number
// refuses the whole file; the CSV file's "N/A" means the bank gives no rate for that currency.
struct EcbReading {
  std::optional<EcbDay> day;
  std::string failure;
};

EcbReading ReadEcbRates(std::string_view bytes);

}  // namespace qv
