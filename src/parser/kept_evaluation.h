#pragma once
// How a compiled term finds what must run again, and its way to a value without a check, both
// inline: Parse asks them on every call, and a plotter calls Parse hundreds of times per curve.
#include <cstdint>
#include <limits>

#include "parser/compiled_term.h"
#include "parser/mathparser.h"

namespace qv {

inline TInputSet TCompiledTerm::ChangedInputs(const TMathParser& parser) const {
  const std::uint64_t valuesSet = parser.FConstantStamp - FKeptStamp;
  if (valuesSet == 0) return 0;
  // A caller mostly sets one variable between two calls.
  if (valuesSet == 1) return FInputOf[parser.FLastSet];
  TInputSet changed = 0;
  for (std::size_t bit = 0; bit < FInputs.size(); ++bit) {
    if (parser.FConstantStamps[FInputs[bit]] > FKeptStamp) changed |= TInputSet{1} << bit;
  }
  return changed;
}

inline TInputSet TCompiledTerm::Rerun(const TMathParser& parser) const {
  return ChangedInputs(parser) | FUnwritten;
}

inline Extended TCompiledTerm::EvaluateKept(const TMathParser& parser) {
  constexpr Extended kUndecided = std::numeric_limits<Extended>::quiet_NaN();
  if (!FKept || FKeptDegrees != DegreeMode) return kUndecided;
  const TInputSet rerun = Rerun(parser);
  if (rerun != 0) {
    if (rerun != FPartInputs) SelectPart(rerun);
    if (!FUnchecked.Ready()) return kUndecided;
    if (!FUnchecked.Empty()) {
      const Extended value = FUnchecked.Run(FSineCosine);
      if (value != value) return kUndecided;
      FUnwritten = rerun;  // the last step's result, at least, is not in its place
      FKeptStamp = parser.FConstantStamp;
      return value;
    }
  }
  FKeptStamp = parser.FConstantStamp;
  return *FValue;
}

}  // namespace qv
