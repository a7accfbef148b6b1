#include "components/primary_button.h"

#include <QPainter>
#include <QPainterPath>

#include "components/fonts.h"
#include "components/palette.h"

namespace vlmr {

PrimaryButton::PrimaryButton(const QString& title, QWidget* parent) : ButtonBase(title, parent) {}

QSize PrimaryButton::sizeHint() const {
  const QSizeF text = TextSize(this->text(), 13, QFont::DemiBold);
  return QSize(static_cast<int>(text.width()) + 40, 36);
}

void PrimaryButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF bounds = rect();
  QPainterPath body;
  body.addRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

  const bool enabled = isEnabled();
  const DynColor base = enabled ? TealColor() : DisabledControlTextColor();
  const DynColor fill = isDown() ? Blend(base, BlackColor(), 0.18) : base;
  painter.fillPath(body, fill.resolve(this));
  drawFocusRing(painter, bounds.adjusted(0.5, 0.5, -0.5, -0.5), 8);

  const DynColor titleColor = enabled ? WhiteColor() : ControlTextColor();
  DrawCentredText(painter, bounds, text(), titleFont(), titleColor.resolve(this), titleInset());
}

QFont PrimaryButton::titleFont() const {
  return SystemFont(13, QFont::DemiBold);
}

}  // namespace vlmr
