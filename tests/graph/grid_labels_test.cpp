// The grid of each zoom row: steps per direction, step and half step in pixels, and the axis
// numbers in radians and in degrees.
#include <gtest/gtest.h>

#include <string>

#include "graph/graph_grid.h"

namespace qv {
namespace {

struct GridCase {
  int zoom;
  bool degrees;
  GridSteps steps;
  int k;
  const char* yLabel;
  const char* xLabel;
};

class GridLabelsTest : public testing::TestWithParam<GridCase> {};

TEST_P(GridLabelsTest, StepsAndNumbers) {
  const GridCase& c = GetParam();
  const GraphScale scale = ScaleFor(c.zoom, c.degrees);
  const GridSteps steps = GridStepsFor(scale);
  EXPECT_EQ(steps.count, c.steps.count);
  EXPECT_EQ(steps.step, c.steps.step);
  EXPECT_EQ(steps.half, c.steps.half);
  EXPECT_EQ(YAxisLabel(scale, c.k), c.yLabel);
  EXPECT_EQ(XAxisLabel(scale, c.k), c.xLabel);
}

INSTANTIATE_TEST_SUITE_P(ZoomRows, GridLabelsTest,
                         testing::Values(GridCase{1, false, {20, 20, 10}, 1, "  0,1", "  0,1"},
                                         GridCase{1, true, {20, 20, 10}, 10, "  1,0", "   90"},
                                         GridCase{2, false, {10, 20, 10}, 1, "  0,2", "  0,2"},
                                         GridCase{2, true, {10, 20, 10}, 5, "  1,0", "   90"},
                                         GridCase{5, true, {15, 40, 20}, 15, "15", "1350"},
                                         GridCase{7, false, {15, 28, 14}, 15, "15", "15"},
                                         GridCase{14, false, {15, 14, 7}, 3, "3", "3"},
                                         GridCase{15, false, {10, 65, 32}, 2, "10", "10"},
                                         GridCase{50, false, {10, 40, 20}, 1, "10", "10"},
                                         GridCase{100, true, {10, 20, 10}, 10, "100", "9000"},
                                         GridCase{200, false, {10, 20, 10}, 10, "200", "200"}),
                         [](const auto& info) {
                           return "Z" + std::to_string(info.param.zoom) +
                                  (info.param.degrees ? "Degrees" : "");
                         });

}  // namespace
}  // namespace qv
