#pragma once

#include <QRectF>
#include <Qt>

class QPainter;
class QWidget;

namespace vlmr {

/// Whether a control shows its focus ring. As on the Mac, the ring shows only while the focus is
/// there because the keyboard put it there (Tab, Shift+Tab): not at launch, not after a click.
class KeyboardFocus {
 public:
  /// Records a focus-in event with `reason`.
  void focusIn(Qt::FocusReason reason);
  /// After Tab (`next`) or Shift+Tab was handled on `owner`: if the focus stayed there (the
  /// window has no other control, so no focus event came), the keyboard is still in use and
  /// the ring shows.
  void tabbed(QWidget* owner, bool next);
  /// Records a focus-out event with `reason`.
  void focusOut(Qt::FocusReason reason);
  /// Whether the ring shows now (the owner also has to have the focus).
  bool fromKeyboard() const { return fromKeyboard_; }

 private:
  bool fromKeyboard_ = false;
};

/// Draws the focus ring of a control whose visible shape is the rounded rectangle `control`
/// with corner `radius` (`widget`'s coordinates): a 3-point band hugging the shape from outside,
/// moved inward where the widget has no room, so the whole ring is always drawn.
void DrawFocusRing(QPainter& painter, const QWidget* widget, const QRectF& control, double radius);

}  // namespace vlmr
