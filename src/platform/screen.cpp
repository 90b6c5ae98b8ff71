#include "platform/screen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qv {

namespace {

// In 64 bits: a stored position may lie near the end of the int range.
bool Meets(const ScreenRect& a, const ScreenRect& b) {
  const auto reaches = [](int64_t start1, int64_t length1, int64_t start2, int64_t length2) {
    return start1 < start2 + length2 && start2 < start1 + length1;
  };
  return reaches(a.left, a.width, b.left, b.width) && reaches(a.top, a.height, b.top, b.height);
}

// The start nearest to `start` that keeps `length` within the area's range.
int Clamped(int start, int length, int areaStart, int areaLength) {
  const int64_t last = std::max<int64_t>(areaStart, int64_t{areaStart} + areaLength - length);
  return static_cast<int>(std::clamp<int64_t>(start, areaStart, last));
}

}  // namespace

ScreenPoint VisiblePlace(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
  for (const ScreenRect& screen : screens)
    if (Meets(window, screen) && window.top >= screen.top) return {window.left, window.top};
  ScreenPoint best{window.left, window.top};
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const ScreenRect& screen : screens) {
    const ScreenPoint place =
        Meets(window, screen)
            ? ScreenPoint{window.left, screen.top}
            : ScreenPoint{Clamped(window.left, window.width, screen.left, screen.width),
                          Clamped(window.top, window.height, screen.top, screen.height)};
    const double dx = static_cast<double>(place.left) - window.left;
    const double dy = static_cast<double>(place.top) - window.top;
    if (dx * dx + dy * dy < bestDistance) {
      bestDistance = dx * dx + dy * dy;
      best = place;
    }
  }
  return best;
}

}  // namespace qv
