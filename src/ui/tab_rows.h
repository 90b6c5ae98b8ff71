#pragma once
// A tab bar that breaks its tabs into rows of equal width, as many rows as the captions need,
// so that every tab of a narrow panel shows its whole caption instead of scrolling out of
// sight. To its users (the binder, the tests) it is a plain QTabBar: tabs, current index and
// its signals; only the geometry, the painting and the mouse are its own.
#include <QTabBar>

namespace qv::ui {

class TabRows : public QTabBar {
 public:
  explicit TabRows(QWidget* parent);

  // The size the tabs need at the current width: the columns of the widest caption, and the
  // rows that takes. Wider than the widget only when a single tab does not fit it.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Where a tab lies in the rows, and the tab at a point (-1 for none).
  QRect RowTabRect(int index) const;
  int RowTabAt(const QPoint& pos) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The widest tab as the style sizes it for its caption, and the tabs of one row.
  int TabWidthNeeded() const;
  int Columns() const;
  int RowHeight() const;

  int hovered_ = -1;
};

}  // namespace qv::ui
