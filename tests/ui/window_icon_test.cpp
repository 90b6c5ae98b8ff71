// Every window of the program carries the program's own icon for the desktop's taskbar and
// window switcher: the picture of the installed SVG file, not the toolkit's.
#include <QPainter>
#include <QSvgRenderer>

#include "ui/program_icon.h"
#include "x_desktop.h"

namespace qv::ui {
namespace {

TEST(ProgramIconTest, IsTheInstalledPictureAtTheSizesDesktopsAskFor) {
  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 32, 48, 256})
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  // The share folder's SVG, drawn at 64 pixels: the same pixels.
  QSvgRenderer svg(QStringLiteral(QV_SOURCE_DIR "/share/quorvel.svg"));
  QImage expected(64, 64, QImage::Format_ARGB32_Premultiplied);
  expected.fill(Qt::transparent);
  QPainter painter(&expected);
  svg.render(&painter);
  painter.end();
  EXPECT_EQ(icon.pixmap(64, 64).toImage().convertToFormat(expected.format()), expected);
}

// The icons a window offers the desktop (_NET_WM_ICON), as xprop lists them.
QString WindowIcons(const QWidget& window) {
  return Output(QStringLiteral("xprop"),
                {QStringLiteral("-id"), XId(window), QStringLiteral("_NET_WM_ICON")});
}

TEST(WindowIconTest, TheMainWindowAndTheSecondaryWindowsOfferIt) {
  QTemporaryDir dir;
  Desktop run(dir);
  ASSERT_TRUE(Framed(run.frontend.Window()));
  run.Event([&] { run.program.RateUpdate().Open(); });
  run.Event([&] { run.program.Finance().Open(); });
  run.Event([&] { run.program.AboutBox().Show(); });
  for (Form* form :
       {static_cast<Form*>(&run.main), static_cast<Form*>(&run.program.RateUpdate()),
        static_cast<Form*>(&run.program.Finance()), static_cast<Form*>(&run.program.AboutBox())}) {
    QWidget& window = run.Window(*form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << form->Name();
    const QString icons = WindowIcons(window);
    EXPECT_TRUE(icons.contains(QStringLiteral("Icon (32 x 32)"))) << form->Name();
    EXPECT_TRUE(icons.contains(QStringLiteral("Icon (48 x 48)"))) << form->Name();
  }
}

}  // namespace
}  // namespace qv::ui
