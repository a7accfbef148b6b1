#include "platform/qt/qt_main_queue.h"

#include <QCoreApplication>
#include <QTimer>

namespace vlmr {

void QtMainQueue::async(Work work) {
  // Held while posting, so close() never returns with a post still on its way
  // to an application object that is going.
  std::lock_guard lock(mutex_);
  if (!open_) return;
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

void QtMainQueue::after(std::chrono::nanoseconds delay, Work work) {
  auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(delay);
  // Timers belong to the thread that starts them: start it on the main thread.
  async([milliseconds, work = std::move(work)]() mutable {
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(work));
  });
}

void QtMainQueue::close() {
  std::lock_guard lock(mutex_);
  open_ = false;
}

}  // namespace vlmr
