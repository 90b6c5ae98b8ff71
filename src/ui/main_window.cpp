#include "ui/main_window.h"

#include <QCloseEvent>

#include "ui/calc_region.h"

namespace qv::ui {

MainWindow::MainWindow() {
  setObjectName(QStringLiteral("Form1"));
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(central);
  calculator_ = BuildCalculatorRegion(*central);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (OnCloseRequest && !OnCloseRequest())
    event->ignore();
  else
    event->accept();
}

}  // namespace qv::ui
