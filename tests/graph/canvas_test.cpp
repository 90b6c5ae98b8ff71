// The raster the graph draws into: exactly which pixels a line sets, lines to points far
// outside, the AND pen that only darkens, and texts and ellipses placed by their box.
#include "graph/canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

constexpr Rgb kWhite = RgbOf(255, 255, 255);
constexpr Rgb kRed = RgbOf(255, 0, 0);

// The pixels of a colour, as (x, y) pairs in row order.
std::vector<std::pair<int, int>> PixelsOf(const Canvas& canvas, Rgb colour) {
  std::vector<std::pair<int, int>> found;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) == colour) found.emplace_back(x, y);
  return found;
}

TEST(CanvasTest, ALineLeavesItsEndPixelToTheNextLine) {
  Canvas canvas(20, 20);
  canvas.SetPen(kRed);
  canvas.MoveTo(2, 5);
  canvas.LineTo(6, 5);
  EXPECT_EQ(PixelsOf(canvas, kRed),
            (std::vector<std::pair<int, int>>{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
  // The next line of the polyline starts where the last one ended.
  canvas.LineTo(6, 8);
  EXPECT_EQ(canvas.Pixel(6, 5), kRed);
  EXPECT_EQ(canvas.Pixel(6, 7), kRed);
  EXPECT_EQ(canvas.Pixel(6, 8), kWhite);
  // A line to the pen position draws nothing.
  canvas.LineTo(6, 8);
  EXPECT_EQ(canvas.Pixel(6, 8), kWhite);
}

TEST(CanvasTest, ADiagonalLineSetsOnePixelPerStepOfItsLongerAxis) {
  Canvas canvas(20, 20);
  canvas.SetPen(kRed);
  canvas.MoveTo(1, 1);
  canvas.LineTo(5, 13);
  const auto pixels = PixelsOf(canvas, kRed);
  ASSERT_EQ(pixels.size(), 12u);
  for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(pixels[i].second, 1 + static_cast<int>(i));
  EXPECT_EQ(pixels.front(), std::make_pair(1, 1));
  EXPECT_EQ(pixels.back().first, 5);
}

// A curve that leaves the picture by a pole goes to a point millions of pixels away: only the
// part inside is stepped, and it is the same part a line to the nearer point would draw.
TEST(CanvasTest, ALineToAFarPointDrawsItsVisiblePartOnly) {
  Canvas far(401, 401), near(401, 401);
  far.SetPen(kRed);
  near.SetPen(kRed);
  far.MoveTo(100, 200);
  far.LineTo(100 + 2'000'000, 200 + 4'000'000);
  near.MoveTo(100, 200);
  near.LineTo(300, 600);
  EXPECT_EQ(PixelsOf(far, kRed), PixelsOf(near, kRed));
  // Beyond any pixel arithmetic, and entirely outside: nothing, and no time.
  Canvas outside(401, 401);
  outside.SetPen(kRed);
  outside.MoveTo(-2'000'000'000, -2'000'000'000);
  outside.LineTo(2'000'000'000, -1'999'999'000);
  EXPECT_TRUE(PixelsOf(outside, kRed).empty());
}

TEST(CanvasTest, TheAndPenOnlyDarkens) {
  Canvas canvas(10, 10);
  canvas.SetPen(kRed);
  canvas.MoveTo(0, 3);
  canvas.LineTo(10, 3);
  canvas.SetPen(RgbOf(239, 239, 239), PenMode::And);
  canvas.MoveTo(4, 0);
  canvas.LineTo(4, 10);
  EXPECT_EQ(canvas.Pixel(4, 0), RgbOf(239, 239, 239));  // white under it
  EXPECT_EQ(canvas.Pixel(4, 3), RgbOf(239, 0, 0));      // the red line stays red
}

TEST(CanvasTest, TextStartsAtItsTopLeftCorner) {
  Canvas canvas(60, 40);
  canvas.SetFont(RgbOf(128, 128, 128), 9);
  canvas.TextOut(10, 12, "15");
  const auto pixels = PixelsOf(canvas, RgbOf(128, 128, 128));
  ASSERT_FALSE(pixels.empty());
  int left = 60, top = 40, bottom = 0;
  for (const auto& [x, y] : pixels) {
    left = std::min(left, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  // Digits of a 9-point font (12 pixels) stand a little below the top of their line.
  EXPECT_GE(left, 10);
  EXPECT_LE(left, 12);
  EXPECT_GE(top, 12);
  EXPECT_LE(bottom, 12 + 12);
  // Without antialiasing the text has only its own colour.
  EXPECT_EQ(PixelsOf(canvas, kWhite).size() + pixels.size(), 60u * 40u);
}

TEST(CanvasTest, AnEllipseKeepsInsideItsBox) {
  Canvas canvas(40, 40);
  canvas.SetPen(RgbOf(0, 0, 255));
  canvas.Ellipse(12, 12, 28, 28);  // a circle of radius 8 around (20, 20)
  const auto pixels = PixelsOf(canvas, RgbOf(0, 0, 255));
  ASSERT_FALSE(pixels.empty());
  for (const auto& [x, y] : pixels) {
    EXPECT_GE(x, 12);
    EXPECT_LT(x, 28);
    EXPECT_GE(y, 12);
    EXPECT_LT(y, 28);
  }
  EXPECT_EQ(canvas.Pixel(20, 12), RgbOf(0, 0, 255));  // its top
  EXPECT_EQ(canvas.Pixel(20, 20), kWhite);            // not filled
}

TEST(CanvasTest, ACopyIsTheWholePicture) {
  Canvas picture(30, 30), copy(30, 30);
  picture.SetPen(kRed);
  picture.MoveTo(0, 0);
  picture.LineTo(30, 30);
  copy.CopyFrom(picture);
  EXPECT_EQ(PixelsOf(copy, kRed), PixelsOf(picture, kRed));
}

}  // namespace
}  // namespace qv
