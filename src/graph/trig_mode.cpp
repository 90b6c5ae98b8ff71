// The graph panel in trigonometry mode: its captions and values for the unit circle or the
// hyperbolic curve, the radius result, and the hyperbolic curve with the current point.
#include <cmath>
#include <cstdio>

#include "graph/graph_panel.h"

namespace qv {

namespace {

constexpr const char* kNoValue = "    ~";
// The radius result before any function, and for a radius too large for any number, which
// "Übern." does not take.
constexpr const char* kNoLength = "~";
constexpr int kPointArm = 10;

// A printf text of any length (a value of 1e300 has 301 digits before its point).
template <class... Values>
std::string Printed(const char* format, Values... values) {
  std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, format, values...)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, values...);
  return text;
}

// Sine and cosine of the figure: before any function the angle 0.
Extended FigureSine(const TrigView& view) {
  return view.ExtMode == 0 ? 0 : view.figure.FigSin;
}

Extended FigureCosine(const TrigView& view) {
  return view.ExtMode == 0 ? 1 : view.figure.FigCos;
}

// A quotient that divides by 0, or lies beyond the extended range (the cotangent of an angle
// next to 0), has no value to show.
std::string QuotientText(Extended dividend, Extended divisor) {
  const Extended quotient = divisor != 0 ? dividend / divisor : 0;
  return divisor != 0 && std::isfinite(quotient) ? TrigValueText(quotient) : kNoValue;
}

}  // namespace

std::string TrigValueText(Extended value) {
  return Printed("%15.8Lf", value + 0.0L);  // no "-0.00000000" for -0
}

std::string PeriodsText(Extended degrees) {
  const Extended whole = std::nearbyint(degrees);
  if (!std::isfinite(whole) || (whole <= 360 && whole >= -360)) return "";
  const Extended rest = std::fmod(whole, Extended{360});
  return Printed("%.0Lf Periode(n) + %.0Lf°", (whole - rest) / 360, rest);
}

void TFrame2::SwitchToTrigonometryMode(const std::string& entry1, const std::string& displayText) {
  Label9.SetText("Cotan. (cos/sin):");
  Label10.SetText("Secans (1/cos):");
  Label3.SetText("Tan. (sin/cos):");
  for (Label* value : {&Label6, &Label12, &Label13, &Label14}) value->SetText("0");
  ShowValueRows("Sinus (y/r):", "Kosinus (x/r):", entry1, displayText, "Bei Radius");
  ShowCircleControls(true);
  Label15.SetVisible(false);
  ReleaseHold();
  ShowGridControls(false);
  for (Control* c : std::initializer_list<Control*>{&SnP, &GradRad}) c->SetVisible(false);
  Schnittpunkt1.SetVisible(false);
}

void TFrame2::SwitchToCurveView(const std::string& field1Tag, const std::string& field2Tag,
                                const std::string& entry1, const std::string& displayText) {
  ShowValueRows(field1Tag + " =", field2Tag + " =", entry1, displayText, "Auflösung:");
  ShowCircleControls(false);
  ShowGridControls(true);
}

// A curve held in the curve view is let go with it: the circle is always drawn anew.
void TFrame2::SwitchToCircleView(const std::string& entry1, const std::string& displayText) {
  ShowValueRows("Sinus (y/r):", "Kosinus (x/r):", entry1, displayText, "Bei Radius");
  ShowCircleControls(true);
  ReleaseHold();
  ShowGridControls(false);
}

void TFrame2::RedrawTrigonometryMode(const TrigView& view) {
  ShowPointEntries(false, false);
  ShowTrigValues(view);
  if (view.hyp && view.ExtMode >= 1 && view.ExtMode <= 3)
    DrawHyperbola(view);
  else
    DrawUnitCircle(view);
  Image1.PictureChanged();
}

// The radius result is the length of the highlighted line on a circle of the radius in the
// box: the entered value for an inverse function, the function's value otherwise. A length
// beyond the largest number shows as no length, and the figure is drawn all the same.
void TFrame2::ShowTrigValues(const TrigView& view) {
  if (view.hyp) {
    Label1.SetText(view.field1Tag + " =");
    Label2.SetText(view.field2Tag + " =");
    Label4.SetText(view.field1Display);
    Label5.SetText(view.field2Display);
  }
  if (view.ExtMode != 0 && view.InputState != 4) {
    const Extended radius = ReadEntryText(Edit1.Text());
    const Extended line = view.arc ? ReadEntryText(view.Entry1) : view.CurValue;
    const Extended length = radius * line;
    Edit2.SetText(std::isfinite(length) ? FormatGeneral(length) : kNoLength);
  } else if (view.ExtMode == 0) {
    Edit2.SetText(kNoLength);
  }
  if (view.ExtMode == 7) return;
  const Extended s = FigureSine(view), c = FigureCosine(view);
  if (!view.hyp) {
    Label4.SetText(TrigValueText(s));
    Label5.SetText(TrigValueText(c));
    Label6.SetText(QuotientText(s, c));
  }
  Label12.SetText(QuotientText(c, s));
  Label13.SetText(QuotientText(1, c));
  Label14.SetText(QuotientText(1, s));
}

// sinh and tanh as y over x, cosh as x = cosh y opening to the right, on the grid of function
// mode in radians.
void TFrame2::DrawHyperbola(const TrigView& view) {
  const GraphScale scale = ScaleFor(Zoom(), false);
  if (!DrawGridPicture(scale)) return;
  Picture.SetPen(CurvePen(functions_.ComboBox1.Text()));
  for (int m = -kGraphCentre; m <= kGraphCentre; ++m) {
    const Extended u = static_cast<Extended>(m) / scale.ppu;
    int column = kGraphCentre + m, row = kGraphCentre + m;
    if (view.ExtMode == 2)
      column = scale.Column(std::cosh(u));
    else
      row = scale.Row(view.ExtMode == 1 ? std::sinh(u) : std::tanh(u));
    if (m == -kGraphCentre) Picture.MoveTo(column, row);
    Picture.LineTo(column, row);
  }
  Picture.ResetPen();
  const TrigFigure& fig = view.figure;
  if (view.ExtMode == 2)
    DrawCross(scale.Column(fig.FigCosh), scale.Row(fig.FigAngle), kPointArm);
  else
    DrawCross(scale.Column(fig.FigAngle), scale.Row(fig.FigHyp), kPointArm);
}

}  // namespace qv
