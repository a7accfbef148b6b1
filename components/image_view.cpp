#include "components/image_view.h"

#include <QPainter>
#include <algorithm>

#include "components/frame.h"

namespace vlmr {

ImageView::ImageView(const QRectF& frame, const QIcon& image, QWidget* parent)
    : QWidget(parent), image_(image) {
  SetFrame(this, frame);
}

void ImageView::setImage(const QIcon& image) {
  image_ = image;
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (image_.isNull() || width() <= 0 || height() <= 0) return;
  // The image's own proportions come from its largest size.
  QSize natural(1, 1);
  for (const QSize& size : image_.availableSizes()) {
    if (size.width() * size.height() > natural.width() * natural.height()) natural = size;
  }
  const double scale = std::min(static_cast<double>(width()) / natural.width(),
                                static_cast<double>(height()) / natural.height());
  const QSizeF drawn(natural.width() * scale, natural.height() * scale);
  const QRectF target((width() - drawn.width()) / 2.0, (height() - drawn.height()) / 2.0,
                      drawn.width(), drawn.height());

  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal ratio = devicePixelRatioF();
  const QPixmap pixmap = image_.pixmap(drawn.toSize().expandedTo(QSize(1, 1)), ratio);
  painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
}

}  // namespace vlmr
