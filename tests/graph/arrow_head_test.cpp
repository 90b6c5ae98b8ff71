// The head of an arrow: the tip, and two corners 4 pixels across the shaft at the point 8
// pixels before the tip; behind the start for a short arrow; none under 0.01 pixels.
#include "graph/arrow_head.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ArrowHeadTest, CornersLieAcrossTheShaftEightPixelsBeforeTheTip) {
  const struct {
    PointF p, e, q1, q2;
  } cases[] = {
      {{100, 100}, {200, 100}, {192, 104}, {192, 96}},  // to the right
      {{350, 100}, {350, 20}, {354, 28}, {346, 28}},    // upward
      {{0, 0}, {30, 40}, {22.0, 36.0}, {28.4, 31.2}},   // B at (25.2, 33.6)
      {{60, 300}, {65, 300}, {57, 304}, {57, 296}},     // 5 pixels: B 3 behind the start
  };
  for (const auto& c : cases) {
    const auto head = ArrowHead(c.p, c.e);
    ASSERT_TRUE(head);
    EXPECT_DOUBLE_EQ((*head)[0].x, c.e.x);
    EXPECT_DOUBLE_EQ((*head)[0].y, c.e.y);
    EXPECT_NEAR((*head)[1].x, c.q1.x, 1e-9);
    EXPECT_NEAR((*head)[1].y, c.q1.y, 1e-9);
    EXPECT_NEAR((*head)[2].x, c.q2.x, 1e-9);
    EXPECT_NEAR((*head)[2].y, c.q2.y, 1e-9);
  }
}

TEST(ArrowHeadTest, NoHeadUnderAHundredthOfAPixel) {
  EXPECT_FALSE(ArrowHead({5, 5}, {5, 5}));
  EXPECT_FALSE(ArrowHead({0, 0}, {0.0099, 0}));
  EXPECT_TRUE(ArrowHead({0, 0}, {0, 0.01}));
}

}  // namespace
}  // namespace qv
