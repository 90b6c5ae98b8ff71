// On a real X server (Xvfb) the graph panel shows the logic's raster where the window stands:
// the screen holds a red curve where the logic drew it. The screenshot is kept beside the test
// (graph.png) so that a person can look at it.
#include <QScreen>

#include "ui/raster_view.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

using DesktopGraphTest = UiTest;

TEST_F(DesktopGraphTest, TheScreenShowsTheCurveWhereTheLogicDrewIt) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
      << "run this test under an X server (xvfb-run)";
  binder.ActionOf(form.Funktionen1)->trigger();
  binder.Run([&] {
    form.Frame71.ComboBox1.SetText("x^2");
    form.Frame71.Button2.Click();
  });
  auto& raster = *frontend.Window().findChild<RasterView*>(QStringLiteral("Image1"));
  ASSERT_TRUE(QTest::qWaitFor([&raster] { return raster.isVisible(); }));
  QTest::qWait(200);  // let the X server paint the grown window
  QScreen& screen = *frontend.Window().screen();
  const QImage shot = screen.grabWindow(0).toImage();
  EXPECT_TRUE(shot.save(QStringLiteral("graph.png")));
  // x^2 at Z = 5 passes (1, 1): column 240, row 160 of the picture.
  ASSERT_EQ(form.Frame21.Picture.Pixel(240, 160), RgbOf(255, 0, 0));
  const QPoint onScreen = raster.mapToGlobal(QPoint(240, 160));
  EXPECT_EQ(shot.pixel(onScreen) & 0xFFFFFFu, 0xFF0000u);
  const QPoint white = raster.mapToGlobal(QPoint(300, 300));
  EXPECT_EQ(shot.pixel(white) & 0xFFFFFFu, 0xFFFFFFu);
}

}  // namespace
}  // namespace qv::ui
