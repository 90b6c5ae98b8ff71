#include "ui/tape_panel.h"

#include <QStyle>
#include <QToolButton>

#include "ui/tape_view.h"
#include "ui/theme.h"

namespace qv::ui {

namespace {

// The panel sits 6 pixels into the calculator's right edge, as wide as the logic's frame.
constexpr int kLeft = 245;
constexpr int kButtonSize = 22;
constexpr int kRowHeight = 23;

struct Tool {
  const char* name;
  QStyle::StandardPixmap icon;
  bool checkable = false;
  int width = kButtonSize;
};

constexpr Tool kTools[] = {
    {"Button1", QStyle::SP_DialogResetButton, false, 51},
    {"FileOpenDialog1", QStyle::SP_DialogOpenButton},
    {"SpeedButton5", QStyle::SP_DialogSaveButton},
    {"SpeedButton3", QStyle::SP_FileDialogContentsView},
    {"BitBtn2", QStyle::SP_FileDialogDetailedView},
    {"SpeedButton4", QStyle::SP_FileIcon, false, 55},
    {"SpeedButton1", QStyle::SP_FileDialogInfoView, true},
    {"SpeedButton2", QStyle::SP_MediaPlay, true},
};

}  // namespace

TapeView* BuildTapePanel(QWidget& clientArea, TFrame4& frame) {
  auto* panel = new QWidget(&clientArea);
  panel->setObjectName(QStringLiteral("Frame41"));
  panel->setGeometry(kLeft, 0, frame.Width(), frame.Height());
  // The row of tools fills the panel's width: its two captions take the compact font.
  UseCompactFont(*panel);
  int x = 2;
  for (const Tool& tool : kTools) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(tool.name));
    button->setIcon(panel->style()->standardIcon(tool.icon));
    button->setToolButtonStyle(tool.width > kButtonSize ? Qt::ToolButtonTextOnly
                                                        : Qt::ToolButtonIconOnly);
    button->setCheckable(tool.checkable);
    // Reached with Tab, not taken by a click: the logic decides where a click leaves the focus.
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(x, 2, tool.width, kRowHeight);
    x += tool.width + 1;
  }
  auto* view = new TapeView(frame, panel);
  view->setGeometry(2, kRowHeight + 6, frame.Width() - 4, frame.Height() - kRowHeight - 8);
  panel->hide();
  return view;
}

}  // namespace qv::ui
