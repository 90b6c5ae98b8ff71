#pragma once
// The program's windows on a real X server with a window manager, seen as the X server sees
// them: through xwininfo and xprop, not through Qt.
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <stdexcept>
#include <string>

#include "ui/binder.h"
#include "ui_fixture.h"

namespace qv::ui {

// What a tool prints.
inline QString Output(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(5000);
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

inline QString XId(const QWidget& window) {
  return QString::number(window.windowHandle()->winId());
}

// The number after "KEY" in a tool's output ("Absolute upper-left X:  201").
inline int ValueAfter(const QString& text, const QString& key) {
  const int at = text.indexOf(key);
  return at < 0 ? -1 : text.mid(at + key.size()).section(u'\n', 0, 0).trimmed().toInt();
}

// The frame of a window on the screen: its client area widened by the frame's extents.
inline QRect FrameOf(const QWidget& window) {
  const QString info = Output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), XId(window)});
  const QString extents = Output(QStringLiteral("xprop"), {QStringLiteral("-id"), XId(window),
                                                           QStringLiteral("_NET_FRAME_EXTENTS")});
  const QStringList e = extents.section(u'=', 1).split(u',');
  if (e.size() != 4) return {};
  const int left = e[0].toInt(), right = e[1].toInt(), top = e[2].toInt(), bottom = e[3].toInt();
  const int x = ValueAfter(info, QStringLiteral("Absolute upper-left X:"));
  const int y = ValueAfter(info, QStringLiteral("Absolute upper-left Y:"));
  const int w = ValueAfter(info, QStringLiteral("Width:"));
  const int h = ValueAfter(info, QStringLiteral("Height:"));
  return {x - left, y - top, w + left + right, h + top + bottom};
}

// The window is on the screen with its frame, and the window manager is done with it.
inline bool Framed(QWidget& window) {
  return QTest::qWaitForWindowExposed(&window) &&
         QTest::qWaitFor([&] { return FrameOf(window).isValid(); }, 5000) &&
         (QTest::qWait(200), true);
}

// One run of the program in a start directory whose settings file is given.
class Desktop {
 public:
  explicit Desktop(const QTemporaryDir& dir) : folders_(dir.path().toStdString()) {
    frontend.Start();
  }
  void Event(const std::function<void()>& event) { frontend.GetBinder().Run(event); }
  QWidget& Window(Form& form) const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QString::fromStdString(form.Name())) return *w;
    throw std::runtime_error("no window for " + form.Name());
  }

 private:
  RecordingPrompts prompts_;
  NullClipboard clipboard_;
  NullShell shell_;
  SandboxFolders folders_;
  QPrinter pdf_;
  QtPrinter printer_{[this]() -> QPrinter& { return pdf_; }};
  NullWordProcessor word_;
  SystemClock clock_;
  QtNetwork network_;

 public:
  Program program{Ports{prompts_, clipboard_, shell_, folders_, printer_, word_, clock_, network_}};
  Frontend frontend{program, prompts_};
  TForm1& main = program.Main();
};

}  // namespace qv::ui
