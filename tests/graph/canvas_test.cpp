// The raster the graph draws into: exactly which pixels a line sets, lines to points far
// outside, the AND pen that only darkens, and texts and ellipses placed by their box.
#include "graph/canvas.h"

#include <gtest/gtest.h>

#include <string>
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

// A wide pen is a square brush along the line, its end included: a line 3 wide from (5, 2)
// down to (5, 8) covers columns 4 to 6 from row 1 to row 9; a pen 2 wide reaches right and
// down.
TEST(CanvasTest, AWidePenCoversItsWidthAndTheEnd) {
  Canvas canvas(12, 12);
  canvas.SetPen(kRed);
  canvas.SetPenWidth(3);
  canvas.MoveTo(5, 2);
  canvas.LineTo(5, 8);
  const auto pixels = PixelsOf(canvas, kRed);
  EXPECT_EQ(pixels.size(), 3u * 9u);
  EXPECT_EQ(pixels.front(), std::make_pair(4, 1));
  EXPECT_EQ(pixels.back(), std::make_pair(6, 9));
  Canvas two(12, 12);
  two.SetPen(kRed);
  two.SetPenWidth(2);
  two.MoveTo(3, 3);
  two.LineTo(3, 3);
  EXPECT_EQ(PixelsOf(two, kRed),
            (std::vector<std::pair<int, int>>{{3, 3}, {4, 3}, {3, 4}, {4, 4}}));
}

// The dotted pen sets 3 pixels and leaves 3, the dash-dot-dot pen 9, 3, 3, 3, 3, 3, counted from
// each line's start; a wide pen ignores the style.
TEST(CanvasTest, StyledPensSetTheirPatternFromEachLinesStart) {
  const auto row = [](PenStyle style, int width) {
    Canvas canvas(30, 5);
    canvas.SetPen(kRed);
    canvas.SetPenStyle(style);
    canvas.SetPenWidth(width);
    canvas.MoveTo(0, 2);
    canvas.LineTo(29, 2);
    std::string pattern;
    for (int x = 0; x < 29; ++x) pattern += canvas.Pixel(x, 2) == kRed ? '#' : '.';
    return pattern;
  };
  EXPECT_EQ(row(PenStyle::Dot, 1), "###...###...###...###...###..");
  EXPECT_EQ(row(PenStyle::DashDotDot, 1), "#########...###...###...#####");
  EXPECT_EQ(row(PenStyle::Dot, 3), std::string(29, '#'));
}

// A sector runs against the clock from its first ray to its second; one ray twice is no sector.
TEST(CanvasTest, APieFillsItsSectorOnly) {
  Canvas canvas(41, 41);
  canvas.SetPen(kWhite);
  canvas.SetBrush(kRed);
  // The quarter from the ray to the right up to the ray to the top, around (20, 20).
  canvas.Pie(0, 0, 41, 41, {40, 20}, {20, 0});
  EXPECT_EQ(canvas.Pixel(28, 12), kRed);
  EXPECT_EQ(canvas.Pixel(12, 12), kWhite);
  EXPECT_EQ(canvas.Pixel(28, 28), kWhite);
  EXPECT_EQ(canvas.Pixel(38, 2), kWhite);  // outside the circle
  Canvas none(41, 41);
  none.SetBrush(kRed);
  none.Pie(0, 0, 41, 41, {40, 20}, {40, 20});
  EXPECT_TRUE(PixelsOf(none, kRed).empty());
}

// A filled rounded rectangle covers its inside, leaves its corners outside the rounding, and its
// outline dotted; the outline lies on its outermost pixels, the right and bottom edges outside.
TEST(CanvasTest, ARoundRectCoversItsInsideWithinItsRoundedCorners) {
  Canvas canvas(60, 40);
  canvas.SetPen(kRed);
  canvas.MoveTo(0, 20);
  canvas.LineTo(60, 20);
  const Rgb silver = RgbOf(192, 192, 192);
  canvas.SetPen(silver);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.SetBrush(kWhite);
  canvas.RoundRect(50, 30, 10, 10, 20, 20);  // corners in either order
  EXPECT_EQ(canvas.Pixel(30, 20), kWhite);   // the red line is covered inside
  EXPECT_EQ(canvas.Pixel(5, 20), kRed);
  EXPECT_EQ(canvas.Pixel(10, 10), kWhite);  // the rounded-off corner stays
  EXPECT_EQ(canvas.Pixel(50, 20), kRed);    // the right edge lies outside
  int outline = 0, gaps = 0;
  for (int x = 20; x < 40; ++x) (canvas.Pixel(x, 10) == silver ? outline : gaps) += 1;
  EXPECT_GT(outline, 5);
  EXPECT_GT(gaps, 5);
  for (int x = 20; x < 40; ++x) EXPECT_NE(canvas.Pixel(x, 9), silver);
}

// A filled polygon with its outline through its corners.
TEST(CanvasTest, APolygonIsFilledAndOutlined) {
  Canvas canvas(20, 20);
  canvas.SetPen(kRed);
  canvas.SetBrush(kRed);
  canvas.Polygon({{15, 10}, {7, 14}, {7, 6}});
  for (const auto& [x, y] : {std::pair{15, 10}, {7, 14}, {7, 6}, {10, 10}, {8, 9}})
    EXPECT_EQ(canvas.Pixel(x, y), kRed) << x << "," << y;
  EXPECT_EQ(canvas.Pixel(6, 10), kWhite);
  EXPECT_EQ(canvas.Pixel(15, 12), kWhite);
}

// With a brush the text stands on a box of its width and the font's height; the picture keeps
// the texts written on it until it is filled, and a copy takes them along.
TEST(CanvasTest, TextOnABrushCoversItsBoxAndIsRecorded) {
  Canvas canvas(80, 30);
  canvas.SetPen(kRed);
  canvas.MoveTo(0, 8);
  canvas.LineTo(80, 8);
  canvas.SetFont(RgbOf(0, 0, 255), 10);
  canvas.SetBrush(kWhite);
  canvas.TextOut(2, 2, "Hallo");
  EXPECT_EQ(canvas.Pixel(0, 8), kRed);
  EXPECT_EQ(canvas.Pixel(79, 8), kRed);
  int covered = 0;
  for (int x = 2; x < 20; ++x) covered += canvas.Pixel(x, 8) != kRed;
  EXPECT_EQ(covered, 18);
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(canvas.Texts()[0].text, "Hallo");
  EXPECT_EQ(canvas.Texts()[0].points, 10);
  Canvas copy(80, 30);
  copy.CopyFrom(canvas);
  EXPECT_EQ(copy.Texts().size(), 1u);
  canvas.Fill(kWhite);
  EXPECT_TRUE(canvas.Texts().empty());
}

}  // namespace
}  // namespace qv
