// The graph panel's picture in function mode: the grid for the zoom, the curve of the term
// box, the marker at field 1's x, and the intersection search while curves are held.
#include <algorithm>

#include "graph/graph_grid.h"
#include "graph/graph_panel.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr int kMarkerArm = 10;
constexpr int kIntersectionArm = 8;

// Gives a flag a value for as long as it lives.
template <class T>
class Raised {
 public:
  Raised(T& flag, T value) : flag_(flag), old_(flag) { flag_ = value; }
  ~Raised() { flag_ = old_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  T& flag_;
  T old_;
};

}  // namespace

// The angle button shows for terms of the circular functions (by a plain text search, so
// "sinh" counts); for any other term radians are back in force.
void TFrame2::UpdateAngleButton(const std::string& term) {
  const bool angular = (Contains(term, "sin") || Contains(term, "cos") || Contains(term, "tan")) &&
                       !Contains(term, "arc");
  GradRad.SetVisible(angular);
  if (angular || !GradRad.Down()) return;
  GradRad.SetDown(false);
  DegreeMode = false;
  GradRad.SetText("R");
  GradRad.SetHint("Berechnung in Radianten (Bogenmaß)");
}

Rgb TFrame2::CurveColourNow(const std::string& term) const {
  const std::vector<std::string>& history = functions_.Terms.TermHistory;
  const auto it = std::find(history.begin(), history.end(), term);
  return CurveColour(it == history.end() ? -1 : static_cast<int>(it - history.begin()));
}

bool TFrame2::DrawGridPicture(const GraphScale& scale) {
  Image1.PictureChanged();
  const bool hold = HoldDown();
  Picture.ResetPen();
  Picture.ClearBrush();
  if (!hold && !GridRedrawOnly) {
    Picture.Fill(kGraphWhite);
    DrawAxes(Picture);
  }
  if (GridRedrawOnly) {
    Picture.SetPen(kAxisColour);
    DrawAxes(Picture);
  }
  if (!hold || GridRedrawOnly)
    DrawGrid(
        Picture, scale,
        {.lines = Gitter.Checked(), .halfLines = Gitter2.Checked(), .redrawOnly = GridRedrawOnly});
  if (GridRedrawOnly) return false;
  SaveUndoCopy();
  return true;
}

Rgb TFrame2::CurvePen(const std::string& term) const {
  return HoldDown() && functions_.Terms.PlotSequence.size() > 1 ? CurveColourNow(term) : kCurveRed;
}

void TFrame2::RedrawFunctionMode() {
  const bool hold = HoldDown();
  const std::string term = functions_.ComboBox1.Text();
  const std::vector<std::string>& sequence = functions_.Terms.PlotSequence;
  Term1Text = term;
  if (!hold) {
    Term2Text.clear();
  } else if (sequence.size() >= 2) {
    Term1Text = sequence[sequence.size() - 2];
    Term2Text = sequence.back();
    Label12.SetText(Term1Text);
    Label13.SetText(Term2Text);
  }
  UpdateAngleButton(term);
  ShowPointEntries(hold && sequence.size() > 1, !Term1Text.empty());
  const GraphScale scale = Scale();
  if (!DrawGridPicture(scale)) return;
  Picture.SetPen(CurvePen(term));
  TMathParser parser(true);
  if (!term.empty()) functions_.SetConstants(parser);
  ParserEvaluator evaluator(parser);
  MoveToCurveStart(Picture, scale, term);
  SampleCurve(Picture, scale, term, evaluator, Sampling);
  Picture.SetPen(kMarkerBlack);
  DrawMarker(evaluator, scale, term);
  if (markingIntersection_ == 0 && Pending != PendingClick::XPoint && hold && sequence.size() > 1 &&
      SnP.Checked())
    RunSearch(evaluator, term);
}

void TFrame2::DrawCross(int column, int row, int arm) {
  Picture.MoveTo(column - arm, row);
  Picture.LineTo(column + arm, row);
  Picture.MoveTo(column, row - arm);
  Picture.LineTo(column, row + arm);
}

void TFrame2::DrawPointMark(int column, int row) {
  Picture.SetPen(kIntersectionBlue);
  Picture.Ellipse(column - kIntersectionArm, row - kIntersectionArm, column + kIntersectionArm,
                  row + kIntersectionArm);
  DrawCross(column, row, kIntersectionArm);
}

// The marker sits on the curve at field 1's x, or at an intersection being marked.
void TFrame2::DrawMarker(TermEvaluator& evaluator, const GraphScale& scale,
                         const std::string& term) {
  if (term.empty()) return;
  Extended x0 = ReadEntryText(Host.entry1 ? Host.entry1() : std::string());
  if (markingIntersection_ == 1) x0 = Cuts.Cut1X;
  if (markingIntersection_ == 2) x0 = Cuts.Cut2X;
  if (Extended value; evaluator.Evaluate(term, x0, value)) MarkerValue = value;
  const int row = scale.Row(MarkerValue);
  const int column = scale.Column(x0 / scale.angle);
  if (markingIntersection_ != 0) DrawPointMark(column, row);
  if (Host.field1Display && !Host.field1Display().empty()) DrawCross(column, row, kMarkerArm);
  Picture.SetPen(kMarkerBlack);
}

void TFrame2::RunSearch(TermEvaluator& evaluator, const std::string& term) {
  Label9.SetText("Term 1: ");
  Label10.SetText("Term 2: ");
  Label12.SetText(Term1Text);
  Label13.SetText(Term2Text);
  for (Label* label : {&Label9, &Label10, &Label12, &Label13}) label->SetVisible(true);
  Label15.SetVisible(false);
  Extended lo, hi;
  SearchRange(lo, hi);
  if (SearchRangeTooWide(lo, hi)) {
    // Only a free range can be this wide, and the range dialog refuses one; this holds for a
    // range set otherwise.
    if (Host.prompts) Host.prompts->ShowMessage(kRangeTooWide);
    Label6.SetText("");
    return;
  }
  Cuts = SearchIntersections(evaluator, {Term1Text, Term2Text, term}, lo, hi,
                             Host.window ? *Host.window : *this);
  ShowSearchOutcome();
}

void TFrame2::ShowSearchOutcome() {
  const SearchTexts texts = ResultTexts(Cuts);
  SnP.SetText(texts.kind);
  SnP.SetHint(texts.hint);
  Label6.SetText(texts.first);
  Label15.SetText(texts.second);
  Label15.SetVisible(Cuts.Second());
  Term1.SetVisible(true);
  Term2.SetVisible(true);
  // Parallel curves and a range without values have no point to take or mark.
  const bool point = !Cuts.Parallel && !Cuts.NoValues;
  x1nehmen.SetVisible(point);
  Markieren1.SetVisible(point);
  x2nehmen.SetVisible(Cuts.Second());
  Markieren2.SetVisible(Cuts.Second());
  Bereich2.SetVisible(true);
}

void TFrame2::MarkIntersection(int number) {
  SaveUndoCopy();
  EndDrawingTools();
  {
    const Raised marking(markingIntersection_, number);
    RedrawFunctionMode();
  }
  Pending = number == 1 ? PendingClick::Intersection1 : PendingClick::Intersection2;
  if (Host.window) Host.window->SetCursor(Cursor::Drag);
}

void TFrame2::RedrawGridOnly() {
  EndDrawingTools();
  Picture.SetPen(kMarkerBlack);
  const Raised gridOnly(GridRedrawOnly, true);
  RedrawFunctionMode();
}

void TFrame2::ReleaseHold() {
  if (!HoldDown()) return;
  Halten.SetDown(false);
  HoldReleased();
}

void TFrame2::ClearGraph() {
  EndDrawingTools();
  ReleaseHold();
  Picture.Fill(kGraphWhite);
  functions_.ComboBox1.SetText("");
  RedrawFunctionMode();
  functions_.Terms.PlotSequence.clear();
  functions_.Terms.PlottedTerms.clear();
}

void TFrame2::ShowPointEntries(bool twoCurves, bool oneCurve) {
  AlleSchnittpunkte1.SetVisible(twoCurves);
  Nullstellen1.SetVisible(oneCurve);
  Extrema1.SetVisible(oneCurve);
}

std::optional<PointReport> TFrame2::ListPoints(PointListKind kind) {
  EndDrawingTools();
  PointReport report;
  report.kind = kind;
  report.term1 = Term1Text;
  if (kind == PointListKind::Intersections) report.term2 = Term2Text;
  SearchRange(report.lo, report.hi);
  if (SearchRangeTooWide(report.lo, report.hi)) {
    if (Host.prompts) Host.prompts->ShowMessage(kRangeTooWide);
    return std::nullopt;
  }
  TMathParser parser(true);
  if (!functions_.ComboBox1.Text().empty()) functions_.SetConstants(parser);
  ParserEvaluator evaluator(parser);
  Form& window = Host.window ? *Host.window : *this;
  window.SetCursor(Cursor::Busy);
  switch (kind) {
    case PointListKind::Intersections:
      report.list = FindIntersections(evaluator, Term1Text, Term2Text, report.lo, report.hi);
      break;
    case PointListKind::Roots:
      report.list = FindRoots(evaluator, Term1Text, report.lo, report.hi);
      break;
    case PointListKind::Extrema:
      report.list = FindExtrema(evaluator, Term1Text, report.lo, report.hi);
      break;
  }
  window.SetCursor(Cursor::Normal);
  SaveUndoCopy();
  Image1.PictureChanged();
  const GraphScale scale = Scale();
  for (const CurvePoint& p : report.list.points)
    DrawPointMark(scale.Column(p.x / scale.angle), scale.Row(p.y));
  Picture.SetPen(kMarkerBlack);
  return report;
}

}  // namespace qv
