#include "graph/intersection_list.h"

namespace qv {

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 300;

std::string KindText(PointKind kind) {
  switch (kind) {
    case PointKind::Crossing:
      return "Schnitt";
    case PointKind::Touching:
      return "Berührung";
    case PointKind::Maximum:
      return "Maximum";
    case PointKind::Minimum:
      return "Minimum";
  }
  return "";
}

std::string ListCaption(PointListKind kind) {
  switch (kind) {
    case PointListKind::Intersections:
      return "Schnittpunkte";
    case PointListKind::Roots:
      return "Nullstellen";
    case PointListKind::Extrema:
      return "Extrema";
  }
  return "";
}

std::string Heading(const PointReport& r) {
  const std::string range = " im Bereich " + FormatGeneral(r.lo) + " bis " + FormatGeneral(r.hi);
  if (r.kind == PointListKind::Intersections)
    return "Schnittpunkte von " + r.term1 + " und " + r.term2 + range;
  return ListCaption(r.kind) + " von " + r.term1 + range;
}

// How many points, or why there are none.
std::string Count(const PointReport& r) {
  const size_t n = r.list.points.size();
  if (!r.list.anyValue) return "Keine Werte im Bereich";
  if (r.kind == PointListKind::Intersections && r.list.coincident && n == 0)
    return "Die Kurven sind im Bereich gleich";
  if (n == 0) {
    switch (r.kind) {
      case PointListKind::Intersections:
        return "Keine Schnittpunkte im Bereich";
      case PointListKind::Roots:
        return "Keine Nullstellen im Bereich";
      case PointListKind::Extrema:
        return "Keine Extrema im Bereich";
    }
  }
  if (r.list.incomplete)
    return "Gefunden: " + std::to_string(n) + " (zu viele Punkte, die Liste endet hier)";
  return "Gefunden: " + std::to_string(n);
}

}  // namespace

TSchnittpunkte::TSchnittpunkte() : Form("TSchnittpunkte", "Schnittpunkte") {
  SetCaption("Schnittpunkte");
  SetSize(kWidth, kHeight);
  StringGrid1.SetEditable(false);
  StringGrid1.SetHint("Die gefundenen Punkte: Nummer, x, y und Art");
  const char* const headers[] = {"Nr.", "x", "y", "Art"};
  const int widths[] = {34, 124, 124, 70};
  for (int col = 0; col < 4; ++col) {
    StringGrid1.SetCell(0, col, headers[col]);
    StringGrid1.SetColWidth(col, widths[col]);
  }
  Button1.SetHint("Den x-Wert der gewählten Zeile in Feld 1 übernehmen");
  Button2.SetHint("Die Liste als Kommentar ins Tape schreiben");
  Button3.SetHint("Fenster schließen");
  Button1.OnClick = [this] { TakeSelected(); };
  Button2.OnClick = [this] {
    if (Host.toTape) Host.toTape(TapeLines());
  };
  Button3.OnClick = [this] { Hide(); };
}

void TSchnittpunkte::Open(const PointReport& report) {
  points_ = report.list.points;
  heading_ = Heading(report);
  SetCaption(ListCaption(report.kind));
  Label1.SetText(heading_);
  Label2.SetText(Count(report));
  // One row for every point; an empty row under the header when there is none.
  StringGrid1.SetRowCount(1 + std::max<int>(1, static_cast<int>(points_.size())));
  for (int col = 0; col < 4; ++col) StringGrid1.SetCell(1, col, "");
  for (size_t i = 0; i < points_.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    StringGrid1.SetCell(row, 0, std::to_string(row));
    StringGrid1.SetCell(row, 1, FormatGeneral(points_[i].x));
    StringGrid1.SetCell(row, 2, FormatGeneral(points_[i].y));
    StringGrid1.SetCell(row, 3, KindText(points_[i].kind));
  }
  StringGrid1.SetCurrentCell(1, 0);
  Button1.SetEnabled(!points_.empty());
  Show();
}

std::vector<std::string> TSchnittpunkte::TapeLines() const {
  std::vector<std::string> lines{heading_ + ":"};
  if (points_.empty()) lines.push_back(Label2.Text());
  for (size_t i = 0; i < points_.size(); ++i)
    lines.push_back(std::to_string(i + 1) + ":  x = " + FormatGeneral(points_[i].x) + ",  y = " +
                    FormatGeneral(points_[i].y) + "  (" + KindText(points_[i].kind) + ")");
  return lines;
}

void TSchnittpunkte::TakeSelected() {
  const int row = StringGrid1.Row();
  if (row < 1 || row > static_cast<int>(points_.size()) || !Host.takeX) return;
  Host.takeX(points_[row - 1].x);
}

}  // namespace qv
