#include "components/overlay_scroll_bar.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>

#include "components/palette.h"

namespace vlmr {
namespace {

DynColor KnobColor() {
  return Dyn(Srgb(0, 0, 0, 0.38), Srgb(1, 1, 1, 0.38));
}
DynColor KnobActiveColor() {
  return Dyn(Srgb(0, 0, 0, 0.55), Srgb(1, 1, 1, 0.55));
}

constexpr double kMargin = 2;         // between the knob and the ends and edge of the area
constexpr double kKnobWidth = 6;      // idle
constexpr double kKnobWideWidth = 9;  // under the pointer or while dragged
constexpr double kMinKnobLength = 24;

}  // namespace

OverlayScrollBar::OverlayScrollBar(QAbstractScrollArea* area) : QWidget(area), area_(area) {
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area_->installEventFilter(this);
  connect(bar(), &QScrollBar::rangeChanged, this, &OverlayScrollBar::refresh);
  connect(bar(), &QScrollBar::valueChanged, this, &OverlayScrollBar::refresh);
  reposition();
  refresh();
}

QScrollBar* OverlayScrollBar::bar() const {
  return area_->verticalScrollBar();
}

bool OverlayScrollBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) reposition();
  return false;
}

void OverlayScrollBar::reposition() {
  setGeometry(area_->width() - kWidth, 0, kWidth, area_->height());
  raise();
}

void OverlayScrollBar::refresh() {
  // The scroller is there only while the content is taller than the area.
  setVisible(bar()->maximum() > bar()->minimum());
  update();
}

QRectF OverlayScrollBar::knobRect() const {
  const QScrollBar* b = bar();
  const double range = b->maximum() - b->minimum();
  if (range <= 0) return {};
  const double track = height() - 2 * kMargin;
  const double page = b->pageStep();
  const double length = std::clamp(track * page / (range + page), kMinKnobLength, track);
  const double top = kMargin + (track - length) * (b->value() - b->minimum()) / range;
  const double knobWidth = (hovered_ || dragging_) ? kKnobWideWidth : kKnobWidth;
  return QRectF(width() - kMargin - knobWidth, top, knobWidth, length);
}

void OverlayScrollBar::paintEvent(QPaintEvent*) {
  const QRectF knob = knobRect();
  if (knob.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(knob, knob.width() / 2, knob.width() / 2);
  painter.fillPath(path, ((hovered_ || dragging_) ? KnobActiveColor() : KnobColor()).resolve(this));
}

void OverlayScrollBar::mousePressEvent(QMouseEvent* event) {
  const QRectF knob = knobRect();
  const double y = event->position().y();
  if (knob.contains(QPointF(knob.center().x(), y))) {
    dragging_ = true;
    dragOffset_ = y - knob.top();
    update();
  } else if (!knob.isEmpty()) {
    bar()->triggerAction(y < knob.top() ? QAbstractSlider::SliderPageStepSub
                                        : QAbstractSlider::SliderPageStepAdd);
  }
  event->accept();
}

void OverlayScrollBar::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QRectF knob = knobRect();
  const double travel = height() - 2 * kMargin - knob.height();
  if (travel <= 0) return;
  const double position = std::clamp(event->position().y() - dragOffset_ - kMargin, 0.0, travel);
  QScrollBar* b = bar();
  b->setValue(b->minimum() +
              static_cast<int>(std::lround(position / travel * (b->maximum() - b->minimum()))));
  event->accept();
}

void OverlayScrollBar::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  update();
  event->accept();
}

void OverlayScrollBar::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void OverlayScrollBar::leaveEvent(QEvent*) {
  hovered_ = false;
  update();
}

}  // namespace vlmr
