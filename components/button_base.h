#pragma once

#include <QAbstractButton>
#include <QList>
#include <QString>

#include "components/focus_ring.h"

class QPainter;
class QShortcut;

namespace vlmr {

/// What the installer's self-drawn buttons share: a title, a key equivalent and the focus ring.
class ButtonBase : public QAbstractButton {
  Q_OBJECT
 public:
  /// A button titled `title`, focusable from the keyboard only.
  explicit ButtonBase(const QString& title, QWidget* parent = nullptr);

  /// The button's title (its text).
  QString title() const { return text(); }
  /// Sets the title and redraws.
  void setTitle(const QString& title) { setText(title); }

  /// The key that clicks the button anywhere in its window ("\r" for Return), or "".
  QString keyEquivalent() const { return keyEquivalent_; }
  /// Sets the key equivalent: "\r" is Return (and Enter); other strings are key sequences
  /// such as "Ctrl+O". An empty string removes it. A disabled or hidden button ignores it.
  void setKeyEquivalent(const QString& key);

  /// Whether the focus ring shows: the button has the focus and it came from the keyboard.
  bool showsFocusRing() const { return hasFocus() && keyboardFocus_.fromKeyboard(); }

  /// Whether the title fits inside the button's shape, set smaller if it must be (down to
  /// kMinimumTextScale): a translation that does not is to be rewritten shorter.
  bool titleFits() const;
  /// The share of its size the title is drawn at to fit: 1, or less where it had to
  /// shrink; 0 when it does not fit even at kMinimumTextScale.
  double titleScale() const;

 protected:
  /// The title's font, area and the room it keeps from the area's sides.
  virtual QFont titleFont() const { return font(); }
  virtual QRectF titleArea() const { return QRectF(rect()); }
  virtual double titleInset() const { return 4; }

  /// Draws the focus ring around the rounded rectangle `shape` while showsFocusRing().
  void drawFocusRing(QPainter& painter, const QRectF& shape, double radius) const;
  void focusInEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void activateFromKey();

  KeyboardFocus keyboardFocus_;
  QString keyEquivalent_;
  QList<QShortcut*> shortcuts_;
};

}  // namespace vlmr
