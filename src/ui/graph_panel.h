#pragma once
// The graph panel beside the calculator: the drawing area with its value labels and controls.
#include "graph/graph_panel.h"

class QWidget;

namespace qv::ui {

class RasterView;

// Builds the panel's widgets in the window's client area; answers the drawing area.
RasterView* BuildGraphPanel(QWidget& clientArea, const TFrame2& frame);

}  // namespace qv::ui
