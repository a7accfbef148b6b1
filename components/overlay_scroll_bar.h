#pragma once

#include <QWidget>

class QAbstractScrollArea;
class QScrollBar;

namespace vlmr {

/// A thin overlay scroller in the Mac style for a scroll area's vertical direction: a rounded
/// knob over the right edge of the content, no track, shown only when there is something to
/// scroll. It replaces the area's own vertical scroll bar and follows its value and range.
class OverlayScrollBar : public QWidget {
  Q_OBJECT
 public:
  /// Attaches a new overlay scroller to `area`, which owns it.
  explicit OverlayScrollBar(QAbstractScrollArea* area);

  /// The knob's rectangle in this widget (empty when there is nothing to scroll).
  QRectF knobRect() const;

  /// The width the scroller takes over the right edge of the content.
  static constexpr int kWidth = 12;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void reposition();
  void refresh();
  QScrollBar* bar() const;

  QAbstractScrollArea* area_;
  bool dragging_ = false;
  bool hovered_ = false;
  double dragOffset_ = 0;
};

}  // namespace vlmr
