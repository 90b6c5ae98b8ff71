#include "platform/normalize.h"

#include <algorithm>

#include "platform/text.h"

namespace qv {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// An "E" inside the text followed by "-" or a digit is an exponent, and may stay.
bool HasExponent(const std::string& s) {
  const size_t at = s.find('E');
  return at != std::string::npos && at > 0 && at + 1 < s.size() &&
         (s[at + 1] == '-' || IsDigit(s[at + 1]));
}

}  // namespace

std::string NormalizeNumberText(std::string_view text, int formatWhileTyping, int formatMode,
                                bool& failed) {
  failed = !IsValidUtf8(text);
  if (failed) return std::string(text);
  std::string s(text);
  if (Contains(s, ".")) {
    if (Contains(s, ",")) {
      // Points beside a comma are thousand points; letters and blanks go with them.
      std::erase_if(s, [](char c) { return c != ',' && c != '-' && !IsDigit(c); });
    } else if (formatWhileTyping == 1 && formatMode == 1) {
      std::erase(s, '.');
    }
  }
  s = ReplaceFirst(s, ",", ".");
  const bool exponentAllowed = HasExponent(s);
  const bool minusAllowed = exponentAllowed && Contains(s, "-");
  if (!s.empty() && s.find('-') == s.size() - 1) s.pop_back();  // a trailing minus

  // From the right: keep digits, points and an allowed exponent; a leading minus stays, and so
  // does a minus with no digit before it (as in "€ -5"). Characters outside ASCII are bytes
  // above 0x7F throughout, so they are removed byte by byte.
  const size_t firstDigit = s.find_first_of("0123456789");
  std::string kept;  // from the right, reversed at the end
  for (size_t i = s.size(); i-- > 0;) {
    if (s[i] == '-' && firstDigit > i) {  // true for a minus in the first position, too
      kept.push_back('-');
      if (i == 0) break;
      --i;
    }
    const char c = s[i];
    if (IsDigit(c) || c == '.' || (c == 'E' && exponentAllowed) || (c == '-' && minusAllowed)) {
      kept.push_back(c);
    }
  }
  return {kept.rbegin(), kept.rend()};
}

}  // namespace qv
