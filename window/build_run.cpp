// Running a build from the window: the start, the background preparation, the
// hand-over of the script's reports to the page, Cancel, and stopping the
// build when the application quits.
#include <QCoreApplication>

#include "components/label.h"
#include "components/log_view.h"
#include "components/progress_bar.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "pipeline/host.h"
#include "pipeline/installer_log.h"
#include "pipeline/pipeline.h"
#include "platform/queues.h"
#include "window/build_events.h"
#include "window/installer_controller.h"
#include "window/stage_mapping.h"

namespace vlmr {
namespace {

// The status a build ends with when its script was never started.
constexpr int32_t kNeverStarted = -1;

QString Describe(const Error& error, const char* fallback) {
  return error.message.empty() ? QString::fromUtf8(fallback)
                               : QString::fromStdString(error.message);
}

// The main-queue half of the background step: the sources are ready, so the
// script starts here, on the main thread, where Cancel also looks at it.
void StartPreparedBuild(InstallerController& controller, const std::shared_ptr<Pipeline>& build) {
  if (controller.pipeline != build) return;  // this build has already ended
  controller.appendLogLine(QStringLiteral("[installer] sources: ") +
                           QString::fromStdString(build->srcRoot.value_or("")));
  // Cancel was pressed while the sources were being prepared: the build ends
  // as cancelled and the script is never started.
  if (build->cancelled) {
    controller.buildFinished(kNeverStarted);
    return;
  }
  Error error;
  if (!build->startWithError(&error)) {
    controller.buildFailedWithMessage(Describe(error, "Could not start the build."));
  }
}

}  // namespace

void InstallerController::beginBuild() {
  if (installerURL.isEmpty() || pipeline) return;
  const std::string stageDir = HomePath("Library/Application Support/Velmora 3000/installer-stage");
  std::shared_ptr<Pipeline> build = Pipeline::Create();
  build->configureBundledTools();
  build->installerPath = installerURL.toLocalFile().toStdString();
  build->stageDir = stageDir;
  pipeline = build;
  AppendInstallerLog("build start: out " + stageDir);

  showPage(buildPageAtStage(0, {}));
  // The page shows the middle of the first stage; a starting build shows an empty bar.
  if (progress != nullptr) progress->setValue(0);
  logPath = InstallerLogPath();

  QPointer<InstallerController> weak(this);
  std::weak_ptr<Pipeline> owner = build;
  std::shared_ptr<BuildEventRelay> relay =
      BuildEventRelay::Create([weak, owner](std::vector<BuildEvent>& batch) {
        for (BuildEvent& event : batch) {
          if (weak == nullptr) return;
          switch (event.kind) {
            case BuildEvent::Kind::Line:
              weak->appendLogLine(QString::fromStdString(event.line));
              break;
            case BuildEvent::Kind::Stage:
              weak->setBuildStage(event.value);
              break;
            case BuildEvent::Kind::Finish:
              // The lines before the end are in the view before the page changes.
              if (weak->logView != nullptr) weak->logView->flush();
              if (std::shared_ptr<Pipeline> finished = owner.lock();
                  finished && weak->pipeline == finished) {
                weak->buildFinished(static_cast<int32_t>(event.value));
              }
              break;
          }
        }
        // One insertion per batch keeps a flood of output from holding up the window.
        if (weak != nullptr && weak->logView != nullptr) weak->logView->flush();
      });
  build->onLine = [relay](const std::string& line) { relay->pushLine(line); };
  build->onStage = [relay](int64_t number, int64_t total, const std::string&) {
    relay->pushStage(BuildStageIndex(number, total));
  };
  build->onFinish = [relay](int32_t status) { relay->pushFinish(status); };
  if (QCoreApplication* app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &InstallerController::stopBuildBeforeQuit,
            Qt::UniqueConnection);
  }

  RunInBackground([build, weak] {
    Error error;
    if (!build->prepareSourcesWithError(&error)) {
      QString message = Describe(error, "Could not prepare the sources.");
      RunOnMain([weak, build, message] {
        if (weak == nullptr || weak->pipeline != build) return;
        if (build->cancelled) {
          weak->buildFinished(kNeverStarted);
        } else {
          weak->buildFailedWithMessage(message);
        }
      });
      return;
    }
    RunOnMain([weak, build] {
      if (weak != nullptr) StartPreparedBuild(*weak, build);
    });
  });
}

void InstallerController::cancelBuild() {
  if (!pipeline) return;
  if (cancelButton != nullptr) cancelButton->setEnabled(false);
  if (stageLeadLabel != nullptr) stageLeadLabel->setText(QStringLiteral("Cancelling…"));
  pipeline->cancel();
  // Before its script has started a build has nothing to stop yet; the request
  // is kept so the script is not started at all.
  if (!pipeline->task) pipeline->cancelled = true;
}

void InstallerController::stopBuildBeforeQuit() {
  // Bounded whatever the script's descendants do: the installer must neither
  // hang at exit nor leave a compiler running.
  if (std::shared_ptr<Pipeline> running = pipeline) running->stopBeforeQuit();
}

}  // namespace vlmr
