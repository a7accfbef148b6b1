#pragma once

#include <QRectF>
#include <QWidget>
#include <optional>

#include "components/appearance.h"

namespace vlmr {

// Frames passed to the constructors are bottom-left based in the parent (see frame.h).

/// The width of every page, of the window's content and of the snapshots, in points.
inline constexpr int kPageWidth = 740;
/// Their height, in points.
inline constexpr int kPageHeight = 630;
/// A whole page's frame: `kPageWidth` x `kPageHeight` at the origin.
inline constexpr QRectF kPageFrame(0, 0, kPageWidth, kPageHeight);

/// The opaque page background: fills its whole area with PageColor.
class PageView : public QWidget {
  Q_OBJECT
 public:
  /// A page of the given frame, `kPageFrame` by default.
  explicit PageView(const QRectF& frame = kPageFrame, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

/// A rounded card behind a group of page elements: a fill and an optional 1-point outline.
class PanelView : public QWidget {
  Q_OBJECT
 public:
  /// A card with the default pale fill, a LineColor outline and radius 10.
  explicit PanelView(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

  /// The card's fill.
  DynColor fillColor() const { return fillColor_; }
  /// Sets the card's fill.
  void setFillColor(const DynColor& color);
  /// The outline colour, or none when the card has no outline.
  std::optional<DynColor> lineColor() const { return lineColor_; }
  /// Sets the outline colour; std::nullopt draws no outline.
  void setLineColor(const std::optional<DynColor>& color);
  /// The corner radius in points.
  double radius() const { return radius_; }
  /// Sets the corner radius in points (0: square corners).
  void setRadius(double radius);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DynColor fillColor_;
  std::optional<DynColor> lineColor_;
  double radius_ = 10;
};

/// A horizontal (or vertical, when taller than wide) separator line, as a separator box.
class SeparatorLine : public QWidget {
  Q_OBJECT
 public:
  /// A separator filling `frame`, usually 1 point high.
  explicit SeparatorLine(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlmr
