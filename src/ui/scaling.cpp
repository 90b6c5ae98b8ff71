#include "ui/scaling.h"

#include <QGuiApplication>
#include <cstdlib>

namespace qv::ui {

void ApplyScaling(int percent) {
  const char* own = std::getenv("QT_SCALE_FACTOR");
  if (percent == 100 || (own && *own)) return;
  // 1.2 stays 1.2 instead of being rounded to a whole factor.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

}  // namespace qv::ui
