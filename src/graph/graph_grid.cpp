#include "graph/graph_grid.h"

namespace qv {

namespace {

constexpr int kTick = 2;  // a tick mark reaches this far to either side of its axis
constexpr int kNumberPoints = 9;

// Units per step from Z = 3 on: 1, 5, 10 or 20.
int UnitsPerStep(int zoom) {
  if (zoom <= 14) return 1;
  if (zoom <= 49) return 5;
  if (zoom <= 100) return 10;
  return 20;
}

// Z = 1 and Z = 2 step by tenths and fifths and write one decimal.
bool FineSteps(int zoom) {
  return zoom <= 2;
}

Extended FineValue(int zoom, int k) {
  return static_cast<Extended>(k) / (zoom == 1 ? 10 : 5);
}

// The column where the negative y numbers start, so that they end near the axis.
int NegativeYColumn(int zoom) {
  if (zoom <= 2) return kGraphCentre - 24;
  if (zoom <= 10) return kGraphCentre - 12;
  if (zoom <= 100) return kGraphCentre - 18;
  return kGraphCentre - 22;
}

void HorizontalLine(Canvas& canvas, int row, int from, int to) {
  canvas.MoveTo(from, row);
  canvas.LineTo(to, row);
}

void VerticalLine(Canvas& canvas, int column, int from, int to) {
  canvas.MoveTo(column, from);
  canvas.LineTo(column, to);
}

// Lines across the whole area at the rows and columns this far from the axes.
void GridLines(Canvas& canvas, int distance) {
  const int c = kGraphCentre;
  HorizontalLine(canvas, c - distance, 0, kGraphSize);
  HorizontalLine(canvas, c + distance, 0, kGraphSize);
  VerticalLine(canvas, c - distance, 0, kGraphSize);
  VerticalLine(canvas, c + distance, 0, kGraphSize);
}

void TickMarks(Canvas& canvas, int distance) {
  const int c = kGraphCentre;
  HorizontalLine(canvas, c - distance, c - kTick, c + kTick);
  HorizontalLine(canvas, c + distance, c - kTick, c + kTick);
  VerticalLine(canvas, c - distance, c - kTick, c + kTick);
  VerticalLine(canvas, c + distance, c - kTick, c + kTick);
}

void Numbers(Canvas& canvas, const GraphScale& scale, int k, int distance) {
  const int c = kGraphCentre;
  const std::string y = YAxisLabel(scale, k), x = XAxisLabel(scale, k);
  canvas.TextOut(FineSteps(scale.zoom) ? c + 1 : c + 4, c - distance - 5, y);
  canvas.TextOut(c - distance - 6, c - 17, "-" + x);
  canvas.TextOut(NegativeYColumn(scale.zoom), c + distance - 5, "-" + y);
  canvas.TextOut(c + distance - 6, c + 5, x);
}

}  // namespace

GridSteps GridStepsFor(const GraphScale& scale) {
  const int ppu = scale.ppu;
  if (scale.zoom == 1) return {20, ppu / 10, ppu / 20};
  if (scale.zoom == 2) return {10, ppu / 5, ppu / 10};
  const int step = UnitsPerStep(scale.zoom) * ppu;
  return {scale.zoom <= 14 ? 15 : 10, step, step / 2};
}

std::string YAxisLabel(const GraphScale& scale, int k) {
  if (FineSteps(scale.zoom)) return FormatPattern("%5.1n", FineValue(scale.zoom, k));
  return std::to_string(k * UnitsPerStep(scale.zoom));
}

std::string XAxisLabel(const GraphScale& scale, int k) {
  if (scale.angle == 1) return YAxisLabel(scale, k);
  if (FineSteps(scale.zoom)) return FormatPattern("%5.0n", FineValue(scale.zoom, k) * scale.angle);
  return std::to_string(k * UnitsPerStep(scale.zoom) * static_cast<int>(scale.angle));
}

void DrawAxes(Canvas& canvas) {
  HorizontalLine(canvas, kGraphCentre, 0, kGraphSize);
  VerticalLine(canvas, kGraphCentre, 0, kGraphSize);
}

void DrawGrid(Canvas& canvas, const GraphScale& scale, const GridOptions& options) {
  const GridSteps steps = GridStepsFor(scale);
  const PenMode mode = options.redrawOnly ? PenMode::And : PenMode::Copy;
  canvas.SetFont(kAxisColour, kNumberPoints);
  for (int k = 1; k <= steps.count; ++k) {
    const int d = k * steps.step;
    if (options.lines) {
      canvas.SetPen(kGridColour, mode);
      GridLines(canvas, d);
      if (options.halfLines) GridLines(canvas, d - steps.half);
    }
    canvas.SetPen(kAxisColour, mode);
    TickMarks(canvas, d);
    if (!options.redrawOnly) Numbers(canvas, scale, k, d);
  }
  canvas.SetPen(kAxisColour);
  DrawAxes(canvas);
  canvas.SetPen(kMarkerBlack);
  canvas.SetFont(kMarkerBlack, kNumberPoints);
}

}  // namespace qv
