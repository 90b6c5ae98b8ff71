// Annotations on the graph's picture: the eraser, arrows and boxes drawn with the left button
// (shown as they are dragged, from the undo copy taken at the press), and texts written where
// the mouse button is released next: a term in its curve's colour, the marked point's values,
// a comment and the intersection labels. The undo copy restores the picture before the last
// of them.
#include "graph/arrow_head.h"
#include "graph/graph_panel.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr Rgb kArrowRed = RgbOf(255, 0, 0);
constexpr Rgb kFilledBoxOutline = RgbOf(192, 192, 192);
constexpr Rgb kFrameBoxOutline = RgbOf(128, 128, 128);
constexpr int kCornerSize = 20;
constexpr int kEraserWidth = 4;
constexpr int kTextPoints = 8;
constexpr int kCommentPoints = 10;
constexpr int kLineStep = 12;  // the second line of a written text
// Held curves take the colours of the first nine places of the history; other terms are red.
constexpr int kLastColouredPlace = 8;

}  // namespace

void TFrame2::WireAnnotations() {
  Radieren1.OnClick = [this] { ToggleEraser(); };
  for (MenuItem* tool : {&Pfeil1, &Box, &BoxRahmen1})
    tool->OnClick = [this, tool] { ToggleShapeTool(*tool); };
  Term1.OnClick = [this] { AwaitClick(PendingClick::Term1); };
  Term2.OnClick = [this] { AwaitClick(PendingClick::Term2); };
  XPunktbeschriften1.OnClick = [this] { PrepareXPointLabel(); };
  Kommentar1.OnClick = [this] { AskComment(); };
}

void TFrame2::EndDrawingTools() {
  for (MenuItem* tool : {&Radieren1, &Pfeil1, &Box, &BoxRahmen1}) tool->SetChecked(false);
  Pending = PendingClick::None;
  pressPoint_.reset();
  if (Host.window) Host.window->SetCursor(Cursor::Normal);
}

void TFrame2::SaveUndoCopy() {
  UndoCopy.CopyFrom(Picture);
  Abbr.SetVisible(true);
}

void TFrame2::AbbrClick() {
  if (Radieren1.Checked()) {
    Radieren1.SetChecked(false);
    if (Host.window) Host.window->SetCursor(Cursor::Normal);
    return;
  }
  EndDrawingTools();
  Picture.CopyFrom(UndoCopy);
  Image1.PictureChanged();
  Abbr.SetVisible(false);
}

// Turning the eraser on keeps the picture as it was for "Letzte Änderung rückgängig".
void TFrame2::ToggleEraser() {
  const bool on = !Radieren1.Checked();
  EndDrawingTools();
  if (!on) return;
  Radieren1.SetChecked(true);
  SaveUndoCopy();
}

void TFrame2::ToggleShapeTool(MenuItem& tool) {
  const bool on = !tool.Checked();
  EndDrawingTools();
  tool.SetChecked(on);
}

bool TFrame2::ShapeToolOn() const {
  return Pfeil1.Checked() || Box.Checked() || BoxRahmen1.Checked();
}

void TFrame2::AwaitClick(PendingClick pending) {
  EndDrawingTools();
  Pending = pending;
  if (Host.window) Host.window->SetCursor(Cursor::Drag);
}

// The marker is drawn anew at field 1's x, without a search, so that its values are current.
void TFrame2::PrepareXPointLabel() {
  if (!Host.field1Display || Host.field1Display().empty()) {
    if (Host.prompts) Host.prompts->ShowMessage("Erst einen X-Wert eingeben im Eingabefeld!");
    return;
  }
  EndDrawingTools();
  Pending = PendingClick::XPoint;
  RedrawFunctionMode();
  if (Host.window) Host.window->SetCursor(Cursor::Drag);
}

void TFrame2::AskComment() {
  EndDrawingTools();
  if (Host.prompts)
    GraphComment = Host.prompts->InputBox("Kommentar", "Kommentar eingeben ...", GraphComment);
  Pending = PendingClick::Comment;
  if (Host.window) Host.window->SetCursor(Cursor::Drag);
}

void TFrame2::MousePressed(MouseButton button, int x, int y) {
  if (button != MouseButton::Left || !ShapeToolOn()) return;
  SaveUndoCopy();
  pressPoint_ = {x, y};
}

// While the left button is held the eraser wipes a short white stroke at the pointer, and a
// shape follows the pointer over the picture as it was at the press.
void TFrame2::MouseMoved(int x, int y, bool leftHeld) {
  MouseX = x;
  MouseY = y;
  if (!leftHeld) return;
  if (Radieren1.Checked()) {
    Picture.SetPen(kGraphWhite);
    Picture.SetPenWidth(kEraserWidth);
    Picture.MoveTo(x, y);
    Picture.LineTo(x, y + kEraserWidth);
    Picture.ResetPen();
    Image1.PictureChanged();
  } else if (pressPoint_ && ShapeToolOn()) {
    Picture.CopyFrom(UndoCopy);
    DrawShape(x, y);
  }
}

void TFrame2::MouseReleased(MouseButton button, int x, int y) {
  MouseX = x;
  MouseY = y;
  if (Radieren1.Checked() || ShapeToolOn()) {
    if (button == MouseButton::Left && pressPoint_ && ShapeToolOn()) {
      Picture.CopyFrom(UndoCopy);
      DrawShape(x, y);
      pressPoint_.reset();
    }
    return;
  }
  if (Pending != PendingClick::None) WritePendingText(x, y);
  Picture.SetFont(kMarkerBlack, kTextPoints);
  Picture.ResetPen();
  Picture.ClearBrush();
  EndDrawingTools();
}

// The shape of the tool that is on, from the press point to (x, y).
void TFrame2::DrawShape(int x, int y) {
  const auto [px, py] = *pressPoint_;
  if (Pfeil1.Checked()) {
    if (const auto head = ArrowHead({static_cast<double>(px), static_cast<double>(py)},
                                    {static_cast<double>(x), static_cast<double>(y)})) {
      Picture.SetPen(kArrowRed);
      Picture.MoveTo(px, py);
      Picture.LineTo(x, y);
      Picture.SetBrush(kArrowRed);
      Picture.Polygon({head->begin(), head->end()});
    }
  } else {
    const bool filled = Box.Checked();
    Picture.SetPen(filled ? kFilledBoxOutline : kFrameBoxOutline);
    Picture.SetPenStyle(PenStyle::Dot);
    if (filled) Picture.SetBrush(kGraphWhite);
    Picture.RoundRect(px, py, x, y, kCornerSize, kCornerSize);
  }
  Picture.ResetPen();
  Picture.ClearBrush();
  Image1.PictureChanged();
}

void TFrame2::WritePendingText(int x, int y) {
  SaveUndoCopy();
  switch (Pending) {
    case PendingClick::Intersection1:
    case PendingClick::Intersection2: {
      Picture.SetFont(kIntersectionBlue, kTextPoints);
      const bool first = Pending == PendingClick::Intersection1;
      if (first && SnP.Text() != "NP") {
        Picture.TextOut(x, y, Label6.Text());
      } else {
        Picture.TextOut(x, y, "x= " + FormatGeneral(first ? Cuts.Cut1X : Cuts.Cut2X));
        Picture.TextOut(x, y + kLineStep, "y= " + FormatGeneral(first ? Cuts.Cut1Y1 : Cuts.Cut2Y2));
      }
      break;
    }
    case PendingClick::Term1:
    case PendingClick::Term2:
      WriteTerm(Pending == PendingClick::Term1 ? Term1Text : Term2Text, x, y);
      break;
    case PendingClick::XPoint:
      Picture.SetFont(kMarkerBlack, kTextPoints);
      Picture.TextOut(x, y, "x= " + FormatGeneral(ReadEntryText(Host.entry1 ? Host.entry1() : "")));
      Picture.TextOut(x, y + kLineStep, "y= " + FormatGeneral(MarkerValue));
      break;
    case PendingClick::Comment:
      if (GraphComment.empty()) break;
      Picture.SetFont(kIntersectionBlue, kCommentPoints);
      Picture.SetBrush(kGraphWhite);
      Picture.TextOut(x, y, GraphComment);
      break;
    case PendingClick::None:
      break;
  }
  Image1.PictureChanged();
}

// A term in its curve's colour and, when it names a constant (a plain letter search), the
// constants that are set on a second line.
void TFrame2::WriteTerm(const std::string& term, int x, int y) {
  if (term.empty()) return;
  const std::vector<std::string>& history = functions_.Terms.TermHistory;
  const auto place = std::find(history.begin(), history.end(), term) - history.begin();
  const bool coloured = HoldDown() && place <= kLastColouredPlace &&
                        place < static_cast<std::ptrdiff_t>(history.size());
  Picture.SetFont(coloured ? CurveColour(static_cast<int>(place)) : kCurveRed, kTextPoints);
  Picture.TextOut(x, y, term);
  if (!Contains(term, "a") && !Contains(term, "b") && !Contains(term, "c")) return;
  std::string constants;
  if (!functions_.Edit1.Text().empty()) constants += "a = " + functions_.Edit1.Text();
  if (!functions_.Edit2.Text().empty()) constants += ", b = " + functions_.Edit2.Text();
  if (!functions_.Edit3.Text().empty()) constants += ", c = " + functions_.Edit3.Text();
  Picture.TextOut(x, y + kLineStep, constants);
}

}  // namespace qv
