// The real program's shell and word processor on a desktop that opens nothing (the offscreen
// platform has no program for any file or web page): every hand-off says so in a box, through
// the real window's menus and buttons.
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "ui/desktop_word.h"
#include "ui/qt_ports.h"
#include "ui_fixture.h"

namespace qv::ui {
namespace {

// Constructed before the run that uses them.
struct OffscreenDesktop {
  explicit OffscreenDesktop(std::function<std::string()> documentPath)
      : word(std::move(documentPath)) {}
  QTemporaryDir programDir;
  // A restart would start a program file that does not exist.
  QtShell shell{programDir.filePath(QStringLiteral("quorvel"))};
  DesktopWord word;
};

class DesktopHandoffTest : private OffscreenDesktop, public UiTest {
 protected:
  DesktopHandoffTest()
      : OffscreenDesktop([this] { return Path("Quorvel/Word.rtf"); }),
        UiTest(OffscreenDesktop::shell, OffscreenDesktop::word) {}

  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    UiTest::SetUp();
  }
  std::string Path(const char* name) const {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
  }
  void Trigger(MenuItem& item) { binder.ActionOf(item)->trigger(); }
  // The one box shown since the last call.
  std::string Shown() {
    const std::string text = prompts.shown.size() == 1 ? prompts.shown.front() : "";
    EXPECT_EQ(prompts.shown.size(), 1u);
    prompts.shown.clear();
    return text;
  }
  std::string ProgramFile() const {
    return programDir.filePath(QStringLiteral("quorvel")).toStdString();
  }
};

TEST_F(DesktopHandoffTest, TheHelpPageMissingOrWithoutABrowser) {
  Trigger(form.Hilfe1);
  EXPECT_EQ(Shown(), "Die Hilfe konnte nicht geöffnet werden: die Datei Hilfe.htm liegt weder in " +
                         dir.path().toStdString() + " noch in " + Path("share") + ".");
  QFile help(dir.filePath(QStringLiteral("Hilfe.htm")));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.close();
  QTest::keyClick(&frontend.Window(), Qt::Key_F1);
  EXPECT_EQ(Shown(), "Die Hilfe konnte nicht geöffnet werden: kein Webbrowser gefunden.\n" +
                         Path("Hilfe.htm"));
}

TEST_F(DesktopHandoffTest, TheWebPagesWithoutABrowser) {
  Trigger(form.OnlineLexikon1);
  EXPECT_EQ(Shown(),
            "Das Online-Lexikon konnte nicht geöffnet werden: kein Webbrowser gefunden.\n"
            "https://www.mathe-online.at/mathint/lexikon/");
  QTest::keyClick(&frontend.Window(), Qt::Key_K, Qt::ControlModifier);
  const std::string shown = Shown();
  EXPECT_EQ(shown.rfind("Die Umrechnungsseite konnte nicht geöffnet werden: kein Webbrowser "
                        "gefunden.\nhttps://",
                        0),
            0u)
      << shown;
}

TEST_F(DesktopHandoffTest, TheWordDocumentInBothModesIsWrittenAndNamed) {
  const std::string refused =
      "Das Dokument konnte nicht geöffnet werden: kein Programm für RTF-Dateien gefunden.\n" +
      Path("Quorvel/Word.rtf");
  QTest::keyClicks(&frontend.Window(), QStringLiteral("t5+3"));
  QTest::keyClick(&frontend.Window(), Qt::Key_Return);
  QTest::mouseClick(&PanelWidget("Frame41", "SpeedButton4"), Qt::LeftButton);
  EXPECT_EQ(Shown(), refused);
  Trigger(form.Textbox1);
  QTest::mouseClick(&PanelWidget("Frame41", "SpeedButton4"), Qt::LeftButton);
  EXPECT_EQ(Shown(), refused);
  // the document lies where the box says, for the user to open by hand
  QFile document(QString::fromStdString(Path("Quorvel/Word.rtf")));
  ASSERT_TRUE(document.open(QIODevice::ReadOnly));
  EXPECT_TRUE(document.readAll().contains("\\shp"));
}

// The graph's picture in the document: a PNG of the raster's pixels, then the function with
// its values; "Temp.bmp" stays beside it, as the document did not open.
TEST_F(DesktopHandoffTest, TheGraphsDocumentHoldsItsPictureAndValues) {
  QTest::keyClicks(&frontend.Window(), QStringLiteral("r30"));
  QTest::mouseClick(&PanelWidget("Frame11", "Button1"), Qt::LeftButton);
  QTest::mouseClick(&PanelWidget("Frame11", "Button7"), Qt::LeftButton);
  QTest::mouseClick(&PanelWidget("Frame21", "SpeedButton4"), Qt::LeftButton);
  EXPECT_EQ(Shown(),
            "Das Dokument konnte nicht geöffnet werden: kein Programm für RTF-Dateien gefunden.\n" +
                Path("Quorvel/Word.rtf"));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("Quorvel/Temp.bmp"))));
  QFile document(QString::fromStdString(Path("Quorvel/Word.rtf")));
  ASSERT_TRUE(document.open(QIODevice::ReadOnly));
  const QByteArray rtf = document.readAll();
  EXPECT_TRUE(rtf.contains("sin 30\\u176? = 0,5")) << rtf.right(300).toStdString();
  const QByteArray start = "\\pngblip";
  const qsizetype at = rtf.indexOf(start);
  ASSERT_GE(at, 0);
  const qsizetype data = rtf.indexOf('\n', at) + 1;
  const QImage picture =
      QImage::fromData(QByteArray::fromHex(rtf.mid(data, rtf.indexOf('}', data) - data)), "PNG");
  const Canvas& raster = form.Frame21.Picture;
  ASSERT_EQ(picture.size(), QSize(raster.Width(), raster.Height()));
  int differing = 0;
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x)
      differing += (picture.pixel(x, y) & 0xFFFFFFu) != raster.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(DesktopHandoffTest, TheRestartAfterAChangeOfTheScaling) {
  Trigger(form.N1201);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[1],
            "Der Rechner konnte nicht neu gestartet werden: das Programm ließ sich nicht "
            "starten.\n" +
                ProgramFile());
  EXPECT_TRUE(program.Closed());
}

}  // namespace
}  // namespace qv::ui
