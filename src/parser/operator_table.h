#pragma once
// The types of the parser's tables: operand sets, operator methods, operators and constants.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/numbers.h"

namespace qv {

// The bytes of an x87 extended value; the rest of its storage is padding.
inline constexpr std::size_t kExtendedBytes = 10;

enum TArgument : std::uint8_t { arLeft, arRight };

// A set of operand positions, one byte: bit 0 arLeft, bit 1 arRight.
class TArguments {
 public:
  constexpr TArguments() = default;
  constexpr TArguments(std::initializer_list<TArgument> arguments) {
    for (const TArgument argument : arguments) Include(argument);
  }
  constexpr bool Contains(TArgument argument) const { return (FBits >> argument) & 1u; }
  constexpr void Include(TArgument argument) {
    FBits = static_cast<std::uint8_t>(FBits | (1u << argument));
  }
  constexpr std::uint8_t Bits() const { return FBits; }
  friend constexpr bool operator==(TArguments, TArguments) = default;

 private:
  std::uint8_t FBits = 0;
};

// An operator method. An operand the operator does not take is passed as 0. A method that
// fails sets the three in/out values (or leaves them, for "Unbekannter Fehler") and throws an
// Exception; arithmetic faults (EInvalidOp, EZeroDivide, EOverflow) count as failures too.
using TOperatorMethode = Extended (*)(const std::string& OperatorID, Extended LeftArg,
                                      Extended RightArg, int& ErrorNumber,
                                      std::string& ErrorDescription,
                                      TArguments& IncorrectArguments);

struct TOperator {
  std::string ID;          // what is searched for in the term
  TArguments ArgumentPos;  // the operands that must be present
  TOperatorMethode Methode = nullptr;
};

struct TConstant {
  std::string Name;
  Extended Value = 0;
};

}  // namespace qv
