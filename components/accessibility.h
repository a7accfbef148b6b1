#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

class QWidget;

namespace vlmr {

// The custom views draw themselves, so screen readers learn about them through accessible
// interfaces of our own (Qt maps them to AT-SPI on Linux and to NSAccessibility on the Mac):
//   Label          static text (or a heading) named by its plain text
//   ProgressBar    progress bar with its current, minimum and maximum value
//   StagePillView  static text "<stage>: done", ": in progress" or ": not started"
//   KeycapView     static text naming its keys in words
//   DropZoneView   a button that runs the installer chooser
// The buttons are QAbstractButtons and read as push buttons through Qt's own interface.

/// Registers the accessible interfaces of the custom views with Qt, once; every custom view's
/// constructor calls it, so no program has to remember to.
void InstallAccessibleViews();

/// Tells screen readers that `widget`'s accessible `change` (NameChanged, DescriptionChanged…)
/// has happened. The caller raises it only when the value really changed.
void AnnounceAccessibleChange(QWidget* widget, QAccessible::Event change);

/// Makes `lead` and `others` read as one element named `name`, such as a status row's dot and
/// text ("Python 3: Ready") or a key cap and its meaning ("Command Return: Fullscreen"):
/// `lead` takes the name and the others leave the accessible tree (they report themselves
/// invisible). Works for the custom views above.
void GroupForAccessibility(QWidget* lead, const QString& name, const QList<QWidget*>& others);

/// Leaves a purely decorative view (a separator, an icon beside its title) out of the accessible
/// tree, so a screen reader does not stop on something without words. Works for any widget.
void HideFromAccessibility(QWidget* widget);

/// Whether `widget` was left out of the accessible tree by GroupForAccessibility or
/// HideFromAccessibility.
bool IsAccessiblyHidden(const QWidget* widget);

/// A key cap's text as a screen reader should say it: "⌘ Return" becomes "Command Return",
/// "1–4" becomes "1 to 4".
QString SpokenKeys(const QString& keys);

}  // namespace vlmr
