#pragma once
// The units of the eight quantities of the unit conversion panel: list text, abbreviation
// (its leading blanks belong to it) and factor, how many of the unit make one base unit.
#include <string>
#include <vector>

#include "platform/numbers.h"

namespace qv {

struct Unit {
  const char* text;
  const char* abbreviation;
  Extended factor;
};

inline constexpr int kQuantityCount = 8;

// The quantities' captions: "Länge" ... "Arbeit".
const char* QuantityCaption(int quantity);
const std::vector<Unit>& UnitTable(int quantity);
// The pair of units a page shows when it is opened: from-unit and to-unit.
std::pair<int, int> DefaultUnitPair(int quantity);
// value ÷ factor(from) × factor(to), in this order.
Extended ConvertUnit(int quantity, int from, int to, Extended value);

}  // namespace qv
