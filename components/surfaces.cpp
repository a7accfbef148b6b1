#include "components/surfaces.h"

#include <QPainter>
#include <QPainterPath>

#include "components/frame.h"
#include "components/palette.h"

namespace vlmr {

PageView::PageView(const QRectF& frame, QWidget* parent) : QWidget(parent) {
  // The page covers everything below it, so Qt need not paint what lies behind.
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetFrame(this, frame);
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), PageColor().resolve(this));
}

PanelView::PanelView(const QRectF& frame, QWidget* parent)
    : QWidget(parent),
      fillColor_(Dyn(Srgb(0.937, 0.969, 0.961), Srgb(0.145, 0.220, 0.231))),
      lineColor_(LineColor()) {
  SetFrame(this, frame);
}

void PanelView::setFillColor(const DynColor& color) {
  fillColor_ = color;
  update();
}

void PanelView::setLineColor(const std::optional<DynColor>& color) {
  lineColor_ = color;
  update();
}

void PanelView::setRadius(double radius) {
  radius_ = radius;
  update();
}

void PanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Inset by half a point so a 1-point outline lies exactly inside the bounds.
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QPainterPath path;
  path.addRoundedRect(box, radius_, radius_);
  painter.fillPath(path, fillColor_.resolve(this));
  if (lineColor_) {
    painter.strokePath(path, QPen(lineColor_->resolve(this), 1.0));
  }
}

SeparatorLine::SeparatorLine(const QRectF& frame, QWidget* parent) : QWidget(parent) {
  SetFrame(this, frame);
}

void SeparatorLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor color = SeparatorColor().resolve(this);
  // A 1-point line along the middle of the frame, in its long direction.
  if (width() >= height()) {
    painter.fillRect(QRect(0, (height() - 1) / 2, width(), 1), color);
  } else {
    painter.fillRect(QRect((width() - 1) / 2, 0, 1, height()), color);
  }
}

}  // namespace vlmr
