#pragma once

#include <QRectF>
#include <QUrl>
#include <QWidget>
#include <functional>

class QMimeData;

namespace vlmr {

/// The drop target for the installer file: a dashed rounded box that accepts drags of local
/// files only, lights up while one whose extension is "exe" (any case) hovers over it, and hands
/// that file's URL to `onDrop`. Subviews (its labels) do not take drags themselves.
class DropZoneView : public QWidget {
  Q_OBJECT
 public:
  /// Called with the dropped file's URL, synchronously inside the drop.
  using DropHandler = std::function<void(const QUrl& url)>;

  /// An idle drop zone at `frame` (bottom-left based) with no callback.
  explicit DropZoneView(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

  /// Whether an acceptable file hovers over the zone.
  bool highlighted() const { return highlighted_; }
  /// Stores the flag; redraws only when it changes.
  void setHighlighted(bool highlighted);

  /// The drop callback, or an empty function.
  const DropHandler& onDrop() const { return onDrop_; }
  /// Sets the drop callback (an empty function: none).
  void setOnDrop(DropHandler handler) { onDrop_ = std::move(handler); }

  /// The first local-file URL in `data`, in order, whose extension lower-cased is "exe";
  /// an empty URL when there is none.
  static QUrl fileUrlFromDrag(const QMimeData* data);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool highlighted_ = false;
  DropHandler onDrop_;
};

}  // namespace vlmr
