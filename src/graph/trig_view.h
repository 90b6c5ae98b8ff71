#pragma once
// What the graph's trigonometry mode reads before it draws: the trigonometry panel's last
// function with its options and figure values, and the calculator's two fields.
#include <string>

#include "panels/trig_functions.h"
#include "platform/numbers.h"

namespace qv {

struct TrigView {
  // 0 nothing calculated yet; 1 to 6 Sin, Cos, Tan, Cot, Sec, Csc; with "Hyp" 1 to 3 are sinh,
  // cosh and tanh.
  int ExtMode = 0;
  int InputState = 1;
  bool hyp = false;      // "Hyp"
  bool arc = false;      // "Arc"
  bool radians = false;  // "Rad"
  TrigFigure figure;
  std::string Entry1;
  Extended CurValue = 0;
  std::string field1Tag, field2Tag;  // the small captions of the fields
  std::string field1Display, field2Display;
};

// A value below the circle: fixed point with 8 decimals and "." as decimal point, right-aligned
// in 15 characters («     0.50000000»).
std::string TrigValueText(Extended value);

// An angle of whole degrees beyond a full turn as its turns and the rest, both truncated
// toward zero: «2 Periode(n) + 30°» for 750, «-2 Periode(n) + -30°» for -750; empty from -360
// to 360.
std::string PeriodsText(Extended degrees);

}  // namespace qv
