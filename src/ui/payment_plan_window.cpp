#include "ui/payment_plan_window.h"

#include <QDialog>
#include <QTableWidget>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"Monate", Kind::Radio, 8, 8, 110, 22},
    Place{"Jahre", Kind::Radio, 122, 8, 110, 22},
    Place{"CsvBtn", Kind::Key, 448, 7, 120, 24},
    Place{"PrintBtn", Kind::Key, 572, 7, 120, 24},
    Place{"Grid1", Kind::Grid, 8, 38, 684, 320},
    Place{"Image1", Kind::Raster, 8, 366, TZahlungsplan::kChartWidth, TZahlungsplan::kChartHeight},
};

}  // namespace

QDialog* BuildPaymentPlanWindow(QWidget& parent, const TZahlungsplan& form) {
  auto* window = new QDialog(&parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::CustomizeWindowHint);
  window->setObjectName(QString::fromStdString(form.Name()));
  window->setFixedSize(form.Width(), form.Height());
  PlaceWidgets(*window, kPlaces);
  // The plan is read, not edited: rows are chosen whole.
  auto* table = window->findChild<QTableWidget*>(QStringLiteral("Grid1"));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return window;
}

}  // namespace qv::ui
