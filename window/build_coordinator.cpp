#include "window/build_coordinator.h"

#include <QTimer>

#include "platform/app_folders.h"
#include "platform/installer_log.h"
#include "platform/qt/desktop_presence.h"
#include "platform/queues.h"
#include "session/build_advice.h"
#include "session/build_clock.h"
#include "session/build_notification.h"
#include "session/build_timings.h"
#include "session/installer_session.h"
#include "session/stage_mapping.h"
#include "window/app_identity.h"
#include "window/build_page.h"
#include "window/build_presence.h"
#include "window/build_run.h"
#include "window/localization.h"
#include "window/page_stack.h"

namespace vlmr {
BuildCoordinator::BuildCoordinator(InstallerSession& session, PageStack& pages, QObject* parent)
    : QObject(parent), session_(session), pages_(pages), presence_(new BuildPresence(this)) {}

BuildCoordinator::~BuildCoordinator() = default;

void BuildCoordinator::setNotificationPoster(std::unique_ptr<NotificationPoster> poster) {
  poster_ = std::move(poster);
  posterChosen_ = true;
}

NotificationPoster* BuildCoordinator::notificationPoster() {
  // Made on first use (on the Mac at launch, for its permission question):
  // most runs never post, and need no bus connection.
  if (!posterChosen_) setNotificationPoster(MakeDesktopNotificationPoster(WindowTitle()));
  return poster_.get();
}

void BuildCoordinator::beginBuild() {
  if (!session_.canStartBuild() || run_ != nullptr) return;
  const std::string stageDir = AppFolders::Current().stage();
  const InstallerSelection& selection = session_.selection();
  auto* run = new BuildRun(selection.path, stageDir, selection.identity, this);
  if (clock_) run->setClock(clock_);
  run_ = run;
  AppendInstallerLog("build start: out " + stageDir);

  // A starting build shows an empty bar, not the middle of the first stage.
  auto* page = new BuildPage({0, {}, 0.0, run->time()});
  connect(page, &BuildPage::cancelRequested, this, &BuildCoordinator::cancelBuild);
  pages_.showPage(page);
  session_.buildStarted(AppFolders::Current().installerLog());
  // The Dock's bar follows the page's, from the same empty start.
  presence_->buildStarted();
  connect(run, &BuildRun::stageReached, presence_, [presence = presence_](qint64 stage) {
    presence->progressChanged(BuildStageProgress(stage));
  });

  // The clock beside the stage counter, on the main thread; it goes with the page.
  auto* ticker = new QTimer(page);
  ticker->setInterval(1000);
  QPointer<BuildRun> weakRun(run);
  connect(ticker, &QTimer::timeout, page, [page, weakRun] {
    if (weakRun != nullptr) page->setTime(weakRun->time());
  });
  ticker->start();

  connect(run, &BuildRun::linesArrived, page, &BuildPage::appendLines);
  connect(run, &BuildRun::stageReached, page, &BuildPage::setStage);
  connect(run, &BuildRun::batchDelivered, page, &BuildPage::flushLog);
  connect(run, &BuildRun::ended, this, &BuildCoordinator::runEnded);
  run->start();
  // The estimate of a repeated build shows at once.
  page->setTime(run->time());
}

void BuildCoordinator::cancelBuild() {
  if (run_ == nullptr) return;
  if (auto* page = pages_.pageAs<BuildPage>()) page->setCancelling();
  session_.cancelRequested();
  run_->cancel();
}

void BuildCoordinator::windowActivated() {
  presence_->windowActivated();
}

void BuildCoordinator::runEnded(const BuildReport& report) {
  const BuildOutcome outcome = session_.buildEnded(report);
  if (outcome.end == BuildEnd::Done && run_ != nullptr) recordFinishedBuild(*run_);
  // The run goes once its last report has been delivered.
  presence_->releaseSleep();
  if (run_ != nullptr) run_->deleteLater();
  run_ = nullptr;
  emit ended(outcome);
  announce(outcome);
}

void BuildCoordinator::recordFinishedBuild(const BuildRun& run) {
  AppendInstallerLog(BuildFinishedText(run.elapsed()));
  // Written with an fsync: off the main thread. A lost file only costs the
  // next build its estimate.
  RunInBackground([timings = run.timings()] { SaveBuildTimings(timings); });
}

void BuildCoordinator::announce(const BuildOutcome& outcome) {
  QWidget* window = pages_.hostWindow();
  presence_->buildEnded(outcome.end, window != nullptr && window->isActiveWindow());
  if (window == nullptr || window->isActiveWindow()) return;
  NotificationPoster* poster = notificationPoster();
  if (poster == nullptr) return;
  const NotificationText text = BuildEndNotification(outcome);
  // The build script's own words go to the page; a notification in another
  // language names the failure in the player's words.
  const bool ownWords = outcome.message.isVerbatim() && CurrentLanguage() != QStringLiteral("en");
  poster->post(Shown(text.title).toStdString(),
               (ownWords ? Shown(kSomethingWentWrong) : Shown(text.body)).toStdString(),
               [pages = QPointer<PageStack>(&pages_)] {
                 if (pages != nullptr) pages->bringWindowForward();
               });
}

}  // namespace vlmr
