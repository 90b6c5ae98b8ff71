#pragma once
// Where a function of x is zero or has an extreme, to the last bit the 80-bit values allow:
// a zero inside a bracket whose ends have opposite signs (Brent's method, then bisection until
// the ends are neighbouring numbers), the smallest value inside a bracket (Brent's minimiser),
// and the place of an extreme sharpened on the zero of a five-point derivative estimate.
#include "platform/numbers.h"

namespace qv {

// A function sampled one x at a time. `value` is the function's value; `magnitude` the size of
// the values it was computed from (so the size of its rounding error), at least 1.
class CurveFunction {
 public:
  virtual ~CurveFunction() = default;
  // False where the function cannot be evaluated.
  virtual bool At(Extended x, Extended& value, Extended& magnitude) = 0;
  // A difference of two curves names them: how many, and each one's value at x. A pole of
  // either hides the crossings next to it, which the difference's samples need not show.
  virtual int PartCount() const { return 0; }
  virtual bool PartAt(int /*part*/, Extended /*x*/, Extended& /*value*/) { return false; }
  // The parts' values at the x of the last At() that succeeded.
  virtual Extended LastPart(int /*part*/) const { return 0; }
  bool ValueAt(Extended x, Extended& value) {
    Extended magnitude;
    return At(x, value, magnitude);
  }
};

struct Bracket {
  Extended a, fa;  // one end and the value there
  Extended b, fb;  // the other end, of the opposite sign
};

// The zero inside the bracket: the end of the last bracket, two neighbouring numbers apart,
// whose value is nearer zero. Below `tiny` the bracket is not narrowed further; one that then
// holds 0 gives 0 when the function is no farther from zero there. False when the function
// fails inside.
bool ZeroInBracket(CurveFunction& f, Bracket bracket, Extended tiny, Extended& zero);

struct Minimum {
  Extended x = 0, value = 0;
};

// The smallest value of sign * f in [lo, hi], to about half the digits (Brent's minimiser).
// With `untilBelowZero` it stops once sign * f falls below zero: such a minimum only says that
// f changes sign there. Places where f fails count as higher than any value; false when it
// fails everywhere the minimiser looked.
bool SmallestValue(CurveFunction& f, int sign, Extended lo, Extended hi, bool untilBelowZero,
                   Minimum& found);

// The function's slope at x from five values h apart (times 12 h, which keeps its sign);
// false when the function fails at one of them.
bool SlopeTimes12h(CurveFunction& f, Extended x, Extended h, Extended& slope);

// The place of the extreme near `x` inside [lo, hi], to all digits the function's rounding
// leaves: the zero of a five-point estimate of the slope, with a step that shrinks while the
// zeros it gives still come closer together. `x` keeps the minimiser's value when the estimate
// cannot be made (f fails near the extreme).
Extended SharpenExtreme(CurveFunction& f, Extended x, Extended lo, Extended hi);

}  // namespace qv
