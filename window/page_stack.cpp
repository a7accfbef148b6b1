#include "window/page_stack.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include "components/surfaces.h"

namespace vlmr {
namespace {

// Waits for the first paint of one page, or for its bound, and then hands the
// work to the event loop: queued, it runs after the paint has reached the screen.
class PaintWaiter final : public QObject {
 public:
  PaintWaiter(QWidget* page, QObject* context, std::function<void()> work,
              std::chrono::milliseconds bound)
      : QObject(context), page_(page), work_(std::move(work)) {
    if (page_ != nullptr) page_->installEventFilter(this);
    QTimer::singleShot(bound, this, &PaintWaiter::fire);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == page_ && event->type() == QEvent::Paint) {
      QTimer::singleShot(0, this, &PaintWaiter::fire);
    }
    return false;
  }

 private:
  void fire() {
    if (fired_) return;
    fired_ = true;
    if (page_ != nullptr) page_->removeEventFilter(this);
    std::function<void()> work = std::move(work_);
    deleteLater();
    work();
  }

  QPointer<QWidget> page_;
  std::function<void()> work_;
  bool fired_ = false;
};

}  // namespace

PageStack::PageStack(QWidget* parent) : QStackedWidget(parent) {
  setFixedSize(kPageWidth, kPageHeight);
}

void PageStack::showPage(QWidget* page) {
  QWidget* old = currentWidget();
  if (page == nullptr || page == old) return;
  if (old != nullptr) {
    // Hidden before the next page comes, as focus leaves it: the next page
    // starts without a focused control until the keyboard is used.
    old->hide();
    removeWidget(old);
    // Out of the window at once, so the stack holds one page; deleted later.
    old->setParent(nullptr);
    old->deleteLater();
  }
  addWidget(page);
  setCurrentWidget(page);
}

QWidget* PageStack::hostWindow() const {
  // Outside a window a widget is its own window.
  QWidget* top = window();
  return top != this ? top : nullptr;
}

void PageStack::whenPainted(QObject* context, std::function<void()> work,
                            std::chrono::milliseconds bound) {
  // Owned by `context`: it goes, unfired, when the context does.
  new PaintWaiter(page(), context, std::move(work), bound);
}

void PageStack::bringWindowForward() {
  QWidget* top = hostWindow();
  if (top == nullptr) return;
  if (top->isMinimized()) top->showNormal();
  top->raise();
  top->activateWindow();
}

}  // namespace vlmr
