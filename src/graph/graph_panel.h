#pragma once
// The graph panel beside the calculator. In function mode it plots the function-term panel's
// term with grid and axis numbers, marks field 1's x on the curve, holds curves in the colours
// of their terms and searches where the last two meet. In trigonometry mode it shows the
// trigonometry panel's last function on the unit circle, or a hyperbolic function as a curve.
// Its picture is a raster of its own, with an undo copy of the picture before the last change,
// and takes annotations drawn with the mouse.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "graph/canvas.h"
#include "graph/curve_points.h"
#include "graph/curve_sampling.h"
#include "graph/function_term_panel.h"
#include "graph/graph_geometry.h"
#include "graph/intersection_search.h"
#include "graph/trig_view.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

// What the panel reads of the calculator and where a search shows its progress.
struct GraphHost {
  std::function<std::string()> entry1;         // Entry1, the x of the marker
  std::function<std::string()> field1Display;  // field 1's display text
  Form* window = nullptr;                      // the main window: caption and cursor
  Prompts* prompts = nullptr;                  // the comment's input box, the messages
};

class TFrame2 : public Form {
 public:
  // The panel plots the term box of `functions` with its constants and term lists.
  explicit TFrame2(TFrame7& functions);

  Image Image1{*this, "Image1"};
  Label Label1{*this, "Label1", "x = "};
  Label Label4{*this, "Label4"};
  Label Label2{*this, "Label2", "f(x) = "};
  Label Label5{*this, "Label5"};
  Label Label3{*this, "Label3", "Tan. (sin/cos):"};
  Label Label6{*this, "Label6"};
  Label Label9{*this, "Label9", "Term 1: "};
  Label Label12{*this, "Label12"};
  Label Label10{*this, "Label10", "Term 2: "};
  Label Label13{*this, "Label13"};
  Label Label11{*this, "Label11", "Cosecans(1/sin):"};
  Label Label14{*this, "Label14"};
  Label Label15{*this, "Label15"};
  Label Label7{*this, "Label7", "Auflösung:"};
  ComboBox ComboBox1{*this, "ComboBox1"};  // the zoom Z
  Button Halten{*this, "Halten", "Erhalten"};
  CheckBox Gitter{*this, "Gitter", "Gitter"};
  CheckBox Gitter2{*this, "Gitter2", "Gitter 2"};
  Button GradRad{*this, "GradRad", "R"};
  CheckBox SnP{*this, "SnP", "SP"};
  Button Abbr{*this, "Abbr"};
  Button SpeedButton3{*this, "SpeedButton3"};
  Button SpeedButton4{*this, "SpeedButton4"};
  // The radius box, its result and the take-over button of the trigonometry mode.
  Edit Edit1{*this, "Edit1", "1"};
  Label Label8{*this, "Label8", "ist aktuelle Linie"};
  Edit Edit2{*this, "Edit2"};
  Button Button2{*this, "Button2", "Übern."};

  // The context menu of the drawing area.
  PopupMenu PopupMenu2{*this, "PopupMenu2"};
  MenuItem XPunktbeschriften1{*this, "XPunktbeschriften1", "X-Punkt beschriften", &PopupMenu2};
  MenuItem XWertlschen1{*this, "XWertlschen1", "X-Wert löschen", &PopupMenu2};
  MenuItem Term1{*this, "Term1", "Term 1 schreiben", &PopupMenu2};
  MenuItem Term2{*this, "Term2", "Term 2 schreiben", &PopupMenu2};
  MenuItem Schnittpunkt1{*this, "Schnittpunkt1", "Schnittpunkt berechnen", &PopupMenu2};
  MenuItem Bereich2{*this, "Bereich2", "Bereich für Schnittpunktsuche", &PopupMenu2};
  MenuItem EinfacheAuflsung1{*this, "EinfacheAuflsung1", "Einfache Auflösung", &Bereich2};
  MenuItem DoppelteAuflsung1{*this, "DoppelteAuflsung1", "Doppelte Auflösung", &Bereich2};
  MenuItem DreifacheAuflsung1{*this, "DreifacheAuflsung1", "Dreifache Auflösung", &Bereich2};
  MenuItem BisNull1{*this, "BisNull1", "Bis Null", &Bereich2};
  MenuItem AbNull1{*this, "AbNull1", "Ab Null", &Bereich2};
  MenuItem Freidefinierbar1{*this, "Freidefinierbar1", "Frei definierbar", &Bereich2};
  MenuItem x1nehmen{*this, "x1nehmen", "X-Wert für Schnittpunkt 1 übernehmen", &PopupMenu2};
  MenuItem x2nehmen{*this, "x2nehmen", "X-Wert für Schnittpunkt 2 übernehmen", &PopupMenu2};
  MenuItem Markieren1{*this, "Markieren1", "Schnittpunkt 1 Markieren", &PopupMenu2};
  MenuItem Markieren2{*this, "Markieren2", "Schnittpunkt 2 markieren", &PopupMenu2};
  MenuItem AlleSchnittpunkte1{*this, "AlleSchnittpunkte1", "Alle Schnittpunkte", &PopupMenu2};
  MenuItem Nullstellen1{*this, "Nullstellen1", "Nullstellen", &PopupMenu2};
  MenuItem Extrema1{*this, "Extrema1", "Extrema", &PopupMenu2};
  MenuItem Kommentar1{*this, "Kommentar1", "Kommentar ", &PopupMenu2};
  MenuItem Radieren1{*this, "Radieren1", "Radieren", &PopupMenu2};
  MenuItem Pfeil1{*this, "Pfeil1", "Pfeil", &PopupMenu2};
  MenuItem Box{*this, "Box", "Box (gefüllt)", &PopupMenu2};
  MenuItem BoxRahmen1{*this, "BoxRahmen1", "Box (Rahmen)", &PopupMenu2};
  MenuItem Gitterneuzeichnen1{*this, "Gitterneuzeichnen1", "Gitter neu zeichnen", &PopupMenu2};
  MenuItem Graphlschen1{*this, "Graphlschen1", "Graph löschen", &PopupMenu2};

  GraphHost Host;

  Canvas Picture{kGraphSize, kGraphSize};
  Canvas UndoCopy{kGraphSize, kGraphSize};

  // Plot state, kept between redraws.
  std::string Term1Text, Term2Text;
  SamplingFlags Sampling;
  Extended MarkerValue = 0;
  bool GridRedrawOnly = false;
  int MouseX = 0, MouseY = 0;  // the last mouse position over the picture

  // The search range of the menu or the range dialog, and the candidates of the last search.
  Extended SearchStart = -3, SearchEnd = 3;
  SearchOutcome Cuts;

  // A text written at the next release of a mouse button on the picture.
  enum class PendingClick { None, Intersection1, Intersection2, Term1, Term2, XPoint, Comment };
  PendingClick Pending = PendingClick::None;
  // The last comment typed for the picture.
  std::string GraphComment;

  int Zoom() const;
  GraphScale Scale() const;
  bool HoldDown() const { return Halten.Down(); }

  // The captions, value labels and controls of each mode.
  void SwitchToFunctionMode(const std::string& field1Display, const std::string& field2Display);
  void SwitchToTrigonometryMode(const std::string& entry1, const std::string& displayText);
  // The trigonometry mode's two views: the hyperbolic curve with the fields' tags as captions,
  // and the unit circle with the six values and the radius box.
  void SwitchToCurveView(const std::string& field1Tag, const std::string& field2Tag,
                         const std::string& entry1, const std::string& displayText);
  void SwitchToCircleView(const std::string& entry1, const std::string& displayText);

  // The picture of trigonometry mode and its value labels: the unit circle with the line of
  // the last function, or the hyperbolic curve with its point.
  void RedrawTrigonometryMode(const TrigView& view);

  // The picture of function mode: grid, curve, marker and, while curves are held, the search.
  void RedrawFunctionMode();
  // "Schnittpunkt 1 Markieren", "Schnittpunkt 2 markieren": redraws with the marker at that
  // intersection, in blue with a circle and without a search; its label follows at the next
  // click.
  void MarkIntersection(int number);
  // "Alle Schnittpunkte", "Nullstellen", "Extrema": every point of that kind in the search
  // range, of the two curves compared or of the first, each marked in blue on the picture.
  // Nothing when the range is too wide for the search (the user is told).
  std::optional<PointReport> ListPoints(PointListKind kind);
  // "Gitter neu zeichnen": the grid over the picture as it is.
  void RedrawGridOnly();
  // "Graph löschen": no held curves, no term, an empty grid.
  void ClearGraph();

  // The hold button went down or up.
  void HoldPressed();
  void HoldReleased();
  // Puts the hold button up, when it is down, as its click does.
  void ReleaseHold();

  // The drawing tools and a pending click end; the cursor is the normal one.
  void EndDrawingTools();
  void SaveUndoCopy();
  // "Letzte Änderung rückgängig": the picture as it was before the last change; while the
  // eraser is on, only the eraser goes off.
  void AbbrClick();
  // A menu command of the range: the values of its row, or those of the range dialog.
  void ChooseRange(MenuItem& row, Extended start, Extended end);
  // The scan range the next search takes.
  void SearchRange(Extended& lo, Extended& hi) const;
  // The calculator's "Löschen": marks, menus and picture as at the start.
  void ResetMarks();

 private:
  void WireEvents();
  void WireAnnotations();
  // The captions and values of the two rows below the picture, and the caption of the zoom or
  // radius row.
  void ShowValueRows(const std::string& caption1, const std::string& caption2,
                     const std::string& value1, const std::string& value2,
                     const std::string& rowCaption);
  // The circle view's four other values, the radius box, its result and "Übern.".
  void ShowCircleControls(bool shown);
  // The zoom list (zoom 5 when none is chosen), "Gitter", "Gitter 2" and the hold button.
  void ShowGridControls(bool shown);
  void ShowTermLabels(bool shown);
  void ShowSearchEntries(bool shown);
  void ShowSearchOutcome();
  void UpdateAngleButton(const std::string& term);
  Rgb CurveColourNow(const std::string& term) const;
  void DrawMarker(TermEvaluator& evaluator, const GraphScale& scale, const std::string& term);
  void DrawCross(int column, int row, int arm);
  // A blue circle and cross around a found point.
  void DrawPointMark(int column, int row);
  // The entries of the point lists show for the curves there are.
  void ShowPointEntries(bool twoCurves, bool oneCurve);
  void RunSearch(TermEvaluator& evaluator, const std::string& term);
  // Steps 1, 2, 6 and 7 of a redraw: a white picture with axes, grid and numbers (while curves
  // are held, the picture as it is), then the undo copy. False when only the grid was redrawn.
  bool DrawGridPicture(const GraphScale& scale);
  // The pen of the curve of the term: red, or while held the colour of the term's place.
  Rgb CurvePen(const std::string& term) const;
  void ShowTrigValues(const TrigView& view);
  void DrawUnitCircle(const TrigView& view);
  void DrawTangentFigure(Extended s, Extended c, Extended t, int tp);
  void DrawCotangentFigure(Extended s, Extended c, Extended k, int kp);
  void DrawLegend();
  void DrawHyperbola(const TrigView& view);
  // The annotations: tools toggled from the context menu, texts placed at the next click.
  void ToggleEraser();
  void ToggleShapeTool(MenuItem& tool);
  bool ShapeToolOn() const;
  void AwaitClick(PendingClick pending);
  void PrepareXPointLabel();
  void AskComment();
  void MousePressed(MouseButton button, int x, int y);
  void MouseMoved(int x, int y, bool leftHeld);
  void MouseReleased(MouseButton button, int x, int y);
  void DrawShape(int x, int y);
  void WritePendingText(int x, int y);
  void WriteTerm(const std::string& term, int x, int y);
  TFrame7& functions_;
  int markingIntersection_ = 0;  // 1 or 2 while a redraw marks that intersection
  // Where the left button went down for the arrow or a box, while it is held.
  std::optional<std::pair<int, int>> pressPoint_;
};

}  // namespace qv
