#pragma once
// The desktop's screens, and where a window shows on them.
#include <vector>

namespace qv {

// A rectangle of the desktop in pixels: a window, or the free area of a screen (without the
// desktop's panels).
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;

  bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
  int left = 0, top = 0;

  bool operator==(const ScreenPoint&) const = default;
};

// Where the window goes on the free areas of the screens: where it is when any part of it lies
// in one of them with its top edge (the title bar, by which it is moved) in that area too, else
// at the nearest place that lies wholly in one (its top-left corner at the area's when the
// window is larger), or, for a window whose title bar is above the area it reaches into, just
// as far down as brings the title bar in. Without screens it stays where it is.
ScreenPoint VisiblePlace(const ScreenRect& window, const std::vector<ScreenRect>& screens);

}  // namespace qv
