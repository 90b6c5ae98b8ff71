#pragma once
// What the readers of the bank's XML and CSV files share: the checks of a currency code, a
// rate and a date, and the German reasons of a refused file.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "currency/ecb_rates.h"

namespace qv::ecb {

inline constexpr const char* kNotEcbFormat = "die Datei ist nicht im Format der EZB";
inline constexpr const char* kNoRates = "die Datei enthält keine Kurse";

EcbReading Refused(std::string reason);
std::string InvalidDate(std::string_view text);

// Three capital letters, as ISO 4217 writes a currency.
bool IsCurrencyCode(std::string_view text);
// "2024-06-28" as a day number; nothing for a text of another form or a day that does not exist.
std::optional<int> IsoDate(std::string_view text);

// The day's rates as the file lists them (code, rate text): refused when a code comes twice or
// a rate is not a positive finite number written as digits with an optional decimal point;
// refused as without rates when the list is empty.
EcbReading TakeDay(int date,
                   const std::vector<std::pair<std::string_view, std::string_view>>& rates);

EcbReading ReadXml(std::string_view bytes);
EcbReading ReadCsv(std::string_view bytes);

}  // namespace qv::ecb
