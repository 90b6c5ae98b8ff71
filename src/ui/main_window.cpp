#include "ui/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

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

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const QList<QAction*> menus = menuBar()->actions();
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier && !menus.isEmpty()) {
    menuBar()->setActiveAction(menus.first());
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace qv::ui
