// The bank's CSV file: a header line "Date, USD, JPY, ..., ZAR, " and a line of rates for each
// day, its date first ("28 June 2024" in the daily file, "2024-06-28" in the history file),
// every line ending in a comma. "N/A" stands where the bank has no rate for a currency.
#include <array>

#include "currency/ecb_format.h"
#include "platform/dates.h"

namespace qv::ecb {

namespace {

std::string_view StripBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The items between the commas, without the blanks around them; the comma that ends a line
// gives no item. (The settings file's comma text would split the date at its blanks.)
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t comma = line.find(',', start);
    fields.push_back(StripBlanks(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (fields.back().empty()) fields.pop_back();
  return fields;
}

// "28 June 2024" (the day with one or two digits) or "2024-06-28".
std::optional<int> CsvDate(std::string_view text) {
  if (const std::optional<int> iso = IsoDate(text)) return iso;
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  const size_t first = text.find(' '), last = text.rfind(' ');
  if (first == std::string_view::npos || first == last) return std::nullopt;
  const std::string_view day = text.substr(0, first), year = text.substr(last + 1);
  const std::string_view month = text.substr(first + 1, last - first - 1);
  const auto number = [](std::string_view digits, size_t maxLength) -> std::optional<int> {
    if (digits.empty() || digits.size() > maxLength) return std::nullopt;
    int value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    return value;
  };
  const std::optional<int> d = number(day, 2), y = number(year, 4);
  int m = 0;
  while (m < 12 && kMonths[m] != month) ++m;
  int dayNumber = 0;
  if (!d || !y || year.size() != 4 || m == 12 || !TryEncodeDate(*y, m + 1, *d, dayNumber))
    return std::nullopt;
  return dayNumber;
}

// The lines that are not blank, without their line ends.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!StripBlanks(line).empty()) lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

EcbReading ReadCsv(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  if (lines.empty()) return Refused(kNotEcbFormat);
  const std::vector<std::string_view> header = Fields(lines.front());
  if (header.empty() || header.front() != "Date") return Refused(kNotEcbFormat);
  for (size_t i = 1; i < header.size(); ++i)
    if (!IsCurrencyCode(header[i])) return Refused(kNotEcbFormat);

  std::vector<std::string_view> newest;
  int newestDate = 0;
  bool twice = false;
  for (size_t n = 1; n < lines.size(); ++n) {
    std::vector<std::string_view> fields = Fields(lines[n]);
    if (fields.size() != header.size()) return Refused(kNotEcbFormat);
    const std::optional<int> date = CsvDate(fields.front());
    if (!date) return Refused(InvalidDate(fields.front()));
    if (newest.empty() || *date > newestDate) {
      newest = std::move(fields);
      newestDate = *date;
      twice = false;
    } else if (*date == newestDate) {
      twice = true;
    }
  }
  if (newest.empty()) return Refused(kNoRates);
  if (twice) return Refused(kNotEcbFormat);

  std::vector<std::pair<std::string_view, std::string_view>> rates;
  for (size_t i = 1; i < header.size(); ++i)
    if (!newest[i].empty() && newest[i] != "N/A") rates.emplace_back(header[i], newest[i]);
  return TakeDay(newestDate, rates);
}

}  // namespace qv::ecb
