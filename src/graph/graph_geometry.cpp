#include "graph/graph_geometry.h"

#include <array>
#include <cmath>

namespace qv {

namespace {

// Far outside the picture, yet small enough for any pixel arithmetic.
constexpr Extended kFarPixel = 1 << 20;

}  // namespace

int PixelOf(Extended value) {
  if (std::isnan(value)) return static_cast<int>(kFarPixel);
  if (value > kFarPixel) value = kFarPixel;
  if (value < -kFarPixel) value = -kFarPixel;
  // The default rounding mode takes halves to the even neighbour.
  return static_cast<int>(std::nearbyint(value));
}

GraphScale ScaleFor(int zoom, bool degrees) {
  if (zoom < 1) zoom = 1;
  if (zoom > kGraphCentre) zoom = kGraphCentre;
  return GraphScale{zoom, kGraphCentre / zoom, degrees ? Extended{90} : Extended{1}};
}

Rgb CurveColour(int historyPosition) {
  static constexpr std::array<Rgb, 11> kColours = {
      RgbOf(255, 0, 0), RgbOf(0, 128, 0),   RgbOf(255, 0, 255), RgbOf(216, 122, 61),
      RgbOf(128, 0, 0), RgbOf(0, 255, 255), RgbOf(128, 0, 128), RgbOf(0, 255, 0),
      RgbOf(0, 0, 255), RgbOf(255, 0, 0),   RgbOf(255, 0, 0)};
  if (historyPosition < 0) return kCurveRed;
  if (historyPosition >= static_cast<int>(kColours.size())) return RgbOf(0, 0, 0);
  return kColours[historyPosition];
}

}  // namespace qv
