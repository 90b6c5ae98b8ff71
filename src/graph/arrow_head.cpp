#include "graph/arrow_head.h"

#include <cmath>

#include "platform/numbers.h"

namespace qv {

namespace {

constexpr Extended kHeadLength = 8;
constexpr Extended kHalfWidth = 4;
constexpr Extended kShortest = 0.01L;

}  // namespace

std::optional<std::array<PointF, 3>> ArrowHead(PointF p, PointF e) {
  const Extended dx = static_cast<Extended>(e.x) - p.x, dy = static_cast<Extended>(e.y) - p.y;
  const Extended length = std::hypot(dx, dy);
  if (!(length >= kShortest)) return std::nullopt;
  const Extended along = (length - kHeadLength) / length;
  const Extended bx = p.x + along * dx, by = p.y + along * dy;
  // The unit vector across the shaft.
  const Extended nx = -dy / length, ny = dx / length;
  const auto point = [](Extended x, Extended y) {
    return PointF{static_cast<double>(x), static_cast<double>(y)};
  };
  return std::array<PointF, 3>{e, point(bx + kHalfWidth * nx, by + kHalfWidth * ny),
                               point(bx - kHalfWidth * nx, by - kHalfWidth * ny)};
}

}  // namespace qv
