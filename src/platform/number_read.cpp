// Reading numbers: the calculator's entry texts and the locale's conversions.
#include <cmath>
#include <limits>

#include "platform/decimal.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

namespace {

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

// The locale's texts: the number between optional blanks, nothing else.
std::string_view StripBlanks(std::string_view text) {
  const size_t first = SkipBlanks(text, 0);
  size_t last = text.size();
  while (last > first && text[last - 1] == ' ') --last;
  return text.substr(first, last - first);
}

// "INF" or "NAN" after an optional sign: the canonical texts of the values that are no numbers.
bool ReadSpecial(std::string_view text, Extended& value) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view word = text.substr(!text.empty() && (text[0] == '-' || text[0] == '+'));
  if (word.starts_with("INF")) {
    value = negative ? -std::numeric_limits<Extended>::infinity()
                     : std::numeric_limits<Extended>::infinity();
    return true;
  }
  if (word.starts_with("NAN")) {
    value = std::numeric_limits<Extended>::quiet_NaN();
    return true;
  }
  return false;
}

[[noreturn]] void ThrowConvertError(std::string_view text, const char* kind) {
  throw EConvertError("'" + std::string(text) + "' ist kein gültiger " + kind);
}

}  // namespace

// Entry texts are not checked when they are typed (a lone "-", a second "."), so the reader
// takes the longest leading part that is a number and reads anything else as 0. An exponent
// beyond the extended range gives an infinite value.
Extended ReadEntryText(std::string_view text) {
  text.remove_prefix(SkipBlanks(text, 0));
  Extended value = 0;
  if (ReadSpecial(text, value)) return value;
  const NumberScan scan = ScanNumber(text, '.');
  return scan.hasDigits ? ScannedValue(text, scan, '.') : 0;
}

bool TryTextToFloat(std::string_view text, Extended& value) {
  text = StripBlanks(text);
  const NumberScan scan = ScanNumber(text, ',');
  if (!scan.hasDigits || scan.incompleteExponent || scan.end != text.size()) return false;
  const Extended result = ScannedValue(text, scan, ',');
  if (std::isinf(result)) return false;
  value = result;
  return true;
}

Extended StrToFloat(std::string_view text) {
  Extended value = 0;
  if (!TryTextToFloat(text, value)) ThrowConvertError(text, "Gleitkommawert");
  return value;
}

// Integers are 32-bit like the runtime's: optional blanks, an optional sign, decimal digits.
bool TryStrToInt(std::string_view text, long long& value) {
  const std::string_view number = StripBlanks(text);
  const bool negative = !number.empty() && number[0] == '-';
  const std::string_view digits =
      number.substr(!number.empty() && (number[0] == '-' || number[0] == '+'));
  if (digits.empty()) return false;
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

long long StrToInt(std::string_view text) {
  long long value = 0;
  if (!TryStrToInt(text, value)) ThrowConvertError(text, "Integerwert");
  return value;
}

}  // namespace qv
