#pragma once
// The head of an arrow drawn on the graph: a triangle from the tip back along the shaft.
#include <array>
#include <optional>

#include "graph/canvas.h"

namespace qv {

// The arrow from p to its tip e: the tip and the two corners 4 pixels to either side of the
// shaft at the point 8 pixels before the tip (behind p when the arrow is shorter than that).
// None when the arrow is shorter than 0.01 pixels.
std::optional<std::array<PointF, 3>> ArrowHead(PointF p, PointF e);

}  // namespace qv
