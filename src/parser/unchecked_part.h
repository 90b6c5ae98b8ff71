#pragma once
// The steps a change reaches, in a form that runs without a test per step. A compiled term
// keeps them beside their checked form while the same constants keep changing, as they do
// while a plotter sets "x" again and again.
//
// Only steps that the checked run computes in place as long as their results are finite take
// this form: negation, the four arithmetic operators, "^" with an exponent that no change
// reaches and that is a whole non-negative number, sine and cosine. A value that is not finite
// stays so through these steps except as a divisor or as the base of "^0", so one test at the
// end, of the last value and of those operands, tells whether every step stayed finite; if not,
// the checked run decides: it starts again from the first step and calls the operator methods
// where it must.
//
// 80-bit values are slow to move through memory, so the form moves as few as it can. An
// operand that no change reaches is taken once, when the form is built: as a double when it is
// one exactly (which loads far faster and gives the same value), else from where it stands. A
// constant that changes is loaded once per run when it is the only one. A result is taken at
// hand by the step right after it, or held for a later step while nothing else is held, and
// written down only otherwise.
#include <cstdint>
#include <vector>

#include "parser/compiled_step.h"
#include "parser/sine_cosine.h"

namespace qv {

class TUncheckedPart {
 public:
  // Builds the form of these steps, which depend on the constants `changes`; the form is not
  // ready when a step is of another kind.
  void Build(const std::vector<TCompiledStep>& steps, TInputSet changes);
  bool Ready() const { return FReady; }
  bool Empty() const { return FSteps.empty(); }
  // The last step's value, which is finite; NaN when a step gave a value that is not.
  Extended Run(TSineCosine& sineCosine) const;

 private:
  enum class TFrom : std::uint8_t { Last, Held, Input, Memory, Double };
  enum class TTo : std::uint8_t { Next, Held, Memory };
  struct TOperand {
    TFrom from = TFrom::Memory;
    double value = 0;
    const Extended* at = nullptr;
  };
  static constexpr int kSources = 5;
  static constexpr int kDestinations = 3;
  static constexpr std::uint16_t Code(TStepKind kind, TFrom left, TFrom right, TTo to) {
    const int sources = (static_cast<int>(kind) * kSources + static_cast<int>(left)) * kSources +
                        static_cast<int>(right);
    return static_cast<std::uint16_t>(sources * kDestinations + static_cast<int>(to));
  }
  struct TStep {
    TStepKind kind = TStepKind::Fail;
    std::uint16_t code = 0;  // the kind with its operands' sources and its destination
    TTo to = TTo::Next;
    TOperand left;
    TOperand right;
    std::int64_t exponent = 0;  // WholePower
    Extended* result = nullptr;
  };

  static bool Takes(TStepKind kind);
  static TOperand Kept(const Extended* at);
  // Decides where each result goes and where its reader takes it from.
  void Route();
  // Loads the value that the part reads from memory once per run, when it reads only one:
  // mostly the one constant that changes.
  void LoadInputOnce();

  std::vector<TStep> FSteps;
  const Extended* FInput = nullptr;
  bool FReady = false;
};

}  // namespace qv
