#include "panels/trig_functions.h"

#include <cmath>

#include "platform/errors.h"

namespace qv {

namespace {

constexpr Extended kRadToDeg = 57.29577951308232087665L;
constexpr Extended kDegToRad = 0.01745329251994329577L;
// The decimal numbers the angle is compared with, not π and π/2 themselves.
constexpr Extended kPiTest = 3.14159265358979L;
constexpr Extended kHalfPiTest = 1.5707963267949L;
constexpr Extended kGraphHypLimit = 39.7L;

constexpr const char* kCircularNames[] = {"sin", "cos", "tan", "cot", "sec", "csc"};
constexpr const char* kInverseNames[] = {"sin", "cos", "tan", "cot", "sec", "Csc"};
constexpr const char* kHyperbolicNames[] = {"sinh", "cosh", "tanh"};

TrigOutcome Refused(std::string message) {
  TrigOutcome out;
  out.refusal = std::move(message);
  return out;
}

TrigOutcome Succeeded(Extended result, std::string tag1, std::string tag2) {
  TrigOutcome out;
  out.ok = true;
  out.result = result;
  out.field1Tag = std::move(tag1);
  out.field2Tag = std::move(tag2);
  return out;
}

// A division by 0 is skipped: its target keeps what it had.
void DivideInto(Extended& target, Extended dividend, Extended divisor) {
  if (divisor != 0) target = dividend / divisor;
}

TrigOutcome Circular(int k, Extended x, bool degrees, TrigFigure& fig) {
  const Extended deg = degrees ? x : x * kRadToDeg;
  const Extended rad = degrees ? x * kDegToRad : x;
  const std::string unit = degrees ? "°" : "rad";
  const auto refuse = [&](const char* message) {
    TrigOutcome out = Refused(message);
    out.field1Tag = unit;
    out.setsField1Tag = true;
    return out;
  };
  // Angles whose value is infinite are refused before the sine and cosine are taken.
  if ((k == 3 || k == 5) && (deg == 90 || deg == 270))
    return refuse(k == 3 ? "Tangens für diesen Winkel ist unendlich"
                         : "Sekans für diesen Winkel ist unendlich");
  if ((k == 4 || k == 6) && (deg == 0 || deg == 180))
    return refuse(k == 4 ? "Kotangens für diesen Winkel ist unendlich"
                         : "Kosekans für diesen Winkel ist unendlich");
  fig.FigAngle = rad;
  Extended s = std::sin(rad), c = std::cos(rad);
  const bool atPi = rad == kPiTest, atHalfPi = rad == kHalfPiTest;
  const auto piValues = [&] {
    if (atPi) s = 0, c = -1;
    if (atHalfPi) s = 1, c = 0;
  };
  Extended result = 0;
  switch (k) {
    case 1:
      piValues();
      if (deg == 180 || deg == 360) s = 0;
      result = s;
      break;
    case 2:
      if (deg == 90 || deg == 270) c = 0;
      piValues();
      result = c;
      break;
    case 3:
      fig.FigSin = s, fig.FigCos = c;
      if (atHalfPi) return refuse("Tangens für diesen Winkel ist unendlich");
      if (deg == 180 || deg == 0) s = 0;
      if (atPi) s = 0, c = -1;
      DivideInto(result, s, c);
      if (deg == 180) result = 0;
      fig.FigTan = result;
      break;
    case 4:
      fig.FigSin = s, fig.FigCos = c;
      if (atPi) return refuse("Kotangens für diesen Winkel ist unendlich");
      if (deg == 90 || deg == 270) c = 0;
      DivideInto(result, c, s);
      if (atHalfPi || deg == 90 || deg == 270) result = 0;
      DivideInto(fig.FigTan, s, c);
      fig.FigCot = result;
      break;
    case 5:
      if (deg == 180 || deg == 0) s = 0;
      DivideInto(result, 1, c);
      DivideInto(fig.FigTan, s, c);
      break;
    default:
      fig.FigSin = s, fig.FigCos = c;
      if (atPi) return refuse("Kosekans für diesen Winkel ist unendlich");
      if (deg == 90 || deg == 270) c = 0;
      DivideInto(result, 1, s);
      DivideInto(fig.FigTan, s, c);
      DivideInto(fig.FigCot, c, s);
      break;
  }
  // The cotangent or cosecant of an angle next to 0 can lie beyond the extended range.
  if (std::isinf(result)) throw EOverflow();
  fig.FigSin = s;
  fig.FigCos = c;
  return Succeeded(result, unit, kCircularNames[k - 1]);
}

TrigOutcome InverseCircular(int k, Extended x, bool degrees, TrigFigure& fig) {
  Extended angle = 0;
  switch (k) {
    case 1:
    case 2:
      if (x < -1) return Refused("Zahl darf nicht kleiner als -1 sein");
      if (x > 1) return Refused("Zahl darf nicht größer als 1 sein");
      angle = k == 1 ? std::asin(x) : std::acos(x);
      break;
    case 3:
      angle = std::atan(x);
      break;
    case 4:
      // Without a reciprocal of 0 the angle stays 0.
      angle = x == 0 ? 0 : std::atan(1 / x);
      break;
    default:
      if (x > -1 && x < 1) return Refused("Zahl muß mindestens 1 oder kleiner als -1 sein");
      angle = k == 5 ? std::acos(1 / x) : std::asin(1 / x);
      break;
  }
  fig.FigSin = std::sin(angle);
  fig.FigCos = std::cos(angle);
  if (k != 3) fig.FigAngle = angle;
  if (k >= 3) DivideInto(fig.FigTan, fig.FigSin, fig.FigCos);
  if (k == 4 || k == 6) DivideInto(fig.FigCot, fig.FigCos, fig.FigSin);
  const std::string unit = degrees ? "°" : "rad";
  return Succeeded(degrees ? angle * kRadToDeg : angle, kInverseNames[k - 1], unit);
}

TrigOutcome Hyperbolic(int k, Extended x, bool graphShown, TrigFigure& fig) {
  if (k != 3 && graphShown && x > kGraphHypLimit)
    return Refused("Zahl darf nicht größer sein als 39.7 wenn Graf angezeigt wird!");
  Extended result = 0;
  if (k == 1) result = std::sinh(x);
  if (k == 2) result = (std::exp(x) + std::exp(-x)) / 2;
  if (k == 3) result = std::tanh(x);
  if (std::isinf(result)) {
    TrigOutcome out = Refused("Zahl darf nicht größer als 11356 sein!");
    out.overflow = true;
    return out;
  }
  fig.FigAngle = x;
  (k == 2 ? fig.FigCosh : fig.FigHyp) = result;
  return Succeeded(result, k == 2 ? "y" : "x", kHyperbolicNames[k - 1]);
}

// Where x² or 2x would overflow, ln(x + √(x² + 1)) and ln(x + (x + 1)·√((x − 1)/(x + 1)))
// are ln 2 + ln x to the last digit.
constexpr Extended kHugeArgument = 1e2400L;

// ln(x + √(x² + 1)). The function is odd: a negative x takes the value of -x, which the
// formula would lose to cancellation (-1e10 would give ln 0).
Extended Arsinh(Extended x) {
  if (x < 0) return -Arsinh(-x);
  if (x > kHugeArgument) return std::log(2.0L) + std::log(x);
  return std::log(x + std::sqrt(x * x + 1));
}

Extended Arcosh(Extended x) {
  if (x > kHugeArgument) return std::log(2.0L) + std::log(x);
  return std::log(x + (x + 1) * std::sqrt((x - 1) / (x + 1)));
}

TrigOutcome InverseHyperbolic(int k, Extended x, TrigFigure& fig) {
  Extended result = 0;
  if (k == 1) result = Arsinh(x);
  if (k == 2) {
    if (x < 1) return Refused("Zahl muß größer oder gleich 1 sein");
    result = Arcosh(x);
  }
  if (k == 3) {
    if (x < -1 || x > 1) return Refused("Zahl muß zwischen -1 und 1 liegen");
    // At 1 and -1 the quotient is infinite or zero: the result is +∞ or -∞.
    result = 0.5L * std::log((1 + x) / (1 - x));
  }
  (k == 2 ? fig.FigCosh : fig.FigHyp) = x;
  fig.FigAngle = result;
  return Succeeded(result, kHyperbolicNames[k - 1], k == 2 ? "y" : "x");
}

}  // namespace

TrigOutcome ComputeTrigFunction(int k, Extended x, const TrigOptions& options, TrigFigure& fig) {
  if (options.hyp) {
    const int h = k > 3 ? 3 : k;
    return options.arc ? InverseHyperbolic(h, x, fig) : Hyperbolic(h, x, options.graphShown, fig);
  }
  return options.arc ? InverseCircular(k, x, options.degrees, fig)
                     : Circular(k, x, options.degrees, fig);
}

}  // namespace qv
