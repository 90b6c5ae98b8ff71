#include "graph/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace qv {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
// Points far beyond the picture are taken nearer, still far outside: the stepping below then
// works in 64-bit integers without overflow, and a line's visible part keeps its course.
constexpr int64_t kFar = int64_t{1} << 24;
// Texts are set as on a screen of 96 dots per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr const char* kFontFamily = "Liberation Sans";
constexpr double kPi = 3.14159265358979323846;

int64_t Near(int64_t v) {
  return std::clamp(v, -kFar, kFar);
}

// Corners of shapes drawn by cairo far outside are taken nearer, still outside: its fixed-point
// coordinates hold no more than about eight million.
constexpr int kFarCorner = 1 << 16;

int ShapeNear(double v) {
  return static_cast<int>(std::clamp(v, double{-kFarCorner}, double{kFarCorner}));
}

// a / b rounded to the nearest integer, halves upward; b > 0.
int64_t RoundedQuotient(int64_t a, int64_t b) {
  const int64_t num = 2 * a + b, den = 2 * b;
  return num >= 0 ? num / den : -((-num + den - 1) / den);
}

void SetSource(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

// The dashes of the styled pens as lengths of on and off in pixels, starting with on.
struct DashPattern {
  const double* lengths;
  int count;
  int period;
};

constexpr double kDot[] = {3, 3};
constexpr double kDashDotDot[] = {9, 3, 3, 3, 3, 3};

DashPattern PatternOf(PenStyle style) {
  if (style == PenStyle::Dot) return {kDot, 2, 6};
  return {kDashDotDot, 6, 24};
}

// Whether the pixel at this index from a line's start lies on a dash.
bool OnDash(PenStyle style, int64_t index) {
  if (style == PenStyle::Solid) return true;
  const DashPattern pattern = PatternOf(style);
  int64_t at = index % pattern.period;
  for (int i = 0; i < pattern.count; ++i) {
    if (at < pattern.lengths[i]) return i % 2 == 0;
    at -= static_cast<int64_t>(pattern.lengths[i]);
  }
  return false;
}

// A drawing context without antialiasing, so that shapes set whole pixels of their colours.
cairo_t* SharpContext(cairo_surface_t* surface) {
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1);
  return cr;
}

// The centre of a pixel in cairo's coordinates.
double Centre(double pixel) {
  return pixel + 0.5;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
  Fill(RgbOf(255, 255, 255));
}

Canvas::~Canvas() {
  cairo_surface_destroy(surface_);
}

uint32_t* Canvas::Row(int y) const {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) +
                                     static_cast<std::ptrdiff_t>(y) *
                                         cairo_image_surface_get_stride(surface_));
}

PixelView Canvas::View() const {
  return PixelView{Row(0), width_, height_, cairo_image_surface_get_stride(surface_)};
}

Rgb Canvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return RgbOf(255, 255, 255);
  return Row(y)[x] & 0xFFFFFFu;
}

void Canvas::Fill(Rgb colour) {
  for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, kOpaque | colour);
  texts_.clear();
}

void Canvas::CopyFrom(const Canvas& other) {
  for (int y = 0; y < std::min(height_, other.height_); ++y)
    std::memcpy(Row(y), other.Row(y), sizeof(uint32_t) * std::min(width_, other.width_));
  texts_ = other.texts_;
}

void Canvas::SetPen(Rgb colour, PenMode mode) {
  pen_ = colour;
  mode_ = mode;
}

void Canvas::SetPenWidth(int width) {
  penWidth_ = std::max(width, 1);
}

void Canvas::SetPenStyle(PenStyle style) {
  penStyle_ = style;
}

void Canvas::ResetPen() {
  SetPen(RgbOf(0, 0, 0));
  penWidth_ = 1;
  penStyle_ = PenStyle::Solid;
}

void Canvas::SetBrush(Rgb colour) {
  brush_ = colour;
}

void Canvas::ClearBrush() {
  brush_.reset();
}

void Canvas::Plot(int64_t x, int64_t y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint32_t& pixel = Row(static_cast<int>(y))[x];
  pixel = mode_ == PenMode::And ? pixel & (kOpaque | pen_) : kOpaque | pen_;
}

void Canvas::MoveTo(int x, int y) {
  penX_ = static_cast<int>(Near(x));
  penY_ = static_cast<int>(Near(y));
}

void Canvas::PlotLinePixel(int64_t x, int64_t y, int64_t index) {
  if (penWidth_ == 1) {
    if (OnDash(penStyle_, index)) Plot(x, y);
    return;
  }
  const int64_t low = -(penWidth_ - 1) / 2, high = penWidth_ / 2;
  for (int64_t dy = low; dy <= high; ++dy)
    for (int64_t dx = low; dx <= high; ++dx) Plot(x + dx, y + dy);
}

// Steps along the longer axis one pixel at a time, the other coordinate rounded to the
// nearest pixel. Only the steps whose pixel lies inside the picture along the longer axis (or
// whose brush reaches into it) are visited, so a line to a far point costs no more than one
// across the picture.
void Canvas::LineTo(int x, int y) {
  const int64_t x0 = penX_, y0 = penY_, x1 = Near(x), y1 = Near(y);
  MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t steps = std::max(std::abs(dx), std::abs(dy));
  const bool wide = penWidth_ > 1;
  if (steps == 0) {
    if (wide) PlotLinePixel(x0, y0, 0);
    return;
  }
  const bool alongX = std::abs(dx) >= std::abs(dy);
  const int64_t start = alongX ? x0 : y0;
  const int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
  const int64_t extent = alongX ? width_ : height_;
  const int64_t margin = wide ? penWidth_ : 0;
  // The steps i with -margin <= start + direction * i < extent + margin.
  int64_t first = (direction > 0 ? -start : start - (extent - 1)) - margin;
  int64_t last = (direction > 0 ? extent - 1 - start : start) + margin;
  first = std::max<int64_t>(first, 0);
  last = std::min(last, wide ? steps : steps - 1);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t along = start + direction * i;
    if (alongX)
      PlotLinePixel(along, y0 + RoundedQuotient(i * dy, steps), i);
    else
      PlotLinePixel(x0 + RoundedQuotient(i * dx, steps), along, i);
  }
}

void Canvas::CairoBegin() const {
  cairo_surface_mark_dirty(surface_);
}

void Canvas::CairoEnd() const {
  cairo_surface_flush(surface_);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const double rx = (right - left - 1) / 2.0, ry = (bottom - top - 1) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  CairoBegin();
  cairo_t* cr = SharpContext(surface_);
  SetSource(cr, pen_);
  cairo_save(cr);
  cairo_translate(cr, (left + right) / 2.0, (top + bottom) / 2.0);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_stroke(cr);
  cairo_destroy(cr);
  CairoEnd();
}

// The arc runs against the clock on the screen, which is the direction of falling angles in
// cairo's coordinates (rows grow downward).
void Canvas::Pie(int left, int top, int right, int bottom, PointF from, PointF to) {
  const double rx = (right - left - 1) / 2.0, ry = (bottom - top - 1) / 2.0;
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  const double start = std::atan2((Centre(from.y) - cy) / ry, (Centre(from.x) - cx) / rx);
  const double end = std::atan2((Centre(to.y) - cy) / ry, (Centre(to.x) - cx) / rx);
  if (start == end) return;
  CairoBegin();
  cairo_t* cr = SharpContext(surface_);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_move_to(cr, 0, 0);
  cairo_arc_negative(cr, 0, 0, 1, start, end);
  cairo_close_path(cr);
  cairo_restore(cr);
  if (brush_) {
    SetSource(cr, *brush_);
    cairo_fill_preserve(cr);
  }
  SetSource(cr, pen_);
  cairo_stroke(cr);
  cairo_destroy(cr);
  CairoEnd();
}

namespace {

// A rectangle with corners rounded by quarter ellipses of radii rx, ry.
void RoundedPath(cairo_t* cr, double left, double top, double right, double bottom, double rx,
                 double ry) {
  const auto corner = [cr, rx, ry](double x, double y, double from) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, from + kPi / 2);
    cairo_restore(cr);
  };
  cairo_new_path(cr);
  corner(right - rx, top + ry, -kPi / 2);
  corner(right - rx, bottom - ry, 0);
  corner(left + rx, bottom - ry, kPi / 2);
  corner(left + rx, top + ry, kPi);
  cairo_close_path(cr);
}

}  // namespace

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  const int left = ShapeNear(std::min(x1, x2)), right = ShapeNear(std::max(x1, x2));
  const int top = ShapeNear(std::min(y1, y2)), bottom = ShapeNear(std::max(y1, y2));
  if (right - left < 1 || bottom - top < 1) return;
  const auto radius = [](int corner, int side) {
    return std::clamp(corner / 2.0, 1e-3, std::max(side / 2.0, 1e-3));
  };
  CairoBegin();
  cairo_t* cr = SharpContext(surface_);
  if (brush_) {
    // The fill covers every pixel of the shape, also those between the outline's dots.
    RoundedPath(cr, left, top, right, bottom, radius(cornerWidth, right - left),
                radius(cornerHeight, bottom - top));
    SetSource(cr, *brush_);
    cairo_fill(cr);
  }
  // The outline runs through the centres of the outermost pixels.
  const int width = right - left - 1, height = bottom - top - 1;
  RoundedPath(cr, Centre(left), Centre(top), Centre(right - 1), Centre(bottom - 1),
              radius(cornerWidth, width), radius(cornerHeight, height));
  if (penStyle_ != PenStyle::Solid) {
    const DashPattern pattern = PatternOf(penStyle_);
    cairo_set_dash(cr, pattern.lengths, pattern.count, 0);
  }
  SetSource(cr, pen_);
  cairo_stroke(cr);
  cairo_destroy(cr);
  CairoEnd();
}

void Canvas::Polygon(const std::vector<PointF>& points) {
  if (points.empty()) return;
  std::vector<std::pair<int, int>> pixels;
  for (const PointF& p : points)
    pixels.emplace_back(ShapeNear(std::nearbyint(std::clamp(p.x, -1e9, 1e9))),
                        ShapeNear(std::nearbyint(std::clamp(p.y, -1e9, 1e9))));
  if (brush_) {
    CairoBegin();
    cairo_t* cr = SharpContext(surface_);
    for (const auto& [x, y] : pixels) cairo_line_to(cr, Centre(x), Centre(y));
    cairo_close_path(cr);
    SetSource(cr, *brush_);
    cairo_fill(cr);
    cairo_destroy(cr);
    CairoEnd();
  }
  MoveTo(pixels.back().first, pixels.back().second);
  for (const auto& [x, y] : pixels) LineTo(x, y);
}

void Canvas::SetFont(Rgb colour, int points) {
  fontColour_ = colour;
  fontPoints_ = points;
}

namespace {

// A context whose font is the canvas font of that size, set without antialiasing.
cairo_t* TextContext(cairo_surface_t* surface, int points) {
  cairo_t* cr = SharpContext(surface);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, points * kPixelsPerPoint);
  return cr;
}

}  // namespace

int Canvas::TextWidth(const std::string& text) const {
  cairo_t* cr = TextContext(surface_, fontPoints_);
  cairo_text_extents_t size;
  cairo_text_extents(cr, text.c_str(), &size);
  cairo_destroy(cr);
  return static_cast<int>(std::ceil(size.x_advance));
}

int Canvas::FontHeight() const {
  cairo_t* cr = TextContext(surface_, fontPoints_);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  cairo_destroy(cr);
  return static_cast<int>(std::ceil(extents.height));
}

void Canvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  texts_.push_back({x, y, text, fontColour_, fontPoints_});
  CairoBegin();
  cairo_t* cr = TextContext(surface_, fontPoints_);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  if (brush_) {
    cairo_text_extents_t size;
    cairo_text_extents(cr, text.c_str(), &size);
    cairo_rectangle(cr, x, y, std::ceil(size.x_advance), std::ceil(extents.height));
    SetSource(cr, *brush_);
    cairo_fill(cr);
  }
  SetSource(cr, fontColour_);
  cairo_move_to(cr, x, y + extents.ascent);
  cairo_show_text(cr, text.c_str());
  cairo_destroy(cr);
  CairoEnd();
}

}  // namespace qv
