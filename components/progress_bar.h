#pragma once

#include <QRectF>
#include <QWidget>

namespace vlmr {

/// A determinate progress bar in the Mac style: a thin rounded track, filled in teal from the
/// left in proportion to value within [minimum, maximum].
class ProgressBar : public QWidget {
  Q_OBJECT
 public:
  /// The control sizes the platform offers; they set the bar's thickness.
  enum class ControlSize { Regular, Small };

  /// A bar at `frame` (bottom-left based) running from 0 to 1, empty, small.
  explicit ProgressBar(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

  /// The value at which the bar is empty.
  double minimum() const { return minimum_; }
  /// The value at which the bar is full.
  double maximum() const { return maximum_; }
  /// The current value.
  double value() const { return value_; }
  /// Sets the lower end of the range and redraws.
  void setMinimum(double minimum);
  /// Sets the upper end of the range and redraws.
  void setMaximum(double maximum);
  /// Sets the value (drawn clamped to the range); redraws and tells screen readers when it
  /// changes.
  void setValue(double value);

  /// The control size.
  ControlSize controlSize() const { return controlSize_; }
  /// Sets the control size (Small by default) and redraws.
  void setControlSize(ControlSize size);

  /// The filled fraction of the track, 0 to 1.
  double fraction() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double minimum_ = 0;
  double maximum_ = 1;
  double value_ = 0;
  ControlSize controlSize_ = ControlSize::Small;
};

}  // namespace vlmr
