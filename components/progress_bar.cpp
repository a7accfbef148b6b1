#include "components/progress_bar.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "components/accessibility.h"
#include "components/frame.h"
#include "components/palette.h"

namespace vlmr {
namespace {

DynColor TrackColor() {
  return Dyn(Srgb(0, 0, 0, 0.08), Srgb(1, 1, 1, 0.12));
}

}  // namespace

ProgressBar::ProgressBar(const QRectF& frame, QWidget* parent) : QWidget(parent) {
  InstallAccessibleViews();
  SetFrame(this, frame);
}

void ProgressBar::setMinimum(double minimum) {
  minimum_ = minimum;
  update();
}

void ProgressBar::setMaximum(double maximum) {
  maximum_ = maximum;
  update();
}

void ProgressBar::setValue(double value) {
  if (value == value_) return;
  value_ = value;
  update();
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
  }
}

void ProgressBar::setControlSize(ControlSize size) {
  controlSize_ = size;
  update();
}

double ProgressBar::fraction() const {
  if (!(maximum_ > minimum_)) return 0;
  return std::clamp((value_ - minimum_) / (maximum_ - minimum_), 0.0, 1.0);
}

void ProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double thickness =
      std::min<double>(height(), controlSize_ == ControlSize::Small ? 4.0 : 6.0);
  const QRectF track(0, (height() - thickness) / 2.0, width(), thickness);
  const double radius = thickness / 2.0;
  QPainterPath trackPath;
  trackPath.addRoundedRect(track, radius, radius);
  painter.fillPath(trackPath, TrackColor().resolve(this));

  const double filled = track.width() * fraction();
  if (filled <= 0) return;
  // The fill keeps the track's rounded ends: it is the track clipped to the filled part.
  painter.setClipRect(QRectF(track.x(), track.y(), filled, track.height()));
  QPainterPath fillPath;
  fillPath.addRoundedRect(QRectF(track.x(), track.y(), std::max(filled, thickness), thickness),
                          radius, radius);
  painter.fillPath(fillPath, TealColor().resolve(this));
}

}  // namespace vlmr
