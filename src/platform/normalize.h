#pragma once
// Cleaning of a number typed or pasted in German notation into an entry text.
#include <string>
#include <string_view>

namespace qv {

// Turns a German number text (thousand points, decimal comma, a currency code, a trailing
// minus) into an entry text the entry reader accepts: "1.234,56" gives "1234.56", "12,50 €"
// gives "12.50", "5-" gives "5". Points alone are thousand points only when the calculator
// formats while typing (formatWhileTyping 1) in the thousand-separator format (formatMode 1).
// A text that is not valid UTF-8 cannot be cleaned: failed is set and the text comes back
// unchanged, for the caller to report "Fehler bei der Bereinigung einer Zahl".
std::string NormalizeNumberText(std::string_view text, int formatWhileTyping, int formatMode,
                                bool& failed);

}  // namespace qv
