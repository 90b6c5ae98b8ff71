#pragma once
// The functions of the trigonometry panel as pure computations: sine to cosecant of an angle
// in degrees or radians, their inverses, and the hyperbolic functions with their inverses.
// Each gives its result with the tags of the two fields, or the message of a refusal, and
// fills the figure values the graph draws from.
#include <string>

#include "platform/numbers.h"

namespace qv {

// Figure values for the graph: the unit circle or the hyperbolic curve.
struct TrigFigure {
  Extended FigAngle = 0;  // circular: the angle in radians; hyperbolic: the argument t
  Extended FigSin = 0, FigCos = 0;
  Extended FigTan = 0, FigCot = 0;
  Extended FigHyp = 0;   // sinh t or tanh t (inverse functions: the entered value)
  Extended FigCosh = 0;  // cosh t (inverse function: the entered value)
};

struct TrigOptions {
  bool degrees = true;  // "Grad", else "Rad"
  bool arc = false;
  bool hyp = false;
  bool graphShown = false;
};

struct TrigOutcome {
  bool ok = false;
  Extended result = 0;
  std::string field1Tag, field2Tag;
  std::string refusal;         // the message when not ok
  bool overflow = false;       // sinh or cosh beyond the 80-bit range: hyperbolic mode ends
  bool setsField1Tag = false;  // a refused circular function still shows the unit
};

// Function k = 1 Sin, 2 Cos, 3 Tan, 4 Cot, 5 Sec, 6 Csc (with "Hyp" only 1 to 3) of x. A
// circular result beyond the extended range raises EOverflow.
TrigOutcome ComputeTrigFunction(int k, Extended x, const TrigOptions& options, TrigFigure& fig);

}  // namespace qv
