#pragma once
// A raster the logic draws into and tests read pixel by pixel: an image surface in memory
// with a pen, a font and the pen position, in the manner of a classic drawing canvas. Lines
// of the 1-pixel pen are stepped here, so that their pixels are exactly defined: a line runs
// from the pen position to the given point and leaves that end pixel out, as the next line
// of a polyline starts there. Text and ellipses go through cairo without antialiasing, so the
// picture holds only the colours drawn.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// A 1-pixel line of a dotted or dash-dot-dot pen sets only the pixels of its pattern's dashes,
// counted from the line's start; wider pens draw solid lines.
enum class PenStyle { Solid, Dot, DashDotDot };

// A text written on the picture, as it was written.
struct CanvasText {
  int x = 0, y = 0;
  std::string text;
  Rgb colour = 0;
  int points = 8;
};

// A point with a fractional part, for shapes computed from a direction.
struct PointF {
  double x = 0, y = 0;
};

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
  // The same picture as `other` (of the same size), with its texts.
  void CopyFrom(const Canvas& other);
  // The texts written since the picture was last filled, in order (what a reader of the
  // picture sees written, without reading the pixels of the glyphs).
  const std::vector<CanvasText>& Texts() const { return texts_; }

  // The pen's colour and mode; its width and style stay.
  void SetPen(Rgb colour, PenMode mode = PenMode::Copy);
  // A pen wider than 1 is a square brush of that many pixels stepped along the line, its end
  // pixel included.
  void SetPenWidth(int width);
  void SetPenStyle(PenStyle style);
  // Black, solid, 1 pixel wide, copying.
  void ResetPen();
  Rgb PenColour() const { return pen_; }
  int PenWidth() const { return penWidth_; }
  PenStyle PenStyleNow() const { return penStyle_; }
  // The fill of shapes and the background of texts: a colour, or none (transparent).
  void SetBrush(Rgb colour);
  void ClearBrush();
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // The outline of the ellipse in the box from (left, top) to (right, bottom), the right and
  // bottom edges lying just outside, in the pen colour; the inside stays as it is.
  void Ellipse(int left, int top, int right, int bottom);
  // The sector of the ellipse in that box from the ray through `from` counter-clockwise to the
  // ray through `to`, filled with the brush and outlined in the pen colour. A sector whose two
  // rays are one has no area and draws nothing.
  void Pie(int left, int top, int right, int bottom, PointF from, PointF to);
  // The rectangle between two corners (either order; the right and bottom edges lie just
  // outside) with corners rounded by an ellipse of the given size, filled with the brush and
  // outlined in the pen's colour and style.
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  // The closed polygon through the points (rounded to pixels), filled with the brush and
  // outlined in the pen colour.
  void Polygon(const std::vector<PointF>& points);

  void SetFont(Rgb colour, int points);
  // The width in pixels a text takes in the current font, and the font's line height.
  int TextWidth(const std::string& text) const;
  int FontHeight() const;
  // Writes the text with its top left corner at (x, y), on the brush's colour (the text's
  // width by the font's height) or on a transparent background when there is no brush.
  void TextOut(int x, int y, const std::string& text);

 private:
  uint32_t* Row(int y) const;
  void Plot(int64_t x, int64_t y);
  // A pixel of a line: the pen's square brush, or one pixel when its pattern has a dash there.
  void PlotLinePixel(int64_t x, int64_t y, int64_t index);
  // Cairo draws into the same memory: what it draws must be flushed before the pixels are
  // read or written here, and what is written here must be announced before cairo draws.
  void CairoBegin() const;
  void CairoEnd() const;

  int width_, height_;
  cairo_surface_t* surface_;
  Rgb pen_ = 0;
  PenMode mode_ = PenMode::Copy;
  int penWidth_ = 1;
  PenStyle penStyle_ = PenStyle::Solid;
  std::optional<Rgb> brush_;
  std::vector<CanvasText> texts_;
  int penX_ = 0, penY_ = 0;
  Rgb fontColour_ = 0;
  int fontPoints_ = 8;
};

}  // namespace qv
