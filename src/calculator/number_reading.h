#pragma once
// Reading a whole text as an entry number (point as decimal separator), with the position at
// which the reading stopped when the text is not a number.
#include <cstddef>
#include <string_view>

#include "platform/numbers.h"

namespace qv {

// Leading blanks, an optional sign, digits with at most one ".", an optional exponent. Gives
// true and the value when the whole text is such a number; otherwise false and in `stop` the
// index of the first character that does not fit (the text's length when the text ends early
// or its value lies beyond the extended range).
bool ReadWholeEntryNumber(std::string_view text, Extended& value, size_t& stop);

// A typed number (an entry, an answer in an input box) read as ReadEntryText reads it; a
// number beyond the extended range raises EOverflow, as a result beyond it does.
Extended ReadNumberInRange(std::string_view text);

}  // namespace qv
