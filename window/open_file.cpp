// Opening an installer with the application: the system's file-open events
// (and, on Linux, the files named on the command line, passed as such events)
// reach the installer selection (window/selection_flow.cpp).
#include "window/open_file.h"

#include <QCoreApplication>
#include <QFileOpenEvent>

namespace vlmr {

FileOpenFilter::FileOpenFilter(std::function<void(const std::string& path)> open,
                               QObject* parent)
    : QObject(parent), open_(std::move(open)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool FileOpenFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FileOpen) return QObject::eventFilter(watched, event);
  const QString path = static_cast<QFileOpenEvent*>(event)->file();
  // The one conversion of the path, where it comes in.
  if (!path.isEmpty() && open_) open_(path.toStdString());
  return true;
}

void PostFileOpenEvents(const std::vector<std::string>& paths) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  for (const std::string& path : paths) {
    QCoreApplication::postEvent(app, new QFileOpenEvent(QString::fromStdString(path)));
  }
}

}  // namespace vlmr
