#pragma once
// A drawing area: shows the logic's picture as a QImage over the same memory, one pixel of
// the picture to one pixel of the widget, or, for a picture drawn at the screen's resolution,
// to one pixel of the screen.
#include <QImage>
#include <QWidget>

#include "platform/controls.h"

namespace qv::ui {

class RasterView : public QWidget {
 public:
  explicit RasterView(QWidget* parent);
  // The picture at this memory, shown from now on; the memory stays the logic's.
  void ShowPicture(const PixelView& picture);
  // What the widget paints.
  const QImage& Shown() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace qv::ui
