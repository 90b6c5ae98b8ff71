#include "ui/tab_rows.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>

namespace qv::ui {

TabRows::TabRows(QWidget* parent) : QTabBar(parent) {
  setUsesScrollButtons(false);
  setExpanding(false);
  setElideMode(Qt::ElideNone);
  setDrawBase(false);
  setAttribute(Qt::WA_Hover);
}

namespace {

// The tabs are drawn by the style, their captions by the bar, with a margin of its own: the
// style's tab margins are made for a single row with room to spare.
constexpr int kTextMargin = 6;
constexpr int kTextSpacing = 8;

}  // namespace

int TabRows::TabWidthNeeded() const {
  int widest = 0;
  for (int i = 0; i < count(); ++i)
    widest = std::max(widest, fontMetrics().horizontalAdvance(tabText(i)));
  return widest + 2 * kTextMargin;
}

// As many tabs in a row as fit with the widest caption, the rows then filled evenly.
int TabRows::Columns() const {
  if (count() == 0) return 1;
  const int fit = std::clamp(width() / std::max(1, TabWidthNeeded()), 1, count());
  const int rows = (count() + fit - 1) / fit;
  return (count() + rows - 1) / rows;
}

int TabRows::RowHeight() const {
  return count() == 0 ? 0 : fontMetrics().height() + kTextSpacing;
}

QSize TabRows::sizeHint() const {
  const int columns = Columns();
  const int rows = count() == 0 ? 0 : (count() + columns - 1) / columns;
  return {columns * TabWidthNeeded(), rows * RowHeight()};
}

QSize TabRows::minimumSizeHint() const {
  return {TabWidthNeeded(), RowHeight()};
}

QRect TabRows::RowTabRect(int index) const {
  if (index < 0 || index >= count()) return {};
  const int columns = Columns();
  const int row = index / columns;
  const int column = index % columns;
  const int left = width() * column / columns;
  const int right = width() * (column + 1) / columns;
  return {left, row * RowHeight(), right - left, RowHeight()};
}

int TabRows::RowTabAt(const QPoint& pos) const {
  for (int i = 0; i < count(); ++i)
    if (RowTabRect(i).contains(pos)) return i;
  return -1;
}

void TabRows::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const int columns = Columns();
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab tab;
    initStyleOption(&tab, i);
    tab.rect = RowTabRect(i);
    const int column = i % columns;
    const bool last = column == columns - 1 || i == count() - 1;
    tab.position = columns == 1  ? QStyleOptionTab::OnlyOneTab
                   : column == 0 ? QStyleOptionTab::Beginning
                   : last        ? QStyleOptionTab::End
                                 : QStyleOptionTab::Middle;
    tab.state.setFlag(QStyle::State_MouseOver, i == hovered_);
    painter.drawControl(QStyle::CE_TabBarTabShape, tab);
    painter.drawItemText(tab.rect, Qt::AlignCenter, tab.palette, isTabEnabled(i), tab.text,
                         QPalette::WindowText);
  }
}

void TabRows::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  if (const int index = RowTabAt(event->position().toPoint()); index >= 0) setCurrentIndex(index);
  event->accept();
}

// QTabBar's own handlers would work with its single row of tabs.
void TabRows::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}

void TabRows::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

bool TabRows::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave: {
      const int index = event->type() == QEvent::HoverLeave
                            ? -1
                            : RowTabAt(static_cast<QHoverEvent*>(event)->position().toPoint());
      if (index != hovered_) {
        hovered_ = index;
        update();
      }
      return true;
    }
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const int index = RowTabAt(help->pos());
      if (index >= 0 && !tabToolTip(index).isEmpty())
        QToolTip::showText(help->globalPos(), tabToolTip(index), this, RowTabRect(index));
      else
        QToolTip::hideText();
      return true;
    }
    default:
      return QTabBar::event(event);
  }
}

}  // namespace qv::ui
