#pragma once

#include <QRectF>

class QWidget;

namespace vlmr {

// Frames are given as on the Mac: (x, y, width, height) with the origin at the bottom-left of
// the parent and y growing upward. These helpers are the one place where they become Qt
// geometry (origin top-left): qtY = parentHeight - y - height.

/// Places `child` at the bottom-left based frame in its parent. The frame is kept on the child,
/// so a child without a parent yet is placed when it gets one (AddSubview or setParent).
void SetFrame(QWidget* child, double x, double y, double width, double height);
/// SetFrame with the frame as a rectangle (x, y, width, height), bottom-left based.
void SetFrame(QWidget* child, const QRectF& frame);

/// The bottom-left based frame of `widget` in its parent (its Qt geometry converted back).
QRectF FrameOf(const QWidget* widget);

/// Adds `child` to `parent` as its last subview, placing it at its kept frame, and shows it
/// when the parent is already on screen.
void AddSubview(QWidget* parent, QWidget* child);

}  // namespace vlmr
