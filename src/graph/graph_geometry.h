#pragma once
// The drawing area of the graph and its coordinates: 401 x 401 pixels with the axes crossing
// in the middle, Z units to either side, and the colours of its parts.
#include "graph/canvas.h"
#include "platform/numbers.h"

namespace qv {

constexpr int kGraphSize = 401;               // W = H
constexpr int kGraphCentre = kGraphSize / 2;  // cx = H div 2, cy = W div 2

constexpr Rgb kGraphWhite = RgbOf(255, 255, 255);
constexpr Rgb kGridColour = RgbOf(239, 239, 239);
constexpr Rgb kAxisColour = RgbOf(128, 128, 128);
constexpr Rgb kCurveRed = RgbOf(255, 0, 0);
constexpr Rgb kMarkerBlack = RgbOf(0, 0, 0);
constexpr Rgb kIntersectionBlue = RgbOf(0, 0, 255);

// A coordinate rounded to the nearest pixel, halves to the even neighbour. A value far
// outside the picture (or not a number) gives a pixel far outside, never an overflow.
int PixelOf(Extended value);

// The zoom Z, the pixels per unit and the angle factor A (90 in degree mode: one unit of the
// x-axis stands for 90 degrees).
struct GraphScale {
  int zoom = 5;
  int ppu = 40;
  Extended angle = 1;

  // The column of a position given in units of the x-axis (an x already divided by A).
  int Column(Extended units) const { return kGraphCentre + PixelOf(ppu * units); }
  int Row(Extended y) const { return PixelOf(kGraphCentre - ppu * y); }
  // The x the sample of column offset m evaluates.
  Extended SampleX(int m) const { return static_cast<Extended>(m) / ppu * angle; }
};

GraphScale ScaleFor(int zoom, bool degrees);

// The curve colour of a term at this position of the term history while curves are held;
// -1 for a term not in the history.
Rgb CurveColour(int historyPosition);

}  // namespace qv
