#include "components/button_base.h"

#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QShortcut>

#include "components/palette.h"

namespace vlmr {

ButtonBase::ButtonBase(const QString& title, QWidget* parent) : QAbstractButton(parent) {
  setText(title);
  // As on the Mac, buttons take the focus from the keyboard only, never from a click.
  setFocusPolicy(Qt::TabFocus);
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

void ButtonBase::drawFocusRing(QPainter& painter, const QPainterPath& shape) const {
  if (!hasFocus()) return;
  QPainterPathStroker stroker;
  stroker.setWidth(3.0);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(stroker.createStroke(shape), FocusRingColor().resolve(this));
  painter.restore();
}

}  // namespace vlmr
