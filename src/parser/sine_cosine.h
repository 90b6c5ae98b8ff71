#pragma once
// Sine and cosine of the last angle asked for, computed together. glibc's sincosl runs the
// same argument reduction and the same kernels as sinl and cosl, so both values carry the bits
// the separate calls give (checked in tests/parser/sine_cosine_test.cpp); a term such as
// "sin(x)^2+cos(x)^2" or "sin(x)*sin(x)" then reduces its angle once. The angle is recognised
// by its bits, so 0 and -0 or two NaNs of different payload are never mistaken for each other.
#include <cmath>
#include <cstring>

#include "parser/operator_table.h"

namespace qv {

class TSineCosine {
 public:
  Extended Sine(Extended angle) {
    Take(angle);
    return FSine;
  }
  Extended Cosine(Extended angle) {
    Take(angle);
    return FCosine;
  }

 private:
  void Take(Extended angle) {
    if (FKnown && std::memcmp(&angle, &FAngle, kExtendedBytes) == 0) return;
    ::sincosl(angle, &FSine, &FCosine);
    FAngle = angle;
    FKnown = true;
  }

  bool FKnown = false;
  Extended FAngle = 0;
  Extended FSine = 0;
  Extended FCosine = 0;
};

}  // namespace qv
