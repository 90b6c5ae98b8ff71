#include "calculator/number_reading.h"

#include <cctype>
#include <cmath>

#include "platform/errors.h"

namespace qv {

namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

bool ReadWholeEntryNumber(std::string_view text, Extended& value, size_t& stop) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const size_t intStart = i;
  i = SkipDigits(text, i);
  size_t digits = i - intStart;
  if (i < text.size() && text[i] == '.') {
    const size_t fracStart = i + 1;
    i = SkipDigits(text, fracStart);
    digits += i - fracStart;
  }
  if (digits == 0) {
    stop = i;
    return false;
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    const size_t expEnd = SkipDigits(text, j);
    if (expEnd == j) {
      stop = expEnd;
      return false;
    }
    i = expEnd;
  }
  if (i != text.size()) {
    stop = i;
    return false;
  }
  // A number beyond the extended range is none either.
  const Extended read = ReadEntryText(text);
  if (!std::isfinite(read)) {
    stop = text.size();
    return false;
  }
  value = read;
  return true;
}

Extended ReadNumberInRange(std::string_view text) {
  const Extended value = ReadEntryText(text);
  if (std::isinf(value)) throw EOverflow();
  return value;
}

}  // namespace qv
