#include "components/drop_zone_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

#include "components/accessibility.h"
#include "components/frame.h"
#include "components/palette.h"

namespace vlmr {
namespace {

// The extension as the Mac sees it: what follows the last dot of the last path component,
// trailing slashes ignored; a name that only starts with a dot has none.
QString PathExtension(QString path) {
  while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot <= 0) return QString();
  return name.mid(dot + 1);
}

}  // namespace

DropZoneView::DropZoneView(const QRectF& frame, QWidget* parent) : QWidget(parent) {
  setAcceptDrops(true);
  // Like the buttons: reached by Tab, not focused by a click.
  setFocusPolicy(Qt::TabFocus);
  InstallAccessibleViews();
  SetFrame(this, frame);
}

void DropZoneView::activate() {
  emit chooseRequested();
}

namespace {

// Space (and Select) are the zone's own while it has the focus. Return and Enter keep their key
// equivalent, as on the Mac: they reach the zone only when no enabled default button ("Build")
// took them first.
bool ActivatesZone(const QKeyEvent* event, bool returnToo) {
  if (event->modifiers() & ~Qt::KeypadModifier) return false;
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return returnToo;
  return key == Qt::Key_Space || key == Qt::Key_Select;
}

}  // namespace

bool DropZoneView::event(QEvent* event) {
  // While the zone has the focus, Space is its own, whatever shortcut it might also be.
  if (event->type() == QEvent::ShortcutOverride &&
      ActivatesZone(static_cast<QKeyEvent*>(event), false)) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void DropZoneView::keyPressEvent(QKeyEvent* event) {
  if (!ActivatesZone(event, true)) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  activate();
}

void DropZoneView::focusInEvent(QFocusEvent* event) {
  keyboardFocus_.focusIn(event->reason());
  update();
  QWidget::focusInEvent(event);
}

bool DropZoneView::focusNextPrevChild(bool next) {
  const bool found = QWidget::focusNextPrevChild(next);
  keyboardFocus_.tabbed(this, next);
  return found;
}

void DropZoneView::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_.focusOut(event->reason());
  update();
  QWidget::focusOutEvent(event);
}

void DropZoneView::setHighlighted(bool highlighted) {
  if (highlighted == highlighted_) return;
  highlighted_ = highlighted;
  update();
}

QUrl DropZoneView::fileUrlFromDrag(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return QUrl();
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;  // file URLs only: no web links, no text
    const QString path = url.toLocalFile();
    // Any file goes to the page, which says what a wrong one is. Of folders
    // only those it can name: a Mac app or package bundle, and one posing as
    // an installer; any other folder is not something to install from.
    if (!QFileInfo(path).isDir()) return url;
    const QString extension = PathExtension(path).toLower();
    if (extension == QLatin1String("app") || extension == QLatin1String("pkg") ||
        extension == QLatin1String("exe")) {
      return url;
    }
  }
  return QUrl();
}

void DropZoneView::dragEnterEvent(QDragEnterEvent* event) {
  setHighlighted(!fileUrlFromDrag(event->mimeData()).isEmpty());
  if (highlighted_) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void DropZoneView::dragMoveEvent(QDragMoveEvent* event) {
  // The answer given on entering holds while the drag moves inside the zone.
  if (highlighted_) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void DropZoneView::dragLeaveEvent(QDragLeaveEvent*) {
  setHighlighted(false);
}

void DropZoneView::dropEvent(QDropEvent* event) {
  const QUrl url = fileUrlFromDrag(event->mimeData());
  // Back to idle before the receivers run: they may replace the page this zone is on.
  setHighlighted(false);
  if (url.isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit fileDropped(url);
}

void DropZoneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath box;
  box.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 14, 14);

  const DynColor fill = Blend(StatusColor(), TealColor(), highlighted_ ? 0.35 : 0.0);
  painter.fillPath(box, fill.resolve(this));

  const DynColor stroke = highlighted_ ? TealColor() : WithAlpha(TealColor(), 0.55);
  QPen pen(stroke.resolve(this), 2.0);
  // Qt measures dashes in pen widths: 7 points on, 5 off at width 2.
  pen.setDashPattern({7.0 / 2.0, 5.0 / 2.0});
  pen.setDashOffset(0);
  pen.setCapStyle(Qt::FlatCap);
  painter.strokePath(box, pen);
  if (showsFocusRing()) DrawFocusRing(painter, this, QRectF(rect()).adjusted(2, 2, -2, -2), 14);
}

}  // namespace vlmr
