// Under a window manager (openbox): the stored position is that of the window's frame as the
// window manager placed it, also after "Immer im Vordergrund" and the rate dialog; the range
// and rate dialogs open in the middle of the screen, the subsidy dialog and the about box in
// the middle of the main window, and the rate dialog offers neither to minimise nor to
// maximise; a window brought to the front comes back from the taskbar. Where a window is, is asked
// of the X server (xwininfo, xprop), not of Qt.
#include <QScreen>
#include <QWindow>
#include <fstream>
#include <memory>
#include <optional>

#include "platform/inifile.h"
#include "ui/single_instance.h"
#include "x_desktop.h"

// Points as "x,y" in the messages of failed expectations.
void PrintTo(const QPoint& point, std::ostream* out) {
  *out << point.x() << "," << point.y();
}

namespace qv::ui {
namespace {

QString AllowedActions(const QWidget& window) {
  return Output(QStringLiteral("xprop"),
                {QStringLiteral("-id"), XId(window), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
}

// The title bar's buttons the window asks for: the decorations of its Motif hints when it
// names them (flag 2), else all of them (-1).
int Decorations(const QWidget& window) {
  const QString hints = Output(QStringLiteral("xprop"), {QStringLiteral("-id"), XId(window),
                                                         QStringLiteral("_MOTIF_WM_HINTS")});
  const QStringList v = hints.section(u'=', 1).split(u',');
  bool ok = false;
  if (v.size() < 3 || !(v[0].trimmed().toInt(&ok, 16) & 2)) return -1;
  return v[2].trimmed().toInt(&ok, 16);
}

// A picture of the window with its frame, kept beside the test for a person to look at.
void SaveFrame(QWidget& window, const char* file) {
  const QRect frame = FrameOf(window);
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  EXPECT_TRUE(shot.save(QString::fromLatin1(file))) << file;
}

class WindowManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    std::ofstream(SettingsFile()) << "[Config]\nposTop=100\nposLeft=200\n";
  }
  std::string SettingsFile() const {
    return dir.filePath(QStringLiteral("Quorvel.ini")).toStdString();
  }
  QPoint Stored() const {
    const IniFile ini(SettingsFile());
    return {ini.ReadInteger("Config", "PosLeft", -1), ini.ReadInteger("Config", "PosTop", -1)};
  }
  static QPoint Centre(const QRect& r) { return {r.x() + r.width() / 2, r.y() + r.height() / 2}; }
  static void ExpectNear(const QPoint& got, const QPoint& wanted, const char* what) {
    EXPECT_LE((got - wanted).manhattanLength(), 3)
        << what << ": " << got.x() << "," << got.y() << " instead of " << wanted.x() << ","
        << wanted.y();
  }

  QTemporaryDir dir;
};

TEST_F(WindowManagerTest, TheStoredPlaceIsTheFramesThroughStayOnTopAndTheRateDialog) {
  {
    Desktop run(dir);
    QWidget& window = run.frontend.Window();
    ASSERT_TRUE(Framed(window));
    EXPECT_EQ(FrameOf(window).topLeft(), QPoint(200, 100));
    // On and off again at once, as two quick presses of "o" do: a few times, as the window
    // manager does not always lag behind by as much.
    for (int round = 0; round < 3; ++round) {
      run.Event([&] { run.main.StayOnTop1Click(); });
      run.Event([&] { run.main.StayOnTop1Click(); });
      QTest::qWait(300);
    }
    run.Event([&] { run.program.RateUpdate().Open(); });
    ASSERT_TRUE(Framed(run.Window(run.program.RateUpdate())));
    run.Event([&] { run.program.RateUpdate().SpeedButton3.Click(); });
    QTest::qWait(300);
    EXPECT_FALSE(run.main.StayOnTop());
    EXPECT_EQ(FrameOf(window).topLeft(), QPoint(200, 100));
    window.close();
  }
  EXPECT_EQ(Stored(), QPoint(200, 100));
  Desktop next(dir);
  ASSERT_TRUE(Framed(next.frontend.Window()));
  EXPECT_EQ(FrameOf(next.frontend.Window()).topLeft(), QPoint(200, 100));
}

TEST_F(WindowManagerTest, DialogsOpenInTheMiddleOfTheScreenOrOfTheMainWindow) {
  Desktop run(dir);
  QWidget& main = run.frontend.Window();
  ASSERT_TRUE(Framed(main));
  const QPoint screenCentre = Centre(main.screen()->availableGeometry());
  const QPoint mainCentre = Centre(FrameOf(main));

  struct Case {
    const char* name;
    Form& form;
    std::function<void()> open, close;
    bool onScreen;
  };
  TForm4& rates = run.program.RateUpdate();
  TBereich& range = run.program.RangeDialog();
  TFoerder& subsidy = run.program.SubsidyDialog();
  TAboutBox& about = run.program.AboutBox();
  const Case cases[] = {
      {"rate dialog", rates, [&] { rates.Open(); }, [&] { rates.SpeedButton3.Click(); }, true},
      {"range dialog", range, [&] { range.Open(-1, 1); }, [&] { range.Button2.Click(); }, true},
      {"subsidy dialog", subsidy, [&] { subsidy.Open(); }, [&] { subsidy.Close(); }, false},
      {"about box", about, [&] { about.Show(); }, [&] { about.OKButton.Click(); }, false},
  };
  for (const Case& c : cases) {
    // Twice: the second opening comes back to the same place.
    for (int time = 0; time < 2; ++time) {
      run.Event(c.open);
      QWidget& dialog = run.Window(c.form);
      ASSERT_TRUE(Framed(dialog)) << c.name;
      ExpectNear(Centre(FrameOf(dialog)), c.onScreen ? screenCentre : mainCentre, c.name);
      if (&c.form == &rates) {
        // The buttons a window manager draws from the hints; openbox keeps its minimise
        // button whatever the hints say, but offers no maximising for a window of fixed size.
        constexpr int kMinimise = 0x20, kMaximise = 0x40;
        EXPECT_EQ(Decorations(dialog) & (kMinimise | kMaximise), 0);
        EXPECT_FALSE(AllowedActions(dialog).contains(QStringLiteral("MAXIMIZE")));
        if (time == 0) SaveFrame(dialog, "rate-dialog.png");
      }
      if (&c.form == &about && time == 0) SaveFrame(dialog, "about-box.png");
      run.Event(c.close);
      QTest::qWait(100);
    }
  }
}

// What a second start asks of the running program: its window back from the taskbar, in front
// and with the keyboard.
TEST_F(WindowManagerTest, BringingToTheFrontRestoresAMinimisedWindow) {
  Desktop run(dir);
  QWidget& window = run.frontend.Window();
  ASSERT_TRUE(Framed(window));
  window.showMinimized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }, 5000));
  BringToFront(window);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }, 5000));
  const QString active = Output(QStringLiteral("xprop"),
                                {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
  EXPECT_EQ(active.section(u'#', 1).trimmed().toULongLong(nullptr, 16),
            window.windowHandle()->winId());
  // Where it was, once the window manager's animation of the restoring has ended.
  EXPECT_TRUE(QTest::qWaitFor([&] { return FrameOf(window).topLeft() == QPoint(200, 100); }, 3000))
      << FrameOf(window).x() << "," << FrameOf(window).y();
}

}  // namespace
}  // namespace qv::ui
