#include "ui/raster_view.h"

#include <QPainter>

namespace qv::ui {

RasterView::RasterView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // the logic follows the mouse also with no button held
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RasterView::ShowPicture(const PixelView& picture) {
  // The logic's pixels are opaque ARGB words, which is premultiplied ARGB as it stands.
  if (picture.pixels != nullptr &&
      image_.constBits() != reinterpret_cast<const uchar*>(picture.pixels))
    image_ = QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.width, picture.height,
                    picture.stride, QImage::Format_ARGB32_Premultiplied);
  // A picture drawn at the screen's own pixels (wider than the widget in the window's pixels)
  // is shown one picture pixel to one screen pixel.
  if (!image_.isNull() && width() > 0 && image_.width() > width())
    image_.setDevicePixelRatio(static_cast<double>(image_.width()) / width());
  update();
}

void RasterView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!image_.isNull()) painter.drawImage(0, 0, image_);
}

}  // namespace qv::ui
