#include "currency/ecb_rates.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "currency/ecb_format.h"
#include "platform/dates.h"
#include "platform/text.h"

namespace qv {

namespace ecb {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits, and optionally a decimal point with more digits: how the bank writes every rate.
bool IsPlainDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == 0) return false;
  if (i == text.size()) return true;
  if (text[i] != '.' || ++i == text.size()) return false;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i == text.size();
}

std::optional<Extended> RateValue(std::string_view text) {
  if (!IsPlainDecimal(text)) return std::nullopt;
  Extended value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // Within the range of a double, so that a cross rate of two of them stays finite and above 0.
  if (!std::isfinite(value) || value < DBL_MIN || value > DBL_MAX) return std::nullopt;
  return value;
}

// A text of the file quoted in a message: only a short, printable one, so that a broken file
// cannot fill the message box.
std::string Quoted(std::string_view text) {
  constexpr size_t kShown = 20;
  if (!IsValidUtf8(text)) return "";
  for (char c : text)
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') return "";
  if (CharLength(text) > kShown) return " („" + CharSubstr(text, 0, kShown) + "…“)";
  return " („" + std::string(text) + "“)";
}

}  // namespace

EcbReading Refused(std::string reason) {
  return {std::nullopt, std::move(reason)};
}

std::string InvalidDate(std::string_view text) {
  return "die Datei enthält ein ungültiges Datum" + Quoted(text);
}

bool IsCurrencyCode(std::string_view text) {
  if (text.size() != 3) return false;
  for (char c : text)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

std::optional<int> IsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  const std::string_view fields[3] = {text.substr(0, 4), text.substr(5, 2), text.substr(8, 2)};
  for (int i = 0; i < 3; ++i) {
    for (char c : fields[i])
      if (!IsDigit(c)) return std::nullopt;
    std::from_chars(fields[i].data(), fields[i].data() + fields[i].size(), parts[i]);
  }
  int dayNumber = 0;
  if (!TryEncodeDate(parts[0], parts[1], parts[2], dayNumber)) return std::nullopt;
  return dayNumber;
}

EcbReading TakeDay(int date,
                   const std::vector<std::pair<std::string_view, std::string_view>>& rates) {
  if (rates.empty()) return Refused(kNoRates);
  EcbDay day{date, {}};
  day.rates.reserve(rates.size());
  for (const auto& [code, text] : rates) {
    if (!IsCurrencyCode(code)) return Refused(kNotEcbFormat);
    for (const EcbRate& taken : day.rates)
      if (taken.code == code) return Refused(kNotEcbFormat);
    const std::optional<Extended> value = RateValue(text);
    if (!value)
      return Refused("der Kurs für " + std::string(code) + Quoted(text) +
                     " ist keine positive Zahl");
    day.rates.push_back({std::string(code), std::string(text), *value});
  }
  return {std::move(day), {}};
}

}  // namespace ecb

// An XML file begins with its declaration or its first element, perhaps after a byte order
// mark and blanks; anything else is read as the CSV file.
EcbReading ReadEcbRates(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return ecb::ReadXml(bytes);
  std::string_view text = bytes;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && text[first] == '<') return ecb::ReadXml(bytes);
  return ecb::ReadCsv(text);
}

}  // namespace qv
