// The controller's side of the welcome page, the installer page and the start
// of a build: it asks the checks, keeps the answers in the session and shows
// them on the page.
#include "window/installer_controller.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QTimer>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "checks/installer_validation.h"
#include "checks/prerequisites.h"
#include "checks/selection_check.h"
#include "platform/app_folders.h"
#include "platform/bundle.h"
#include "platform/installer_log.h"
#include "platform/queues.h"
#include "session/stage_mapping.h"
#include "window/build_page.h"
#include "window/build_presence.h"
#include "window/build_run.h"
#include "window/installer_page.h"
#include "window/localization.h"
#include "window/welcome_page.h"

namespace vlmr {
namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

// The selection's size for people, or "" when its attributes cannot be read.
QString SelectionSize(const std::string& path) {
  if (path.empty()) return QString("");
  const std::optional<uint64_t> size = SizeOfFileAt(path);
  return size ? LocalizedSize(FromStd(HumanSize(*size))) : QString("");
}

QString SelectionName(const std::string& path) {
  return path.empty() ? QString("") : FromStd(LastPathComponent(path));
}

}  // namespace

void InstallerController::checkPrerequisites() {
  // One check at a time: its verdict brings the page the next one starts from.
  if (prerequisiteCheckRunning_) return;
  prerequisiteCheckRunning_ = true;
  if (auto* page = currentPageAs<WelcomePage>()) {
    page->setRechecking();
  } else {
    showPage(new WelcomePage({.checking = true}));
  }
  // The probes run external tools, and the first xcrun after Apple's tools
  // arrive takes seconds: never on the main thread.
  QPointer<InstallerController> weak(this);
  RunInBackground([weak] {
    PrerequisiteReport report = PrerequisiteProbe().checkPrerequisites();
    RunOnMain([weak, report = std::move(report)]() mutable {
      if (weak != nullptr) weak->prerequisitesChecked(std::move(report));
    });
  });
}

void InstallerController::prerequisitesChecked(PrerequisiteReport report) {
  prerequisiteCheckRunning_ = false;
  session_.setPrerequisites(std::move(report));
  // A build started meanwhile (an opened file cannot start one) keeps its page.
  if (currentPageAs<WelcomePage>() != nullptr || page_ == nullptr) {
    showWelcomePageMissing(session_.prerequisitesMissing());
  }
  openPendingInstallerFile();
}

void InstallerController::installCommandLineTools() {
  if (toolsRequestRunning_) return;
  toolsRequestRunning_ = true;
  // The request itself is quick, but it is an external tool: it waits off
  // the main thread, and the system's own installer runs on after it returns.
  QPointer<InstallerController> weak(this);
  RunInBackground([weak] {
    InstallRequestOutcome outcome = PrerequisiteProbe().installCommandLineTools();
    RunOnMain([weak, outcome] {
      if (weak == nullptr) return;
      weak->toolsRequestRunning_ = false;
      if (auto* page = weak->currentPageAs<WelcomePage>()) {
        page->setHint(Localized(InstallHintText(outcome)));
      }
    });
  });
}

WelcomePage* InstallerController::welcomePageMissing(bool missing) {
  // The Python row shows the last check's own, lighter test; the page runs nothing.
  const bool pythonReady = session_.prerequisites() && session_.prerequisites()->pythonReady;
  auto* page = new WelcomePage({missing, pythonReady});
  connect(page, &WelcomePage::continueRequested, this, &InstallerController::continueToDrop);
  connect(page, &WelcomePage::installToolsRequested, this,
          &InstallerController::installCommandLineTools);
  connect(page, &WelcomePage::checkAgainRequested, this, &InstallerController::checkPrerequisites);
  return page;
}

void InstallerController::showWelcomePageMissing(bool missing) {
  showPage(welcomePageMissing(missing));
}

void InstallerController::continueToDrop() {
  showDropPage();
}

InstallerPage* InstallerController::dropPageWithName(const QString& name, const QString& size,
                                                     const QString& status, bool enabled) {
  return installerPage({name, size, status, VerdictTone::Plain, enabled});
}

InstallerPage* InstallerController::installerPage(const InstallerPageState& state) {
  auto* page = new InstallerPage(state);
  connect(page, &InstallerPage::chooseRequested, this, &InstallerController::chooseInstaller);
  connect(page, &InstallerPage::buildRequested, this, &InstallerController::beginBuild);
  connect(page, &InstallerPage::installerDropped, this, &InstallerController::useInstallerAtURL);
  return page;
}

void InstallerController::showDropPage() {
  const InstallerSelection& selection = session_.selection();
  if (selection.path.empty()) {
    showPage(installerPage({}));
    return;
  }
  showPage(installerPage(
      {SelectionName(selection.path), SelectionSize(selection.path), Localized(selection.verdict),
       selection.verdictIsError ? VerdictTone::Error : VerdictTone::Plain, selection.usable}));
}

void InstallerController::chooseInstaller() {
  QFileDialog dialog(window_.data(), tr("Choose your GOG SimCity 3000 Unlimited installer"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setLabelText(QFileDialog::Accept, tr("Use this installer"));
  // Windows names the extension in any case, and so does the drop zone: one pattern that
  // matches ".exe" in every mix of letter cases.
  dialog.setNameFilter(tr("Windows installer (%1)").arg(QStringLiteral("*.[eE][xX][eE]")));
  if (dialog.exec() != QDialog::Accepted) return;
  const QList<QUrl> urls = dialog.selectedUrls();
  if (urls.isEmpty() || urls.first().isEmpty()) return;
  useInstallerAtURL(urls.first());
}

void InstallerController::useInstallerAtURL(const QUrl& url) {
  const std::string path = url.toLocalFile().toStdString();
  const uint64_t selection = session_.select(path);
  AppendInstallerLog("installer chosen: " + path);
  if (auto* page = currentPageAs<InstallerPage>()) {
    page->setFile(SelectionName(path), SelectionSize(path));
    // The line keeps its colour until the verdict arrives.
    page->setVerdict(Localized(session_.selection().verdict));
    page->setBuildEnabled(false);
  }

  // The previous selection's check is no longer wanted.
  selectionCheck_.cancel();
  selectionCheck_ = CancelToken();
  QPointer<InstallerController> weak(this);
  RunInBackground([weak, path, selection, measure = measure_, cancel = selectionCheck_] {
    // A near miss is named, a candidate validated, a usable one held back on a full disk.
    // Where a build prepares its sources and puts its output: the disk holding
    // them needs room for a build.
    const AppFolders folders = AppFolders::Current();
    const SelectionVerdict verdict = CheckSelection(
        path, InstallerValidator(), {folders.sources(), folders.stage()}, measure, cancel);
    RunOnMain([weak, selection, summary = verdict.summary, usable = verdict.usable] {
      // A later selection, even of the same file, has taken over: drop this one.
      if (weak == nullptr || !weak->session_.applyVerdict(selection, summary, usable)) return;
      if (auto* page = weak->currentPageAs<InstallerPage>()) {
        page->setVerdict(Localized(summary), usable ? VerdictTone::Plain : VerdictTone::Error);
        page->setBuildEnabled(usable);
      }
      AppendInstallerLog(std::string("installer check: ") + (usable ? "usable" : "rejected") +
                         " (" + summary + ")");
    });
  });
}

BuildPage* InstallerController::buildPageAtStage(int64_t stage, const QStringList& log) {
  auto* page = new BuildPage({stage, log, std::nullopt, std::nullopt});
  connect(page, &BuildPage::cancelRequested, this, &InstallerController::cancelBuild);
  return page;
}

void InstallerController::beginBuild() {
  if (!session_.canStartBuild() || run_ != nullptr) return;
  const std::string stageDir = AppFolders::Current().stage();
  auto* run = new BuildRun(session_.selection().path, stageDir, this);
  if (clock_) run->setClock(clock_);
  run_ = run;
  AppendInstallerLog("build start: out " + stageDir);

  // A starting build shows an empty bar, not the middle of the first stage.
  auto* page = new BuildPage({0, {}, 0.0, run->time()});
  connect(page, &BuildPage::cancelRequested, this, &InstallerController::cancelBuild);
  showPage(page);
  session_.buildStarted(AppFolders::Current().installerLog());
  // The Dock's bar follows the page's, from the same empty start.
  presence_->buildStarted();
  connect(run, &BuildRun::stageReached, presence_, [presence = presence_](qint64 stage) {
    // As the page: a stage out of range moves nothing.
    if (stage >= 0 && stage < kBuildStageCount) {
      presence->progressChanged(BuildStageProgress(stage));
    }
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
  connect(run, &BuildRun::finished, this, &InstallerController::buildFinished);
  connect(run, &BuildRun::failed, this, &InstallerController::buildFailedWithMessage);
  run->start();
  // The estimate of a repeated build shows at once.
  page->setTime(run->time());
}

void InstallerController::cancelBuild() {
  if (run_ == nullptr) return;
  if (auto* page = currentPageAs<BuildPage>()) page->setCancelling();
  session_.cancelRequested();
  run_->cancel();
}

const BuildRun* InstallerController::buildRun() const {
  return run_;
}

void InstallerController::releaseRun() {
  presence_->releaseSleep();
  if (run_ != nullptr) run_->deleteLater();
  run_ = nullptr;
}

}  // namespace vlmr
