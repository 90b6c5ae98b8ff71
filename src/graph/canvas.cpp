#include "graph/canvas.h"

#include <cairo.h>

#include <algorithm>
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

int64_t Near(int64_t v) {
  return std::clamp(v, -kFar, kFar);
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
}

void Canvas::CopyFrom(const Canvas& other) {
  for (int y = 0; y < std::min(height_, other.height_); ++y)
    std::memcpy(Row(y), other.Row(y), sizeof(uint32_t) * std::min(width_, other.width_));
}

void Canvas::SetPen(Rgb colour, PenMode mode) {
  pen_ = colour;
  mode_ = mode;
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

// Steps along the longer axis one pixel at a time, the other coordinate rounded to the
// nearest pixel. Only the steps whose pixel lies inside the picture along the longer axis are
// visited, so a line to a far point costs no more than one across the picture.
void Canvas::LineTo(int x, int y) {
  const int64_t x0 = penX_, y0 = penY_, x1 = Near(x), y1 = Near(y);
  MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return;
  const bool alongX = std::abs(dx) >= std::abs(dy);
  const int64_t start = alongX ? x0 : y0;
  const int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
  const int64_t extent = alongX ? width_ : height_;
  // The steps i with 0 <= start + direction * i < extent.
  int64_t first = direction > 0 ? -start : start - (extent - 1);
  int64_t last = direction > 0 ? extent - 1 - start : start;
  first = std::max<int64_t>(first, 0);
  last = std::min(last, steps - 1);
  for (int64_t i = first; i <= last; ++i) {
    const int64_t along = start + direction * i;
    if (alongX)
      Plot(along, y0 + RoundedQuotient(i * dy, steps));
    else
      Plot(x0 + RoundedQuotient(i * dx, steps), along);
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
  cairo_t* cr = cairo_create(surface_);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1);
  SetSource(cr, pen_);
  cairo_save(cr);
  cairo_translate(cr, (left + right) / 2.0, (top + bottom) / 2.0);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
  cairo_restore(cr);
  cairo_stroke(cr);
  cairo_destroy(cr);
  CairoEnd();
}

void Canvas::SetFont(Rgb colour, int points) {
  fontColour_ = colour;
  fontPoints_ = points;
}

void Canvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  CairoBegin();
  cairo_t* cr = cairo_create(surface_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, fontPoints_ * kPixelsPerPoint);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  SetSource(cr, fontColour_);
  cairo_move_to(cr, x, y + extents.ascent);
  cairo_show_text(cr, text.c_str());
  cairo_destroy(cr);
  CairoEnd();
}

}  // namespace qv
