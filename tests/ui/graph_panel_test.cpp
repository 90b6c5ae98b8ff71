// The graph panel through real widgets: the window grows by the panel, the drawing area shows
// the logic's raster pixel for pixel, and the mouse on it reaches the logic in picture pixels.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/raster_view.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

class GraphPanelTest : public UiTest {
 protected:
  // The function-term panel with the term, and the graph beside it.
  void OpenGraph(const char* term) {
    binder.ActionOf(form.Funktionen1)->trigger();
    binder.Run([&] { form.Frame71.ComboBox1.SetText(term); });
    QTest::mouseClick(&PanelWidget("Frame71", "Button2"), Qt::LeftButton);
    ASSERT_TRUE(Widget("Frame21").isVisible());
  }
  RasterView& Raster() { return PanelWidget<RasterView>("Frame21", "Image1"); }

  // Every pixel the widget paints is the logic's pixel.
  void ExpectShownEqualsRaster() {
    const QImage shown = Raster().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Canvas& picture = form.Frame21.Picture;
    ASSERT_EQ(shown.width(), picture.Width());
    ASSERT_EQ(shown.height(), picture.Height());
    int differing = 0;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x)
        differing += (shown.pixel(x, y) & 0xFFFFFFu) != picture.Pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
};

TEST_F(GraphPanelTest, TheWindowGrowsAndTheDrawingAreaShowsTheRaster) {
  EXPECT_EQ(binder.Unbound(form.Frame21), std::vector<std::string>{});
  const int closed = frontend.Window().width();
  OpenGraph("x^2");
  EXPECT_EQ(frontend.Window().width(), closed + form.Frame21.Width());
  EXPECT_EQ(PanelWidget<QPushButton>("Frame71", "Button2").text(), QStringLiteral("< Graph"));
  EXPECT_EQ(form.Frame21.Picture.Pixel(240, 160), RgbOf(255, 0, 0));
  ExpectShownEqualsRaster();
  // Another zoom row redraws, and the widget shows the new picture.
  auto& zoom = PanelWidget<QComboBox>("Frame21", "ComboBox1");
  zoom.activated(2);
  EXPECT_EQ(form.Frame21.Zoom(), 3);
  ExpectShownEqualsRaster();
  QTest::mouseClick(&PanelWidget("Frame71", "Button2"), Qt::LeftButton);
  EXPECT_FALSE(Widget("Frame21").isVisible());
  EXPECT_EQ(frontend.Window().width(), closed);
}

TEST_F(GraphPanelTest, TheMouseOnThePicturePlacesAnIntersectionLabel) {
  OpenGraph("x^2");
  binder.Run([&] {
    form.Frame21.Halten.Click();
    form.Frame21.SnP.Click();
    form.Frame71.ComboBox1.SetText("x");
    form.Frame71.Button1.Click();
  });
  EXPECT_EQ(PanelWidget<QLabel>("Frame21", "Label6").text(), QStringLiteral("x1 =  0,   y1 = 0"));
  EXPECT_EQ(frontend.Window().windowTitle(), QStringLiteral("Quorvel (R1)"));
  binder.ActionOf(form.Frame21.Markieren1)->trigger();
  EXPECT_EQ(frontend.Window().cursor().shape(), Qt::DragCopyCursor);
  const Canvas& picture = form.Frame21.Picture;
  const auto blueIn = [&picture](int left, int top, int right, int bottom) {
    int blue = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) blue += picture.Pixel(x, y) == RgbOf(0, 0, 255);
    return blue;
  };
  EXPECT_EQ(blueIn(40, 290, 200, 330), 0);
  QTest::mouseMove(&Raster(), QPoint(40, 300));
  QTest::mouseClick(&Raster(), Qt::LeftButton, {}, QPoint(40, 300));
  EXPECT_EQ(form.Frame21.MouseX, 40);
  EXPECT_EQ(form.Frame21.MouseY, 300);
  EXPECT_GT(blueIn(40, 290, 200, 330), 0);
  EXPECT_EQ(frontend.Window().cursor().shape(), Qt::ArrowCursor);
  ExpectShownEqualsRaster();
}

}  // namespace
}  // namespace qv::ui
