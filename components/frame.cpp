#include "components/frame.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace vlmr {
namespace {

constexpr const char* kFrameProperty = "vlmrFrame";

QRect QtGeometry(const QRectF& frame, const QWidget* parent) {
  const double parentHeight = parent != nullptr ? parent->height() : frame.y() + frame.height();
  const double qtY = parentHeight - frame.y() - frame.height();
  return QRect(static_cast<int>(std::lround(frame.x())), static_cast<int>(std::lround(qtY)),
               static_cast<int>(std::lround(frame.width())),
               static_cast<int>(std::lround(frame.height())));
}

void ApplyKeptFrame(QWidget* widget) {
  const QVariant kept = widget->property(kFrameProperty);
  if (!kept.isValid()) return;
  widget->setGeometry(QtGeometry(kept.toRectF(), widget->parentWidget()));
}

// Re-places a widget with a kept frame whenever it moves to another parent, since the
// conversion depends on the parent's height.
class FrameKeeper : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ParentChange && watched->isWidgetType()) {
      ApplyKeptFrame(static_cast<QWidget*>(watched));
    }
    return false;
  }
};

FrameKeeper* Keeper() {
  // Lives for the whole process; widgets may outlive any object we could tie it to.
  static FrameKeeper* keeper = new FrameKeeper;
  return keeper;
}

}  // namespace

void SetFrame(QWidget* child, const QRectF& frame) {
  if (child == nullptr) return;
  if (!child->property(kFrameProperty).isValid()) child->installEventFilter(Keeper());
  child->setProperty(kFrameProperty, frame);
  ApplyKeptFrame(child);
}

void SetFrame(QWidget* child, double x, double y, double width, double height) {
  SetFrame(child, QRectF(x, y, width, height));
}

QRectF FrameOf(const QWidget* widget) {
  if (widget == nullptr) return {};
  const QRect g = widget->geometry();
  const QWidget* parent = widget->parentWidget();
  const double parentHeight = parent != nullptr ? parent->height() : g.y() + g.height();
  return QRectF(g.x(), parentHeight - g.y() - g.height(), g.width(), g.height());
}

void AddSubview(QWidget* parent, QWidget* child) {
  if (parent == nullptr || child == nullptr) return;
  // A child hidden on purpose stays hidden; any other one appears with its new parent.
  const bool hiddenOnPurpose = child->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                               child->testAttribute(Qt::WA_WState_Hidden);
  if (child->parentWidget() != parent) {
    child->setParent(parent);  // the kept frame is applied on the parent change
  } else {
    ApplyKeptFrame(child);
    child->raise();
  }
  if (parent->isVisible() && !hiddenOnPurpose) child->show();
}

}  // namespace vlmr
