#include "window/outcome_pages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

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
#include "session/installer_session.h"
#include "window/app_identity.h"
#include "window/done_page.h"
#include "window/error_page.h"
#include "window/localization.h"
#include "window/page_stack.h"

namespace vlmr {
namespace {

// The log's path, or the default one when none was recorded yet.
std::string LogFilePath(const std::optional<std::string>& logPath) {
  return logPath.value_or(AppFolders::Current().installerLog());
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

QString ShownLogLocation(const std::optional<std::string>& logPath) {
  return AbbreviatedHome(QString::fromStdString(LogFilePath(logPath)),
                         QString::fromStdString(HomeDirectory()));
}

OutcomePages::OutcomePages(InstallerSession& session, PageStack& pages, QObject* parent)
    : QObject(parent), session_(session), pages_(pages) {}

void OutcomePages::show(const BuildOutcome& outcome) {
  switch (outcome.end) {
    case BuildEnd::Done:
      showDonePage();
      return;
    case BuildEnd::Failed:
      showErrorPage(outcome);
      return;
    case BuildEnd::Cancelled:
      return;
  }
}

void OutcomePages::showErrorPage(const BuildOutcome& outcome) {
  auto* page = new ErrorPage(ErrorPageStateFor(outcome, ShownLogLocation(session_.logPath())));
  connect(page, &ErrorPage::copyLogRequested, this, &OutcomePages::copyLog);
  connect(page, &ErrorPage::revealLogRequested, this, &OutcomePages::revealLog);
  connect(page, &ErrorPage::chooseAnotherRequested, this, &OutcomePages::chooseAnotherRequested);
  pages_.showPage(page);
}

void OutcomePages::copyLog() {
  const std::string path = LogFilePath(session_.logPath());
  QPointer<OutcomePages> weak(this);
  // Read in the background, and only its end: the log may be large, or lie
  // on a disk that is slow to answer.
  RunInBackground([weak, path] {
    std::optional<std::string> tail = ReadLogTail(path, kCopiedLogBytes);
    RunOnMain([weak, path, tail = std::move(tail)] {
      if (weak == nullptr) return;
      QString text;
      // Only a log that is valid UTF-8 is copied as text; anything else gives its path.
      if (tail && IsValidUtf8(*tail)) text = QString::fromStdString(*tail);
      if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(text.isEmpty() ? QString::fromStdString(path) : text);
      }
    });
  });
}

void OutcomePages::revealLog() {
  const std::string path = LogFilePath(session_.logPath());
  if (!IsFile(path)) return;
  RevealInFileManager(QString::fromStdString(path));
}

void OutcomePages::showDonePage() {
  auto* page = new DonePage({MoveState::Ready});
  connect(page, &DonePage::moveRequested, this, &OutcomePages::moveToApplications);
  connect(page, &DonePage::revealRequested, this, &OutcomePages::revealInFinder);
  connect(page, &DonePage::openRequested, this, &OutcomePages::openApp);
  pages_.showPage(page);
}

void OutcomePages::moveToApplications() {
  const AppPaths& paths = session_.appPaths();
  if (!paths.canMove()) return;
  const AppInstaller installer;
  // Chosen anew on every press: the system folder when we may write there.
  const std::string destination = installer.destination();
  if (auto* page = pages_.pageAs<DonePage>()) page->setMoveState(MoveState::Moving);
  QPointer<OutcomePages> weak(this);
  // The destination's disk is measured before the copy, in the background task.
  MoveAppInBackground(
      installer, *paths.builtAppPath, destination,
      [weak, destination](bool moved, const Error& error) {
        if (weak == nullptr) return;
        auto* page = weak->pages_.pageAs<DonePage>();
        if (!moved) {
          if (page != nullptr) page->setMoveState(MoveState::Ready);
          QMessageBox alert(weak->pages_.window());
          alert.setIcon(QMessageBox::Warning);
          alert.setWindowTitle(WindowTitle());
          alert.setText(tr("Couldn't move the app"));
          alert.setInformativeText(Shown(error.message));
          alert.setStandardButtons(QMessageBox::Ok);
          alert.exec();
          return;
        }
        weak->session_.moved(destination);
        if (page != nullptr) page->setMoveState(MoveState::Moved);
      },
      measure_);
}

void OutcomePages::openApp() {
  const std::optional<std::string> app = session_.appPaths().currentAppPath();
  if (!app || app->empty()) return;
  LaunchAppBundle(QString::fromStdString(*app));
}

void OutcomePages::revealInFinder() {
  const std::optional<std::string> app = session_.appPaths().currentAppPath();
  if (!app || finderFolderRunning_) return;
  finderFolderRunning_ = true;
  // Asking Finder runs osascript, and the first time macOS asks the player
  // whether we may control Finder while it waits: never on the main thread.
  QPointer<OutcomePages> weak(this);
  RunInBackground([weak, app = *app] {
    const std::string folder = PrepareFinderFolder(app);
    RunOnMain([weak, folder] {
      if (weak == nullptr) return;
      weak->finderFolderRunning_ = false;
      OpenWithDesktop(QString::fromStdString(folder));
    });
  });
}

}  // namespace vlmr
