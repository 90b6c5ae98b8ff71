// The graph panel beside the calculator: opened and closed by the graph buttons of the
// function-term and trigonometry panels, redrawn after every change that shows in it, and
// its controls and context menu.
#include "calculator/main_window.h"
#include "calculator/window_size.h"

namespace qv {

void TForm1::WireGraphPanel() {
  TFrame2& graph = Frame21;
  graph.Host = {.entry1 = [this] { return S.Entry1; },
                .field1Display = [this] { return Label1.Text(); },
                .window = this,
                .prompts = &ports.prompts};
  Frame71.Button2.OnClick = [this] { FunctionGraphButtonClick(); };
  Frame11.Button7.OnClick = [this] { TrigGraphButtonClick(); };
  graph.ComboBox1.OnChange = [this] { RedrawGraph(); };
  graph.Gitter.OnClick = [this] {
    // Half steps only with whole ones.
    if (!Frame21.Gitter.Checked()) Frame21.Gitter2.SetChecked(false);
    Frame21.Gitter2.SetEnabled(Frame21.Gitter.Checked());
    RedrawGraph();
  };
  graph.Gitter2.OnClick = [this] { RedrawGraph(); };
  graph.Halten.OnClick = [this] {
    if (Frame21.HoldDown())
      Frame21.HoldPressed();
    else
      Frame21.HoldReleased();
    RedrawGraph();
  };
  graph.GradRad.OnClick = [this] { GradRadClick(); };
  graph.SnP.OnClick = [this] {
    Frame21.Schnittpunkt1.SetChecked(Frame21.SnP.Checked());
    if (Frame21.HoldDown()) RedrawGraph();
  };
  graph.Schnittpunkt1.OnClick = [this] {
    Frame21.EndDrawingTools();
    Frame21.SnP.SetChecked(!Frame21.SnP.Checked());
  };
  WireSearchRange();
  graph.x1nehmen.OnClick = [this] { TakeIntersectionX(Frame21.Cuts.Cut1X); };
  graph.x2nehmen.OnClick = [this] { TakeIntersectionX(Frame21.Cuts.Cut2X); };
  graph.Markieren1.OnClick = [this] { Frame21.MarkIntersection(1); };
  graph.Markieren2.OnClick = [this] { Frame21.MarkIntersection(2); };
  graph.AlleSchnittpunkte1.OnClick = [this] { ListCurvePoints(PointListKind::Intersections); };
  graph.Nullstellen1.OnClick = [this] { ListCurvePoints(PointListKind::Roots); };
  graph.Extrema1.OnClick = [this] { ListCurvePoints(PointListKind::Extrema); };
  graph.Gitterneuzeichnen1.OnClick = [this] { Frame21.RedrawGridOnly(); };
  graph.Graphlschen1.OnClick = [this] { Frame21.ClearGraph(); };
  WireGraphTools();
}

void TForm1::WireGraphTools() {
  TFrame2& graph = Frame21;
  graph.XWertlschen1.OnClick = [this] { ClearXValue(); };
  graph.Edit1.OnMouseDown = [this] { RadiusBoxPressed(); };
  graph.Edit2.OnMouseDown = [this] { FocusEquals(); };
  graph.Button2.OnClick = [this] { TakeRadiusResult(); };
  graph.SpeedButton3.OnClick = [this] { SaveGraphPicture(); };
  graph.SpeedButton4.OnClick = [this] { GraphToWord(); };
}

// The first five rows store their range and redraw. The row is checked before the redraw, so
// that the redraw already searches the range chosen (also after a free range).
void TForm1::WireSearchRange() {
  TFrame2& graph = Frame21;
  const struct {
    MenuItem& row;
    Extended start, end;
  } rows[] = {{graph.EinfacheAuflsung1, -1, 1},
              {graph.DoppelteAuflsung1, -2, 2},
              {graph.DreifacheAuflsung1, -3, 3},
              {graph.BisNull1, -1, 0},
              {graph.AbNull1, 0, 1}};
  for (const auto& r : rows)
    r.row.OnClick = [this, &row = r.row, start = r.start, end = r.end] {
      Frame21.ChooseRange(row, start, end);
      RedrawGraph();
    };
  // The free range starts from the range searched now.
  graph.Freidefinierbar1.OnClick = [this] {
    Extended lo, hi;
    Frame21.SearchRange(lo, hi);
    if (OpenRangeDialog) OpenRangeDialog(lo, hi);
  };
}

void TForm1::RedrawGraph() {
  if (GraphRedrawHeld > 0) {
    GraphRedrawPending = true;
    return;
  }
  if (Frame71.Visible())
    Frame21.RedrawFunctionMode();
  else
    Frame21.RedrawTrigonometryMode(TrigViewNow());
}

void TForm1::SetGraphButtons(bool graphOpen) {
  for (Button* button : {&Frame71.Button2, &Frame11.Button7}) {
    button->SetText(graphOpen ? "< Graph" : "Graph >");
    button->SetHint(graphOpen ? "Graph schließen" : "Graph öffnen");
  }
}

// The window grows by the panel's width; the tape makes room first.
void TForm1::ShowGraph() {
  if (TapeShown()) Button46Click();
  SetSize(kBaseWidth + Frame21.Width(), Height());
  Frame21.Show();
  SetGraphButtons(true);
  Graf1.SetChecked(true);
  FocusEquals();
}

void TForm1::HideGraph() {
  SetSize(kBaseWidth, Height());
  Frame21.Hide();
  SetGraphButtons(false);
  Graf1.SetChecked(false);
  FocusEquals();
}

void TForm1::FunctionGraphButtonClick() {
  if (GraphShown()) {
    HideGraph();
    Frame21.SwitchToTrigonometryMode(S.Entry1, S.DisplayText);
    return;
  }
  ShowGraph();
  Frame21.SwitchToFunctionMode(Label1.Text(), Label3.Text());
  S.ExtMode = 7;
  if (!Frame71.ComboBox1.Text().empty())
    EvaluateFunctionTerm();
  else
    RedrawGraph();
}

void TForm1::TrigGraphButtonClick() {
  if (GraphShown()) {
    HideGraph();
    TrigFigure& figure = Frame11.Figure;
    figure.FigAngle = figure.FigHyp = figure.FigCosh = 0;
    return;
  }
  ShowGraph();
  RedrawGraph();
}

// The tape and the graph share the right column: showing the tape closes the graph through
// the graph button of the panel beside it.
void TForm1::CloseGraphForTape() {
  if (!GraphShown()) return;
  if (Frame71.Visible())
    Frame71.Button2.Click();
  else
    Frame11.Button7.Click();
}

void TForm1::GradRadClick() {
  TFrame2& graph = Frame21;
  DegreeMode = graph.GradRad.Down();
  graph.GradRad.SetText(DegreeMode ? "G" : "R");
  graph.GradRad.SetHint(DegreeMode ? "Berechnung in Grad (°)"
                                   : "Berechnung in Radianten (Bogenmaß)");
  EvaluateFunctionTerm();
}

void TForm1::TakeIntersectionX(Extended x) {
  Frame21.EndDrawingTools();
  S.CurValue = x;
  FormatValue();
  Label1.SetText(S.DisplayText);
  S.Entry1 = CanonicalText(x);
}

void TForm1::ListCurvePoints(PointListKind kind) {
  const std::optional<PointReport> report = Frame21.ListPoints(kind);
  if (report && ShowPointList) ShowPointList(*report);
}

void TForm1::PointsToTape(const std::vector<std::string>& lines) {
  TapeModel& tape = Frame41.Tape;
  const TapeStyle before = tape.Style();
  tape.TapeStartEntry();
  tape.TapeSetStyle(CommentStyle());
  for (const std::string& line : lines) tape.TapeAppendLine(line);
  const CharFormat& f = before.format;
  tape.TapeSetStyle({.font = f.font,
                     .size = f.size,
                     .bold = f.bold,
                     .italic = f.italic,
                     .underline = f.underline,
                     .color = f.color,
                     .alignment = before.alignment});
}

void TForm1::ClearXValue() {
  Frame21.EndDrawingTools();
  SaveFieldsSnapshot();
  Frame21.SaveUndoCopy();
  S.Entry1.clear();
  Label1.SetText("");
  Label4.SetText("");
  S.RepeatCount = 0;
  Label5.SetText("0");
  S.ChainKind = 0;
  SelectField(1);
  RedrawGraph();
}

// The calculator's "Löschen" while the graph shows: no marks, an empty picture, and held
// curves let go, the term going live again.
void TForm1::ClearGraphMarks() {
  if (GraphShown()) {
    Frame11.Figure.FigAngle = 0;
    Frame11.Figure.FigHyp = 0;
    Frame21.ResetMarks();
  }
  if (HoldPressed()) {
    Frame21.ReleaseHold();
    S.ExtMode = 7;
  }
}

// The graph's values for scripts and tests.
std::optional<std::string> TForm1::GraphStateText(const std::string& name) const {
  const TFrame2& graph = Frame21;
  const auto ext = [](Extended v) { return std::optional<std::string>(CanonicalText(v)); };
  const auto list = [](const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "" : "|") + item;
    return std::optional<std::string>(joined);
  };
  if (name == "MarkerValue") return ext(graph.MarkerValue);
  if (name == "Term1Text") return graph.Term1Text;
  if (name == "Term2Text") return graph.Term2Text;
  if (name == "DegreeMode") return std::string(DegreeMode ? "1" : "0");
  if (name == "SearchStart") return ext(graph.SearchStart);
  if (name == "SearchEnd") return ext(graph.SearchEnd);
  if (name == "Cut1X") return ext(graph.Cuts.Cut1X);
  if (name == "Cut2X") return ext(graph.Cuts.Cut2X);
  if (name == "TermHistory") return list(Frame71.Terms.TermHistory);
  if (name == "PlotSequence") return list(Frame71.Terms.PlotSequence);
  if (name == "PlottedTerms") return list(Frame71.Terms.PlottedTerms);
  return std::nullopt;
}

}  // namespace qv
