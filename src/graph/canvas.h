#pragma once
// A raster the logic draws into and tests read pixel by pixel: an image surface in memory
// with a pen, a font and the pen position, in the manner of a classic drawing canvas. Lines
// of the 1-pixel pen are stepped here, so that their pixels are exactly defined: a line runs
// from the pen position to the given point and leaves that end pixel out, as the next line
// of a polyline starts there. Text and ellipses go through cairo without antialiasing, so the
// picture holds only the colours drawn.
#include <cstdint>
#include <string>

#include "platform/controls.h"

typedef struct _cairo_surface cairo_surface_t;

namespace qv {

// A colour as 0xRRGGBB.
using Rgb = uint32_t;

constexpr Rgb RgbOf(int red, int green, int blue) {
  return static_cast<Rgb>(red << 16 | green << 8 | blue);
}

// Copy sets the pen's colour; And combines it bitwise with the pixel, so a light line only
// darkens what lies under it.
enum class PenMode { Copy, And };

class Canvas {
 public:
  // A white picture.
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The memory of the picture, valid as long as the canvas lives.
  PixelView View() const;
  // The colour of a pixel; white outside the picture.
  Rgb Pixel(int x, int y) const;

  void Fill(Rgb colour);
  // The same picture as `other` (of the same size).
  void CopyFrom(const Canvas& other);

  void SetPen(Rgb colour, PenMode mode = PenMode::Copy);
  Rgb PenColour() const { return pen_; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // The outline of the ellipse in the box from (left, top) to (right, bottom), the right and
  // bottom edges lying just outside, in the pen colour; the inside stays as it is.
  void Ellipse(int left, int top, int right, int bottom);

  void SetFont(Rgb colour, int points);
  // Writes the text with its top left corner at (x, y), on a transparent background.
  void TextOut(int x, int y, const std::string& text);

 private:
  uint32_t* Row(int y) const;
  void Plot(int64_t x, int64_t y);
  // Cairo draws into the same memory: what it draws must be flushed before the pixels are
  // read or written here, and what is written here must be announced before cairo draws.
  void CairoBegin() const;
  void CairoEnd() const;

  int width_, height_;
  cairo_surface_t* surface_;
  Rgb pen_ = 0;
  PenMode mode_ = PenMode::Copy;
  int penX_ = 0, penY_ = 0;
  Rgb fontColour_ = 0;
  int fontPoints_ = 8;
};

}  // namespace qv
