// How a build ends in the window, and the actions of the error and done
// pages: copying and showing the log, moving, opening and showing the app.
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>

#include "base/files.h"
#include "base/text.h"
#include "installing/app_install.h"
#include "installing/finder_folder.h"
#include "platform/app_folders.h"
#include "platform/home.h"
#include "platform/installer_log.h"
#include "platform/qt/app_launch.h"
#include "platform/qt/desktop_services.h"
#include "platform/queues.h"
#include "session/build_clock.h"
#include "session/build_timings.h"
#include "window/build_presence.h"
#include "window/build_run.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/installer_controller.h"
#include "window/localization.h"

namespace vlmr {
namespace {

// Hands notifications on in the window's language.
class LocalizedPoster final : public NotificationPoster {
 public:
  explicit LocalizedPoster(NotificationPoster& poster) : poster_(poster) {}
  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override {
    poster_.post(Localized(title).toStdString(), Localized(body).toStdString(), std::move(onClick));
  }

 private:
  NotificationPoster& poster_;
};

// The log's path, or the default one when none was recorded yet.
QString LogFilePath(const std::optional<std::string>& logPath) {
  return QString::fromStdString(logPath.value_or(AppFolders::Current().installerLog()));
}

// `path` with the home directory written as "~" where the path lies inside it.
// Only a leading home counts: the same letters further on are part of other
// names, and a home of "/" would otherwise turn every separator into "~".
QString AbbreviatedHome(const QString& path, QString home) {
  while (home.endsWith(QLatin1Char('/'))) home.chop(1);
  if (home.isEmpty()) return path;
  if (path == home) return QStringLiteral("~");
  if (path.startsWith(home + QLatin1Char('/'))) return QStringLiteral("~") + path.mid(home.size());
  return path;
}

}  // namespace

void InstallerController::buildFinished(int32_t status, const BuildResult& result) {
  const BuildOutcome outcome = session_.buildFinished(status, result);
  if (outcome.kind == BuildOutcome::Kind::Done && run_ != nullptr) recordFinishedBuild(*run_);
  releaseRun();
  switch (outcome.kind) {
    case BuildOutcome::Kind::Done:
      showPage(donePageWithAppPath(QString::fromStdString(outcome.appPath), false));
      notifyBuildEnded(BuildEnd::Done, "");
      return;
    case BuildOutcome::Kind::Cancelled:
      showDropPage();
      notifyBuildEnded(BuildEnd::Cancelled, "");
      return;
    case BuildOutcome::Kind::Failed:
      showPage(errorPageTitle(Localized(outcome.advice), ErrorPage::tr(kInstallerUnchanged)));
      notifyBuildEnded(BuildEnd::Failed, outcome.advice);
      return;
  }
}

void InstallerController::buildFailedWithMessage(const QString& message,
                                                 const BuildResult& result) {
  releaseRun();
  const BuildOutcome outcome = session_.buildFailed(message.toStdString(), result);
  showPage(errorPageTitle(Localized(outcome.advice), ErrorPage::tr(kInstallerUnchanged)));
  notifyBuildEnded(BuildEnd::Failed, outcome.advice);
}

void InstallerController::recordFinishedBuild(const BuildRun& run) {
  AppendInstallerLog(BuildFinishedText(run.elapsed()));
  // Written with an fsync: off the main thread. A lost file only costs the
  // next build its estimate.
  RunInBackground([timings = run.timings()] { SaveBuildTimings(timings); });
}

void InstallerController::notifyBuildEnded(BuildEnd end, const std::string& failure) {
  presence_->buildEnded(end, window_ != nullptr && window_->isActiveWindow());
  if (window_ == nullptr || window_->isActiveWindow()) return;
  NotificationPoster* poster = notificationPoster();
  if (poster == nullptr) return;
  QPointer<QMainWindow> window = window_;
  LocalizedPoster localized(*poster);
  NotifyBuildEnded(localized, false, end, failure, [window] {
    if (window == nullptr) return;
    window->showNormal();
    window->raise();
    window->activateWindow();
  });
}

ErrorPage* InstallerController::errorPageTitle(const QString& title, const QString& body) {
  const QString shown =
      AbbreviatedHome(LogFilePath(session_.logPath()), QString::fromStdString(HomeDirectory()));
  auto* page = new ErrorPage({title, body, shown});
  connect(page, &ErrorPage::copyLogRequested, this, &InstallerController::copyLog);
  connect(page, &ErrorPage::revealLogRequested, this, &InstallerController::revealLog);
  connect(page, &ErrorPage::chooseAnotherRequested, this,
          &InstallerController::chooseAnotherInstaller);
  return page;
}

void InstallerController::copyLog() {
  const QString path = LogFilePath(session_.logPath());
  QString text;
  // Only a log that is valid UTF-8 is copied as text; anything else gives its path.
  if (std::optional<std::string> bytes = ReadFileBytes(path.toStdString());
      bytes && IsValidUtf8(*bytes)) {
    text = QString::fromStdString(*bytes);
  }
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(text.isEmpty() ? path : text);
  }
}

void InstallerController::revealLog() {
  const QString path = LogFilePath(session_.logPath());
  if (!IsFile(path.toStdString())) return;
  RevealInFileManager(path);
}

void InstallerController::chooseAnotherInstaller() {
  showDropPage();
  chooseInstaller();
}

DonePage* InstallerController::donePageWithAppPath(const QString& path, bool installed) {
  session_.showingApp(path.toStdString(), installed);
  auto* page = new DonePage({installed ? MoveState::Moved : MoveState::Ready});
  connect(page, &DonePage::moveRequested, this, &InstallerController::moveToApplications);
  connect(page, &DonePage::revealRequested, this, &InstallerController::revealInFinder);
  connect(page, &DonePage::openRequested, this, &InstallerController::openApp);
  return page;
}

void InstallerController::moveToApplications() {
  const AppPaths& paths = session_.appPaths();
  if (!paths.canMove()) return;
  const AppInstaller installer;
  // Chosen anew on every press: the system folder when we may write there.
  const std::string destination = installer.destination();
  if (auto* page = currentPageAs<DonePage>()) page->setMoveState(MoveState::Moving);
  QPointer<InstallerController> weak(this);
  // The destination's disk is measured before the copy, in the background task.
  MoveAppInBackground(
      installer, *paths.builtAppPath, destination,
      [weak, destination](bool moved, const Error& error) {
        if (weak == nullptr) return;
        auto* page = weak->currentPageAs<DonePage>();
        if (!moved) {
          if (page != nullptr) page->setMoveState(MoveState::Ready);
          QMessageBox alert(weak->window_.data());
          alert.setIcon(QMessageBox::Warning);
          alert.setWindowTitle(InstallerController::windowTitle());
          alert.setText(tr("Couldn't move the app"));
          alert.setInformativeText(Localized(error.message));
          alert.setStandardButtons(QMessageBox::Ok);
          alert.exec();
          return;
        }
        weak->session_.moved(destination);
        if (page != nullptr) page->setMoveState(MoveState::Moved);
      },
      measure_);
}

void InstallerController::openApp() {
  const std::optional<std::string> app = session_.appPaths().currentAppPath();
  if (!app || app->empty()) return;
  LaunchAppBundle(QString::fromStdString(*app));
}

void InstallerController::revealInFinder() {
  const std::optional<std::string> app = session_.appPaths().currentAppPath();
  if (!app || finderFolderRunning_) return;
  finderFolderRunning_ = true;
  const std::string folder = AppFolders::Current().finderFolder();
  // Asking Finder runs osascript, and the first time macOS asks the player
  // whether we may control Finder while it waits: never on the main thread.
  QPointer<InstallerController> weak(this);
  RunInBackground([weak, app = *app, folder] {
    PrepareFinderFolder(app, folder);
    RunOnMain([weak, folder] {
      if (weak == nullptr) return;
      weak->finderFolderRunning_ = false;
      OpenWithDesktop(QString::fromStdString(folder));
    });
  });
}

}  // namespace vlmr
