// The graph panel through real widgets: the window grows by the panel, the drawing area shows
// the logic's raster pixel for pixel, and the mouse on it reaches the logic in picture pixels.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
  void ExpectShownEqualsRaster() { ExpectEqualsRaster(Raster().grab().toImage()); }
  void ExpectEqualsRaster(const QImage& image) {
    const QImage shown = image.convertToFormat(QImage::Format_RGB32);
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

// Beside the trigonometry panel: a press on the radius box gives it the keyboard with its text
// selected, Enter hands the keyboard back and the result follows; a click on the result box
// gives the keyboard to "=".
TEST_F(GraphPanelTest, TheRadiusBoxTakesTheKeyboardUntilEnter) {
  QTest::keyClicks(&frontend.Window(), "r30");
  QTest::mouseClick(&PanelWidget("Frame11", "Button1"), Qt::LeftButton);
  QTest::mouseClick(&PanelWidget("Frame11", "Button7"), Qt::LeftButton);
  ASSERT_TRUE(Widget("Frame21").isVisible());
  auto& radius = PanelWidget<QLineEdit>("Frame21", "Edit1");
  auto& result = PanelWidget<QLineEdit>("Frame21", "Edit2");
  EXPECT_EQ(result.text(), QStringLiteral("0,5"));
  QTest::mouseClick(&radius, Qt::LeftButton);
  EXPECT_EQ(form.S.InputState, 4);
  EXPECT_TRUE(radius.hasFocus());
  EXPECT_EQ(radius.selectedText(), QStringLiteral("1"));
  EXPECT_EQ(result.text(), QStringLiteral("Weiter mit Esc / Enter"));
  QTest::keyClicks(&radius, "2,5");
  EXPECT_EQ(radius.text(), QStringLiteral("2.5"));
  QTest::keyClick(&radius, Qt::Key_Return);
  EXPECT_EQ(form.S.InputState, 1);
  EXPECT_EQ(result.text(), QStringLiteral("1,25"));
  EXPECT_TRUE(Widget("Button16").hasFocus());
  QTest::mouseClick(&result, Qt::LeftButton);
  EXPECT_TRUE(Widget("Button16").hasFocus());
  ExpectShownEqualsRaster();
}

// A picture saved as BMP and as PNG opens (with Qt's own readers) with the raster's pixels.
TEST_F(GraphPanelTest, SavedPicturesReopenWithTheRastersPixels) {
  OpenGraph("x^2");
  binder.Run([&] {
    form.Frame21.Box.Click();
    form.Frame21.Image1.MouseDown(MouseButton::Left, 40, 40);
    form.Frame21.Image1.MouseUp(MouseButton::Left, 120, 90);
    form.Frame21.Kommentar1.Click();
    form.Frame21.Image1.MouseUp(MouseButton::Left, 50, 60);
  });
  for (const char* name : {"graph.bmp", "graph.png"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    prompts.saveChoice = FileChoice{path.toStdString(), 2};
    QTest::mouseClick(&PanelWidget("Frame21", "SpeedButton3"), Qt::LeftButton);
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull()) << name;
    ExpectEqualsRaster(saved);
  }
  EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace qv::ui
