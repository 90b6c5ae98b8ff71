#pragma once
// Numbers of the calculator: 80-bit extended values, their canonical text, the entry-text
// reader, the German display formats and the locale conversions. The locale is German
// always: decimal comma, thousand point, whatever the machine's locale says.
#include <string>
#include <string_view>

namespace qv {

using Extended = long double;

// The value as its 23-character canonical text: " 8.00000000000000E+0000" (blank or "-",
// 15 significant digits, "E", sign, four-digit exponent). Entries hold stored values this way.
std::string CanonicalText(Extended value);

// Reads an entry text: leading blanks, optional sign, digits, one ".", optional exponent.
// Never fails: the leading part it accepts is read, anything else (also an empty text) is 0.
Extended ReadEntryText(std::string_view text);

// "%w.dn": fixed point with thousand points, exactly d decimals, padded on the left to w.
std::string FormatFixed(Extended value, int width, int decimals);
// "%g": general format, at most 15 significant digits, decimal comma, no separators.
std::string FormatGeneral(Extended value);
// The shortest decimal text that converts back to exactly this value: decimal comma, no
// separators, fixed notation up to 20 digits before the comma ("2850", "1234,5", "0,1").
std::string FormatShortest(Extended value);
// A pattern of the forms above ("%5.2n", "%2.2n", "%g").
std::string FormatPattern(std::string_view pattern, Extended value);

// The locale's conversions: optional blanks, sign, digits with a decimal comma, exponent,
// trailing blanks; no thousand points. The throwing forms raise EConvertError with
// "'%s' ist kein gültiger Gleitkommawert" / "... Integerwert".
bool TryTextToFloat(std::string_view text, Extended& value);
Extended StrToFloat(std::string_view text);
bool TryStrToInt(std::string_view text, long long& value);
long long StrToInt(std::string_view text);

// A date "tt.mm.jj" or "tt.mm.jjjj" (two-digit years: 00-49 are 20xx, 50-99 are 19xx), as a
// day number counted from 30.12.1899; raises "'%s' ist kein gültiges Datum".
int StrToDate(std::string_view text);

// Raises EInvalidOp / EZeroDivide / EOverflow when an operation on finite operands gave a
// not-a-number or an infinite result; returns the result otherwise.
Extended CheckedResult(Extended result, Extended left, Extended right = 0);
// Division with the runtime's faults: x/0 raises EZeroDivide, 0/0 EInvalidOp.
Extended CheckedDivide(Extended left, Extended right);

}  // namespace qv
