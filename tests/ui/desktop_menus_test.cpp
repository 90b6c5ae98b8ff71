// On a real X server (Xvfb) the started program shows its menu bar, and each menu opens with
// its German captions. A screenshot of every opened menu is kept beside the test
// (menu-<name>.png) so that a person can look at it.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

struct OpenedMenu {
  const char* name;
  QStringList captions;  // a separator has no text
};

const OpenedMenu kMenus[] = {
    {"Einstellungen",
     {"Dezimaleinstellungen ",
      "Formatieren",
      "Erweitert",
      "Wiederherstellen",
      "Kurse aktualisieren",
      "EZB-Kurse laden",
      "EZB-Kurse aus Datei...",
      "",
      "T&rigonmetrische Funktionen (R)",
      "Einheiten umrechnen (E)",
      "Steuer (S)",
      "Funktionen",
      "",
      "&Währungsrechner (W)",
      "&Tape (T)",
      "&Graph (G)",
      "",
      "Finanzrechner (F)",
      "",
      "Kopieren",
      "Einfügen",
      "",
      "Beenden"}},
    {"Hilfe",
     {"Hilfe (F1)", "Über Quorvel...", "Metrische Vorsilben", "Online-Lexikon",
      "Kurse aktualisieren"}},
    {"Skalierung", {"100", "120", "150"}},
};

QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (const QAction* action : menu.actions()) captions << action->text();
  return captions;
}

class DesktopMenusTest : public UiTest, public testing::WithParamInterface<OpenedMenu> {};

TEST_P(DesktopMenusTest, OpensWithItsGermanCaptions) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
      << "run this test under an X server (xvfb-run)";
  const OpenedMenu& expected = GetParam();
  QMenuBar& bar = *frontend.Window().menuBar();
  QAction* top = nullptr;
  for (QAction* action : bar.actions())
    if (action->text() == QString::fromUtf8(expected.name)) top = action;
  ASSERT_NE(top, nullptr) << expected.name;
  QMenu* menu = top->menu();
  ASSERT_NE(menu, nullptr);
  QScreen& screen = *frontend.Window().screen();
  const QImage before = screen.grabWindow(0).toImage();

  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(top).center());
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
  QTest::qWait(100);  // let the X server paint the opened menu
  const QImage shot = screen.grabWindow(0).toImage();
  const QString file = QStringLiteral("menu-%1.png").arg(QString::fromUtf8(expected.name));
  EXPECT_TRUE(shot.save(file)) << file.toStdString();

  EXPECT_EQ(Captions(*menu).join(QChar('|')).toStdString(),
            expected.captions.join(QChar('|')).toStdString());
  // The screenshot shows the menu: its area differs from the picture before it opened.
  const QRect area = menu->geometry().intersected(shot.rect());
  ASSERT_FALSE(area.isEmpty());
  EXPECT_NE(shot.copy(area), before.copy(area));
  menu->close();
}

INSTANTIATE_TEST_SUITE_P(MainMenu, DesktopMenusTest, testing::ValuesIn(kMenus),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv::ui
