// The unit circle of the trigonometry mode: the angle's sector and radius, and the line whose
// length is the last function's value highlighted in red; for tangent and cotangent the
// construction on the tangent line of the other side, for angles where the value's sign puts
// it there, dash-dot-dotted with a legend.
#include <cmath>
#include <cstdlib>

#include "graph/graph_grid.h"
#include "graph/graph_panel.h"

namespace qv {

namespace {

constexpr int kCentre = kGraphCentre;
constexpr int kSize = kGraphSize;
constexpr int kRadius = kGraphSize / 4;
constexpr Rgb kSectorColour = RgbOf(255, 255, 225);  // the desktop's tooltip background
constexpr Rgb kHighlight = RgbOf(255, 0, 0);
constexpr int kFigurePoints = 9;

struct Pixel {
  int x, y;
};

// Where the extended radius meets the vertical tangent line on the angle's side; none on an
// axis (the sign tests are strict).
std::optional<Pixel> VerticalTangentPoint(Extended s, Extended c, int tp) {
  if (s == 0 || c == 0) return std::nullopt;
  return Pixel{c > 0 ? kCentre + kRadius : kCentre - kRadius, s > 0 ? kCentre - tp : kCentre + tp};
}

}  // namespace

void TFrame2::DrawUnitCircle(const TrigView& view) {
  Abbr.SetVisible(false);  // the figure is drawn anew from the values: nothing to restore
  const int mode = view.ExtMode;
  const Extended s = mode == 0 ? 0 : view.figure.FigSin;
  const Extended c = mode == 0 ? 1 : view.figure.FigCos;
  const Extended t = view.figure.FigTan, k = view.figure.FigCot;
  const int px = kCentre + PixelOf(kRadius * c), py = kCentre + PixelOf(-kRadius * s);
  Canvas& picture = Picture;
  picture.Fill(kGraphWhite);
  picture.ResetPen();
  if (!view.hyp) {
    picture.SetPen(kGraphWhite);
    picture.SetBrush(kSectorColour);
    picture.Pie(kRadius, kRadius, kSize - kRadius, kSize - kRadius, {kCentre + kRadius, kCentre},
                {static_cast<double>(px), static_cast<double>(py)});
  }
  picture.ResetPen();
  picture.ClearBrush();
  picture.SetFont(kMarkerBlack, kFigurePoints);
  DrawAxes(picture);
  picture.TextOut(5, kCentre - 15, "-x");
  picture.TextOut(kSize - 15, kCentre - 15, "+x");
  picture.TextOut(kCentre - 15, 5, "+y");
  picture.TextOut(kCentre - 15, kSize - 15, "-y");
  picture.TextOut(kCentre - kRadius - 10, kCentre - 15, "R");
  if (mode != 0) {
    // The angle of an inverse function is its result in field 2.
    Extended angle = view.arc ? view.CurValue : ReadEntryText(view.Entry1);
    if (view.radians) angle *= 57.29577951308232087665L;
    picture.TextOut(kCentre + 15, kSize - 15, PeriodsText(angle));
  }
  picture.Ellipse(kRadius, kRadius, kSize - kRadius, kSize - kRadius);
  if (mode == 0) {
    picture.TextOut(15, kSize - 15, "Den Winkel eingeben ....  ");
    picture.TextOut(kCentre + 15, kSize - 15, "..anschließend z.B Sin anklicken");
  }
  if (mode > 2) picture.SetPenStyle(PenStyle::Dot);
  picture.MoveTo(kCentre, kCentre);
  picture.LineTo(px, py);
  // The sine from the point on the circle to the x-axis, the cosine along it back to the centre.
  if (mode == 1) {
    picture.SetPen(kHighlight);
    picture.SetPenWidth(3);
  }
  picture.LineTo(px, kCentre);
  picture.SetPen(kMarkerBlack);
  picture.SetPenWidth(1);
  if (mode == 2) {
    picture.SetPen(kHighlight);
    picture.SetPenWidth(3);
  }
  picture.LineTo(kCentre, kCentre);
  const int tp = PixelOf(kRadius * t), kp = PixelOf(kRadius * k);
  if (mode == 3) DrawTangentFigure(s, c, t, tp);
  if (mode == 4) DrawCotangentFigure(s, c, k, kp);
  if (mode == 5) {
    // The secant: the extended radius to the vertical tangent line.
    if (const auto meet = VerticalTangentPoint(s, c, std::abs(tp))) {
      picture.SetPenStyle(PenStyle::Solid);
      picture.SetPen(kHighlight);
      picture.SetPenWidth(2);
      picture.LineTo(meet->x, meet->y);
      picture.SetPen(kMarkerBlack);
      picture.SetPenWidth(1);
      picture.LineTo(meet->x, kCentre);
    }
  }
  if (mode == 6) {
    // The cosecant: from the horizontal tangent line's point back to the centre.
    picture.SetPenStyle(PenStyle::Solid);
    const int row = s > 0 ? kCentre - kRadius : kCentre + kRadius;
    if (s != 0) picture.MoveTo(kCentre, row);
    if (s != 0 && c != 0)
      picture.LineTo(c > 0 ? kCentre + std::abs(kp) : kCentre - std::abs(kp), row);
    picture.SetPen(kHighlight);
    picture.SetPenWidth(2);
    picture.LineTo(kCentre, kCentre);
  }
  picture.ResetPen();
  picture.SetFont(kMarkerBlack, 8);
}

// The tangent on the vertical tangent line through the angle's side of the circle; left of the
// y-axis the computed value, measured on the right-hand line, is drawn first.
void TFrame2::DrawTangentFigure(Extended s, Extended c, Extended t, int tp) {
  Canvas& picture = Picture;
  if (s * t < 0) {
    DrawLegend();
    picture.LineTo(kCentre + kRadius, kCentre - tp);
    picture.LineTo(kCentre + kRadius, kCentre);
    picture.MoveTo(kCentre, kCentre);
  }
  picture.SetPenStyle(PenStyle::Solid);
  const auto meet = VerticalTangentPoint(s, c, std::abs(tp));
  if (!meet) return;
  picture.LineTo(meet->x, meet->y);
  picture.SetPen(kHighlight);
  picture.SetPenWidth(3);
  picture.LineTo(meet->x, kCentre);
  picture.SetPen(kMarkerBlack);
  picture.SetPenWidth(1);
  picture.LineTo(kCentre, kCentre);
}

// The cotangent on the horizontal tangent line through the angle's side; below the x-axis the
// computed value, measured on the upper line, is drawn first.
void TFrame2::DrawCotangentFigure(Extended s, Extended c, Extended k, int kp) {
  Canvas& picture = Picture;
  if (k * c < 0) {
    DrawLegend();
    picture.MoveTo(kCentre, kCentre - kRadius);
    picture.LineTo(kCentre + kp, kCentre - kRadius);
    picture.LineTo(kCentre, kCentre);
  }
  const int row = s > 0 ? kCentre - kRadius : kCentre + kRadius;
  if (s != 0) picture.MoveTo(kCentre, row);
  picture.SetPenStyle(PenStyle::Solid);
  picture.SetPen(kHighlight);
  picture.SetPenWidth(3);
  if (s != 0 && c != 0)
    picture.LineTo(c > 0 ? kCentre + std::abs(kp) : kCentre - std::abs(kp), row);
  picture.SetPen(kMarkerBlack);
  picture.SetPenWidth(1);
  picture.LineTo(kCentre, kCentre);
}

// A short dash-dot-dot line explaining the computed lines; the pen goes back to the centre.
void TFrame2::DrawLegend() {
  Canvas& picture = Picture;
  picture.SetPenStyle(PenStyle::DashDotDot);
  picture.MoveTo(4, kSize - 6);
  picture.LineTo(46, kSize - 6);
  picture.TextOut(48, kSize - 14, " =  rechnerischer Wert");
  picture.MoveTo(kCentre, kCentre);
}

}  // namespace qv
