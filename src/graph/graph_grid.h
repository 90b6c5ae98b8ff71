#pragma once
// The grid, tick marks and axis numbers of the function graph, by zoom row.
#include <string>

#include "graph/canvas.h"
#include "graph/graph_geometry.h"

namespace qv {

// Steps per direction, and the step and half step in pixels.
struct GridSteps {
  int count = 0;
  int step = 0;
  int half = 0;
};

GridSteps GridStepsFor(const GraphScale& scale);
// The number of step k on the y-axis, and on the x-axis (in degrees when A = 90).
std::string YAxisLabel(const GraphScale& scale, int k);
std::string XAxisLabel(const GraphScale& scale, int k);

struct GridOptions {
  bool lines = true;       // "Gitter"
  bool halfLines = false;  // "Gitter 2"
  // "Gitter neu zeichnen": the lines are ANDed into the picture and no numbers are written.
  bool redrawOnly = false;
};

// Draws grid lines, tick marks and numbers for every step, then both axes in gray; the pen
// and the font are black afterwards.
void DrawGrid(Canvas& canvas, const GraphScale& scale, const GridOptions& options);

// Both axes through the centre in the pen's colour.
void DrawAxes(Canvas& canvas);

}  // namespace qv
