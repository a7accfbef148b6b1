// Opening an installer with the application: the system's file-open events
// (and, on Linux, the files named on the command line, passed as such events)
// go to the installer page as a drop would, unless the window cannot take a
// file right now.
#include "window/open_file.h"

#include <QCoreApplication>
#include <QFileOpenEvent>
#include <QMainWindow>
#include <QUrl>

#include "platform/installer_log.h"
#include "window/build_run.h"
#include "window/installer_controller.h"
#include "window/installer_page.h"

namespace vlmr {

FileOpenFilter::FileOpenFilter(std::function<void(const QString& path)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool FileOpenFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FileOpen) return QObject::eventFilter(watched, event);
  const QString path = static_cast<QFileOpenEvent*>(event)->file();
  if (!path.isEmpty() && open_) open_(path);
  return true;
}

void PostFileOpenEvents(const std::vector<std::string>& paths) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  for (const std::string& path : paths) {
    QCoreApplication::postEvent(app, new QFileOpenEvent(QString::fromStdString(path)));
  }
}

void InstallerController::openInstallerFile(const QString& path) {
  const std::string file = path.toStdString();
  // A running build keeps its installer; the file is not taken for later either.
  if (run_ != nullptr || session_.buildPhase() != BuildPhase::Idle) {
    AppendInstallerLog("installer open ignored, a build is running: " + file);
    return;
  }
  // Before the window is up, while the prerequisites are checked, or while
  // they are missing, the welcome page stays; the latest file waits until
  // they are present (and is logged as waiting once they are known missing).
  if (content_ == nullptr || !session_.prerequisitesPresent()) {
    pendingOpen_ = file;
    pendingOpenLogged_ = false;
    if (session_.prerequisitesMissing()) logPendingOpen();
    return;
  }
  pendingOpen_.reset();
  if (currentPageAs<InstallerPage>() == nullptr) showDropPage();
  useInstallerAtURL(QUrl::fromLocalFile(path));
  // The player asked for this file: the window comes forward to show it.
  if (window_ != nullptr) {
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
  }
}

void InstallerController::openPendingInstallerFile() {
  if (!pendingOpen_) return;
  if (!session_.prerequisitesPresent()) {
    if (session_.prerequisitesMissing()) logPendingOpen();
    return;
  }
  const std::string file = *pendingOpen_;
  pendingOpen_.reset();
  openInstallerFile(QString::fromStdString(file));
}

void InstallerController::logPendingOpen() {
  if (!pendingOpen_ || pendingOpenLogged_) return;
  pendingOpenLogged_ = true;
  AppendInstallerLog("installer open waits for the prerequisites: " + *pendingOpen_);
}

}  // namespace vlmr
