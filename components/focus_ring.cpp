#include "components/focus_ring.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>

#include "components/palette.h"

namespace vlmr {
namespace {

constexpr double kRingWidth = 3;
// How far the ring reaches outside the control's shape when there is room for it.
constexpr double kRingOutset = 2;

}  // namespace

void KeyboardFocus::focusIn(Qt::FocusReason reason) {
  // Only the keyboard and the mouse say how the user is moving the focus. Focus that comes
  // back with the window (after a dialog, a menu or another application) keeps the ring as
  // it was: a control that still has the keyboard's focus must still show it, or Return and
  // Space would act on a control the user cannot see is focused.
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) fromKeyboard_ = true;
  if (reason == Qt::MouseFocusReason) fromKeyboard_ = false;
}

void KeyboardFocus::tabbed(QWidget* owner, bool next) {
  if (!owner->hasFocus()) return;
  focusIn(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  owner->update();
}

void KeyboardFocus::focusOut(Qt::FocusReason reason) {
  // Leaving for another window or a popup is not moving on within this one.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
      reason == Qt::OtherFocusReason) {
    return;
  }
  fromKeyboard_ = false;
}

void DrawFocusRing(QPainter& painter, const QWidget* widget, const QRectF& control, double radius) {
  // The ring's outer edge: around the control, but never past the widget's own edge, which
  // would cut the ring in half.
  const QRectF outer = control.adjusted(-kRingOutset, -kRingOutset, kRingOutset, kRingOutset) &
                       QRectF(widget->rect());
  if (outer.width() < 2 * kRingWidth || outer.height() < 2 * kRingWidth) return;
  const double half = kRingWidth / 2;
  QPainterPath ring;
  const double r = std::max(0.0, radius + kRingOutset - half);
  ring.addRoundedRect(outer.adjusted(half, half, -half, -half), r, r);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.strokePath(ring, QPen(FocusRingColor().resolve(widget), kRingWidth));
  painter.restore();
}

}  // namespace vlmr
