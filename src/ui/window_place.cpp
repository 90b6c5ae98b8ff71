#include "ui/window_place.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace qv::ui {

namespace {

const QWidget* OwnerOf(const QWidget& window) {
  const QWidget* parent = window.parentWidget();
  return parent && parent->window()->isVisible() ? parent->window() : nullptr;
}

// The frame the window will get: as thick as its owner's.
QSize FrameSize(const QWidget& window, const QWidget* owner) {
  QSize frame = window.size();
  if (owner) frame += owner->frameGeometry().size() - owner->geometry().size();
  return frame;
}

QRect FreeArea(const QWidget& window, const QWidget* owner) {
  return (owner ? owner->screen() : window.screen())->availableGeometry();
}

// Moves the window's frame so that its middle lies on the point, but not off the area.
void CentreAt(QWidget& window, QPoint middle, QSize frame, const QRect& area) {
  const int left = middle.x() - frame.width() / 2;
  const int top = middle.y() - frame.height() / 2;
  window.move(std::max(area.left(), std::min(left, area.left() + area.width() - frame.width())),
              std::max(area.top(), std::min(top, area.top() + area.height() - frame.height())));
}

QPoint Middle(const QRect& r) {
  return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  const QWidget* owner = OwnerOf(window);
  const QRect area = FreeArea(window, owner);
  CentreAt(window, Middle(area), FrameSize(window, owner), area);
}

void CentreOnOwner(QWidget& window) {
  const QWidget* owner = OwnerOf(window);
  if (!owner) return CentreOnScreen(window);
  CentreAt(window, Middle(owner->frameGeometry()), FrameSize(window, owner),
           FreeArea(window, owner));
}

void KeepOnTop(QWidget& window, bool onTop) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  QWindow* native = window.windowHandle();
  if (!native) {
    window.setWindowFlags(flags);
    return;
  }
  window.overrideWindowFlags(flags);
  native->setFlags(flags);
}

}  // namespace qv::ui
