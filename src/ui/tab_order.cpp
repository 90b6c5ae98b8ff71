#include "ui/tab_order.h"

#include <QWidget>
#include <algorithm>

namespace qv::ui {

namespace {

struct Item {
  QWidget* widget;
  QRect at;  // in the parent
};

// A widget that hands its focus to another one inside it (the page control to its tab row)
// stands for both; one that hands it outward (a list box's line edit) is part of that widget.
bool IsTabStop(const QWidget& widget) {
  const QWidget* proxy = widget.focusProxy();
  return !widget.isWindow() && (widget.focusPolicy() & Qt::TabFocus) &&
         (!proxy || widget.isAncestorOf(proxy));
}

bool HoldsTabStops(const QWidget& widget) {
  const QList<QWidget*> inside = widget.findChildren<QWidget*>();
  return std::any_of(inside.begin(), inside.end(), [&widget](const QWidget* w) {
    return IsTabStop(*w) && w->window() == widget.window();
  });
}

// Row by row from the top: a widget that begins above the middle of a row's first widget
// stands in that row; a row goes from left to right. Widgets in one place (alternatives of
// which one is shown) keep the order they were made in.
void SortRowByRow(std::vector<Item>& items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const Item& a, const Item& b) { return a.at.y() < b.at.y(); });
  for (auto row = items.begin(); row != items.end();) {
    const int middle = row->at.y() + row->at.height() / 2;
    auto end = std::find_if(row + 1, items.end(),
                            [middle](const Item& item) { return item.at.y() >= middle; });
    std::stable_sort(row, end, [](const Item& a, const Item& b) { return a.at.x() < b.at.x(); });
    row = end;
  }
}

void SortColumnByColumn(std::vector<Item>& items) {
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return a.at.x() != b.at.x() ? a.at.x() < b.at.x() : a.at.y() < b.at.y();
  });
}

// Appends the stops inside `container` in their order. Controls go row by row; where a
// container holds only panels, the panels go column by column.
void Collect(const QWidget& container, std::vector<QWidget*>& order) {
  const QWidget* proxy = container.focusProxy();
  std::vector<Item> items;
  bool onlyPanels = true;
  for (QObject* child : container.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    // The tab row a page control hands its focus to comes with the page control.
    if (proxy && (widget == proxy || widget->isAncestorOf(proxy))) continue;
    if (IsTabStop(*widget))
      onlyPanels = false;
    else if (!HoldsTabStops(*widget))
      continue;
    items.push_back({widget, widget->geometry()});
  }
  if (onlyPanels)
    SortColumnByColumn(items);
  else
    SortRowByRow(items);
  for (const Item& item : items) {
    const bool stop = IsTabStop(*item.widget);
    if (stop) order.push_back(item.widget);
    // The parts of a control keep their places in it; a page control's pages follow its tabs.
    if (!stop || item.widget->focusProxy()) Collect(*item.widget, order);
  }
}

}  // namespace

void OrderTabStops(QWidget& window) {
  std::vector<QWidget*> order;
  Collect(window, order);
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace qv::ui
