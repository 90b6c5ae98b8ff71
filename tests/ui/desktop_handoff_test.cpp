// The real program's shell and word processor on a desktop that opens nothing (the offscreen
// platform has no program for any file or web page): every hand-off says so in a box, through
// the real window's menus and buttons.
#include <QFile>
#include <QGuiApplication>

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
