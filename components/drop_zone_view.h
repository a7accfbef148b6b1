#pragma once

#include <QRectF>
#include <QUrl>
#include <QWidget>

#include "components/focus_ring.h"

class QMimeData;

namespace vlmr {

/// The drop target for the installer file: a dashed rounded box that accepts drags of local
/// files only, lights up while one hovers over it, and hands that file's URL on with
/// fileDropped (whatever its name: the page explains a wrong file). Subviews (its labels) do
/// not take drags themselves.
/// It is also a control the keyboard reaches (Tab): Space or Return while it has the focus, or
/// a screen reader's press, asks for the installer chooser (chooseRequested).
class DropZoneView : public QWidget {
  Q_OBJECT
 public:
  /// An idle drop zone at `frame` (bottom-left based).
  explicit DropZoneView(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

  /// Whether an acceptable file hovers over the zone.
  bool highlighted() const { return highlighted_; }
  /// Stores the flag; redraws only when it changes.
  void setHighlighted(bool highlighted);

  /// The first local-file URL in `data`, in order, that is not a folder, or is a folder whose
  /// extension lower-cased is "app", "pkg" or "exe"; an empty URL when there is none.
  static QUrl fileUrlFromDrag(const QMimeData* data);

  /// Asks for the chooser, as Space or Return on the focused zone does: emits chooseRequested.
  void activate();
  /// Whether the focus ring shows: the zone has the focus and it came from the keyboard.
  bool showsFocusRing() const { return hasFocus() && keyboardFocus_.fromKeyboard(); }

 signals:
  /// A file was dropped: its URL, synchronously inside the drop, after the highlight has
  /// ended. A receiver may replace the page this zone is on (with deleteLater).
  void fileDropped(const QUrl& url);
  /// The user asked from the keyboard (or a screen reader) to choose the installer file.
  void chooseRequested();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void focusOutEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool highlighted_ = false;
  KeyboardFocus keyboardFocus_;
};

}  // namespace vlmr
