#include "graph/curve_sampling.h"

#include <cmath>

#include "platform/text.h"

namespace qv {

namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

// What the term text says about its curve; plain text searches, so "tan" also matches
// "arctan" and "tanh", and "sin" matches "arcsin".
struct CurveKind {
  explicit CurveKind(std::string_view term)
      : tan(Contains(term, "tan")),
        arcsin(Contains(term, "arcsin")),
        arccos(Contains(term, "arccos")),
        logarithm(Contains(term, "log") || Contains(term, "ln")),
        root(Contains(term, "sqrt")) {}
  bool tan, arcsin, arccos, logarithm, root;
};

void MoveToPoint(Canvas& canvas, const GraphScale& scale, Extended units, Extended y) {
  canvas.MoveTo(scale.Column(units), scale.Row(y));
}

void LineToPoint(Canvas& canvas, const GraphScale& scale, Extended units, Extended y) {
  canvas.LineTo(scale.Column(units), scale.Row(y));
}

// A sample that evaluated after failed ones: where the curve takes up again. The inverse
// functions end at their end points, a logarithm rises from the bottom edge, a square root
// starts on the x-axis; anything else goes on from this sample.
void Resume(Canvas& canvas, const GraphScale& scale, const CurveKind& kind, int m, Extended y,
            SamplingFlags& flags) {
  flags.PlotErrorRun = false;
  const Extended u = scale.SampleX(m);
  const Extended one = 1 / scale.angle;
  const int column = kGraphCentre + m;
  if (kind.arcsin) {
    if (u < -1) MoveToPoint(canvas, scale, -one, -kPi / 2);
    if (u > 1) LineToPoint(canvas, scale, one, kPi / 2);
  } else if (kind.arccos) {
    if (u < -1) MoveToPoint(canvas, scale, -one, kPi);
    if (u > 1) LineToPoint(canvas, scale, one, 0);
  } else if (!kind.tan) {
    if (kind.logarithm)
      canvas.MoveTo(column, kGraphSize);
    else if (kind.root)
      canvas.MoveTo(column, kGraphCentre);
    else
      canvas.MoveTo(column, scale.Row(y));
    flags.PlotResume = false;
  }
}

}  // namespace

void MoveToCurveStart(Canvas& canvas, const GraphScale& scale, std::string_view term) {
  const CurveKind kind(term);
  if (kind.arcsin) MoveToPoint(canvas, scale, -1 / scale.angle, -kPi / 2);
  if (kind.arccos) MoveToPoint(canvas, scale, -1 / scale.angle, kPi);
}

void SampleCurve(Canvas& canvas, const GraphScale& scale, std::string_view term,
                 TermEvaluator& evaluator, SamplingFlags& flags) {
  flags = {};
  if (term.empty()) return;
  const CurveKind kind(term);
  Extended y = 0, yPrev = 0;
  for (int m = -kGraphCentre; m <= kGraphCentre; ++m) {
    if (m == 0) continue;  // the y-axis column itself is never sampled
    const int column = kGraphCentre + m;
    if (Extended value; evaluator.Evaluate(term, scale.SampleX(m), value)) {
      y = value;
      if (flags.PlotErrorRun) flags.PlotResume = true;
    } else {
      flags.PlotErrorRun = true;  // y keeps the previous sample's value
    }
    if (!flags.PlotErrorRun) {
      const int row = scale.Row(y);
      if (m == -kGraphCentre) {
        canvas.MoveTo(column, row);
      } else if (kind.tan) {
        if (y * yPrev >= 0 || std::fabs(yPrev - y) <= 1) {
          canvas.LineTo(column, row);
        } else {
          // A pole: up to the top edge, on from the bottom edge.
          canvas.LineTo(column - 2, 0);
          canvas.MoveTo(column - 1, kGraphSize);
        }
      } else if (std::fabs(yPrev - y) > 100 && yPrev * y < 0) {
        canvas.MoveTo(column, row);  // a jump across a pole, in function units
      } else {
        canvas.LineTo(column, row);
      }
    }
    if (flags.PlotResume) Resume(canvas, scale, kind, m, y, flags);
    yPrev = y;
  }
}

}  // namespace qv
