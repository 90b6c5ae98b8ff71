#pragma once
// A term as a sequence of characters. Terms are UTF-8; a character starts at the first byte
// and at every byte that is no continuation byte, so "²" or "€" is one character and a stray
// byte of a broken sequence never splits anything apart. Character indexes are 0-based here;
// the parser reports them 1-based.
#include <string_view>
#include <vector>

#include "parser/operator_table.h"

namespace qv {

class TTermText {
 public:
  explicit TTermText(std::string_view term);

  int CharCount() const { return static_cast<int>(FOffsets.size()) - 1; }
  std::string_view Text() const { return FText; }
  // The bytes of the characters first .. last-1.
  std::string_view Chars(int first, int last) const {
    return FText.substr(FOffsets[first], FOffsets[last] - FOffsets[first]);
  }
  // Whether character index is exactly the one-byte character c.
  bool CharIs(int index, char c) const {
    return FOffsets[index + 1] - FOffsets[index] == 1 && FText[FOffsets[index]] == c;
  }
  bool IsBracket(int index) const { return CharIs(index, '(') || CharIs(index, ')'); }
  // When the characters from index on, ending at or before last, spell id: the index of the
  // character after it. Otherwise -1.
  int MatchEnd(int index, int last, std::string_view id) const;
  // The character that starts at this byte, or -1 inside a character.
  int CharAtByte(std::size_t byte) const;

 private:
  std::string_view FText;
  std::vector<int> FOffsets;  // byte offset of every character, then the text's size
};

// What a sub-term is when no operator applies to it.
struct TRest {
  enum TKind { Bracketed, Negated, Signed, Constant, Number, Unreadable } kind = Unreadable;
  int constant = -1;  // index in the constant table
  Extended number = 0;
};
// Bracketed: "(" ... ")"; Negated / Signed: a leading "-" / "+"; then an exact constant name;
// then a number in the locale's format; anything else is unreadable.
TRest ClassifyRest(const TTermText& text, int first, int last,
                   const std::vector<TConstant>& constants);

// Index of the constant with exactly this name, -1 when there is none.
int FindConstant(const std::vector<TConstant>& constants, std::string_view name);

}  // namespace qv
