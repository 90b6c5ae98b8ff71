#pragma once
// The curve of a term sampled once per pixel column: poles, jumps across poles, gaps where
// the term fails, and the curves that start at an edge of their domain.
#include <string_view>

#include "graph/canvas.h"
#include "graph/graph_geometry.h"
#include "graph/term_evaluator.h"

namespace qv {

struct SamplingFlags {
  bool PlotErrorRun = false;  // the last sample failed
  bool PlotResume = false;    // a run of failed samples has ended
};

// An arcsin or arccos curve starts at its end point at x = -1: the pen goes there first.
void MoveToCurveStart(Canvas& canvas, const GraphScale& scale, std::string_view term);

// Draws the curve with the canvas's pen through every column but the y-axis.
void SampleCurve(Canvas& canvas, const GraphScale& scale, std::string_view term,
                 TermEvaluator& evaluator, SamplingFlags& flags);

}  // namespace qv
