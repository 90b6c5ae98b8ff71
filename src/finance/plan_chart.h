#pragma once
// The chart of a payment plan: the balance over time as a line on the left axis and, per
// calendar year, the interest and the principal (for savings: the payments) as two stacked bars
// on the right axis, with year labels and a legend. Drawn into a raster of any size, so that
// the window shows it at the screen's own pixels and a reader can check its pixels.
#include "finance/payment_plan.h"
#include "graph/canvas.h"

namespace qv {

// The chart's colours.
inline constexpr Rgb kChartBalance = RgbOf(0x1F, 0x4E, 0x9A);
inline constexpr Rgb kChartInterest = RgbOf(0xE0, 0x7B, 0x39);
inline constexpr Rgb kChartPrincipal = RgbOf(0x4C, 0xA6, 0x4C);
inline constexpr Rgb kChartGridLine = RgbOf(0xDD, 0xDD, 0xDD);

// Draws the chart over the whole canvas; `scale` is the canvas's pixels per pixel of the
// window (1 at 100 %, 1.5 at 150 %), by which lines, texts and margins grow.
void DrawPlanChart(Canvas& canvas, const PaymentPlan& plan, double scale);

}  // namespace qv
