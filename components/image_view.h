#pragma once

#include <QIcon>
#include <QRectF>
#include <QWidget>

namespace vlmr {

/// Shows an image scaled proportionally up or down to fit its frame, centred.
class ImageView : public QWidget {
  Q_OBJECT
 public:
  /// An image view at `frame` (bottom-left based) showing `image`.
  explicit ImageView(const QRectF& frame = QRectF(), const QIcon& image = QIcon(),
                     QWidget* parent = nullptr);

  /// The image shown.
  QIcon image() const { return image_; }
  /// Sets the image and redraws.
  void setImage(const QIcon& image);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QIcon image_;
};

}  // namespace vlmr
