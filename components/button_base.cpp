#include "components/button_base.h"

#include "components/fonts.h"

#include <QFocusEvent>
#include <QKeySequence>
#include <QShortcut>

#include "components/accessibility.h"

namespace vlmr {

ButtonBase::ButtonBase(const QString& title, QWidget* parent) : QAbstractButton(parent) {
  setText(title);
  // As on the Mac, buttons take the focus from the keyboard only, never from a click.
  setFocusPolicy(Qt::TabFocus);
  InstallAccessibleViews();
}

void ButtonBase::setKeyEquivalent(const QString& key) {
  qDeleteAll(shortcuts_);
  shortcuts_.clear();
  keyEquivalent_ = key;
  if (key.isEmpty()) return;

  QList<QKeySequence> sequences;
  if (key == QStringLiteral("\r")) {
    sequences << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
  } else {
    sequences << QKeySequence(key);
  }
  for (const QKeySequence& sequence : sequences) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &ButtonBase::activateFromKey);
    shortcuts_ << shortcut;
  }
}

void ButtonBase::activateFromKey() {
  // Synchronous, so the action has run when the key press has been handled.
  if (isEnabled() && isVisible()) click();
}

void ButtonBase::drawFocusRing(QPainter& painter, const QRectF& shape, double radius) const {
  if (showsFocusRing()) DrawFocusRing(painter, this, shape, radius);
}

void ButtonBase::focusInEvent(QFocusEvent* event) {
  keyboardFocus_.focusIn(event->reason());
  QAbstractButton::focusInEvent(event);
}

bool ButtonBase::focusNextPrevChild(bool next) {
  const bool found = QAbstractButton::focusNextPrevChild(next);
  keyboardFocus_.tabbed(this, next);
  return found;
}

void ButtonBase::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_.focusOut(event->reason());
  QAbstractButton::focusOutEvent(event);
}

bool ButtonBase::titleFits() const {
  return titleScale() > 0;
}

double ButtonBase::titleScale() const {
  const double room = titleArea().width() - 2 * titleInset();
  const QFont font = titleFont();
  const QFont fitting = FittingFont(text(), font, room);
  if (MeasureText(text(), fitting).width() > room) return 0;
  return PixelSizeOf(fitting) / PixelSizeOf(font);
}

}  // namespace vlmr
