#include "components/standard_buttons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "components/fonts.h"
#include "components/palette.h"

namespace vlmr {
namespace {

// The push button's bezel colours, as the platform draws them in each appearance.
DynColor BezelFill() {
  return Dyn(Srgb(1, 1, 1), Srgb(1, 1, 1, 0.25));
}
DynColor BezelPressedFill() {
  return Dyn(Srgb(0.86, 0.86, 0.86), Srgb(1, 1, 1, 0.36));
}
DynColor BezelEdge() {
  return Dyn(Srgb(0, 0, 0, 0.16), Srgb(1, 1, 1, 0.06));
}
DynColor BezelShadow() {
  return Dyn(Srgb(0, 0, 0, 0.10), Srgb(0, 0, 0, 0.30));
}
DynColor BezelHighlight() {
  return Dyn(Srgb(1, 1, 1, 0), Srgb(1, 1, 1, 0.14));
}

// The badge's faint capsule fill.
DynColor BadgeFill() {
  return Dyn(Srgb(0, 0, 0, 0.06), Srgb(1, 1, 1, 0.10));
}
DynColor BadgePressedFill() {
  return Dyn(Srgb(0, 0, 0, 0.14), Srgb(1, 1, 1, 0.20));
}

QSize TitleSizeHint(const QWidget* button, const QString& title, int padding, int height) {
  return QSize(static_cast<int>(MeasureText(title, button->font()).width()) + padding, height);
}

}  // namespace

PushButton::PushButton(const QString& title, QWidget* parent) : ButtonBase(title, parent) {
  setFont(SystemFont(13));
}

QSize PushButton::sizeHint() const {
  return TitleSizeHint(this, text(), 40, 32);
}

void PushButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF bezel = titleArea();
  const double radius = 6;
  const double opacity = isEnabled() ? 1.0 : 0.5;

  QPainterPath shadow;
  shadow.addRoundedRect(bezel.translated(0, 0.5).adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5,
                        radius + 0.5);
  QPainterPath edge;
  edge.addRoundedRect(bezel.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5, radius + 0.5);
  QPainterPath body;
  body.addRoundedRect(bezel, radius, radius);

  painter.setOpacity(opacity);
  painter.fillPath(shadow, BezelShadow().resolve(this));
  painter.fillPath(edge, BezelEdge().resolve(this));
  painter.fillPath(body, (isDown() ? BezelPressedFill() : BezelFill()).resolve(this));
  // A faint top highlight, as dark bezels have.
  painter.save();
  painter.setClipPath(body);
  painter.fillRect(QRectF(bezel.x(), bezel.y(), bezel.width(), 1), BezelHighlight().resolve(this));
  painter.restore();
  painter.setOpacity(1.0);
  drawFocusRing(painter, bezel, radius);

  const DynColor titleColor = isEnabled() ? ControlTextColor() : DisabledControlTextColor();
  DrawCentredText(painter, bezel, text(), font(), titleColor.resolve(this), titleInset());
}

QRectF PushButton::titleArea() const {
  // The bezel keeps the platform's height and sits in the middle of a taller frame, with the
  // frame's usual 6-point margin on the left and right.
  const double h = std::min<double>(kBezelHeight, height() - 2);
  return QRectF(6, (height() - h) / 2.0, std::max(0, width() - 12), h);
}

TintedButton::TintedButton(const QString& title, const DynColor& tint, QWidget* parent)
    : ButtonBase(title, parent), tint_(tint) {}

void TintedButton::setContentTintColor(const DynColor& color) {
  tint_ = color;
  update();
}

QColor TintedButton::titleColor() const {
  return (isEnabled() ? tint_ : DisabledControlTextColor()).resolve(this);
}

BadgeButton::BadgeButton(const QString& title, QWidget* parent)
    : TintedButton(title, LabelColor(), parent) {
  setFont(SystemFont(12.5, QFont::DemiBold));
}

QSize BadgeButton::sizeHint() const {
  return TitleSizeHint(this, text(), 24, 24);
}

void BadgeButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF capsule = titleArea();
  const double h = capsule.height();
  QPainterPath body;
  body.addRoundedRect(capsule, h / 2.0, h / 2.0);
  painter.fillPath(body, (isDown() ? BadgePressedFill() : BadgeFill()).resolve(this));
  drawFocusRing(painter, capsule, h / 2.0);

  DrawCentredText(painter, capsule, text(), font(), titleColor(), titleInset());
}

QRectF BadgeButton::titleArea() const {
  const double h = std::min<double>(height() - 2, 20);
  return QRectF(0.5, (height() - h) / 2.0, width() - 1.0, h);
}

BorderlessButton::BorderlessButton(const QString& title, QWidget* parent)
    : TintedButton(title, ControlTextColor(), parent) {
  setFont(SystemFont(13));
}

QSize BorderlessButton::sizeHint() const {
  return TitleSizeHint(this, text(), 12, 24);
}

void BorderlessButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor color = titleColor();
  if (isDown()) color = WithAlpha(color, color.alphaF() * 0.55);
  DrawCentredText(painter, rect(), text(), font(), color, titleInset());
  drawFocusRing(painter, QRectF(rect()).adjusted(2, 2, -2, -2), 4);
}

}  // namespace vlmr
