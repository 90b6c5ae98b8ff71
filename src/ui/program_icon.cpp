#include "ui/program_icon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace qv::ui {

QIcon ProgramIcon() {
  QSvgRenderer svg(QStringLiteral(":/icons/quorvel.svg"));
  QIcon icon;
  if (!svg.isValid()) return icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void ApplyProgramIcon(QGuiApplication& app) {
  app.setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
}

}  // namespace qv::ui
