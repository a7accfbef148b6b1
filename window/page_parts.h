#pragma once

#include <QString>

class QWidget;

namespace vlmr {

class Label;
class PrimaryButton;
class PushButton;

// The recurring elements of the pages. Frames are (x, y, width, height) with
// the origin at the bottom-left of the parent, y growing upward; each builder
// adds what it makes to `parent`.

/// The page header: product icon of `iconSize`, bold 26 title and regular 15
/// lead at the top of `parent`. Returns the lead label.
Label* AddHeroTo(QWidget* parent, const QString& title, const QString& lead, double iconSize);

/// A teal primary button at (x, y, width, 36); the page connects its click.
PrimaryButton* AddPrimaryButtonTo(QWidget* parent, const QString& title, double x, double y,
                                  double width);

/// A standard push button at (x, y, width, 36); the page connects its click.
PushButton* AddSecondaryButtonTo(QWidget* parent, const QString& title, double x, double y,
                                 double width);

/// `name` (a file name or path) ready to stand in a sentence on screen: isolated from the
/// text around it (IsolatedName).
QString ShownName(const QString& name);

/// One checklist row: a green (ok) or amber dot and "label  value". Returns the text label.
Label* AddStatusRowTo(QWidget* parent, double x, double y, const QString& label,
                      const QString& value, bool ok);

/// A checklist row whose verdict is not in yet: a grey dot and "label  value".
Label* AddPendingRowTo(QWidget* parent, double x, double y, const QString& label,
                       const QString& value);

}  // namespace vlmr
