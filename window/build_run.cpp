// Running a build from the window: the background preparation, the start on
// the main thread, the hand-over of the script's reports, Cancel, and
// stopping the build when the application quits.
#include "window/build_run.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>
#include <chrono>

#include "base/files.h"
#include "base/text.h"
#include "pipeline/build_event_relay.h"
#include "pipeline/pipeline.h"
#include "platform/queues.h"
#include "session/stage_mapping.h"
#include "window/localization.h"

namespace vlmr {

namespace {

// A line as a terminal would leave it: what a carriage return redraws over
// is gone, and colour and cursor sequences (ESC [ … letter) are not text.
QString AsTerminalShowsIt(QString line) {
  if (line.endsWith(QLatin1Char('\r'))) line.chop(1);  // a Windows line end
  if (const qsizetype redraw = line.lastIndexOf(QLatin1Char('\r')); redraw >= 0) {
    line.remove(0, redraw + 1);
  }
  if (line.contains(QChar(0x1B))) {
    static const QRegularExpression sequence(QStringLiteral("\x1B\\[[0-?]*[ -/]*[@-~]"));
    line.remove(sequence);
  }
  return line;
}

// An output line as the log view shows it: a line the relay cut to its start
// says so, with its whole size (the installer log holds it whole).
QString ShownLine(const BuildOutputLine& event) {
  QString line = AsTerminalShowsIt(QString::fromStdString(event.text));
  if (event.wholeBytes == 0) return line;
  return BuildPage::tr("%1 … [a line of %2, cut here; the installer log has all of it]")
      .arg(line, ShownSize(HumanSizeFigure(event.wholeBytes)));
}

}  // namespace

BuildRun::BuildRun(const std::string& installerPath, const std::string& stageDir,
                   std::optional<FileIdentity> installerIdentity, QObject* parent)
    : QObject(parent) {
  pipeline_ = Pipeline::Create(BuildRequest{installerPath, stageDir, std::nullopt,
                                            BuildRequest::Mode::Live, installerIdentity},
                               relayedEvents());
  if (QCoreApplication* app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &BuildRun::stopBeforeQuit);
  }
}

BuildRun::~BuildRun() = default;

BuildEvents BuildRun::relayedEvents() {
  QPointer<BuildRun> weak(this);
  relay_ = BuildEventRelay::Create([weak](std::vector<BuildEvent>& batch) {
    QStringList lines;
    auto deliverLines = [&] {
      if (weak != nullptr && !lines.isEmpty()) emit weak->linesArrived(lines);
      lines.clear();
    };
    for (BuildEvent& event : batch) {
      if (weak == nullptr) return;
      if (const auto* line = std::get_if<BuildOutputLine>(&event)) {
        lines << ShownLine(*line);
      } else if (const auto* change = std::get_if<BuildStageChange>(&event)) {
        deliverLines();
        weak->stopwatch_->stageBegan(change->number, change->total, weak->now());
        emit weak->stageReached(change->stage);
      } else {
        // The lines before the end are in the view before the page changes.
        deliverLines();
        if (weak != nullptr) emit weak->batchDelivered();
        if (weak != nullptr) weak->end(*std::get<std::unique_ptr<const BuildReport>>(event));
      }
    }
    // One insertion per batch keeps a flood of output from holding up the window.
    deliverLines();
    if (weak != nullptr) emit weak->batchDelivered();
  });
  BuildEvents events;
  // The pipeline's events hold the relay, not the run: they may outlive it.
  std::shared_ptr<BuildEventRelay> relay = relay_;
  events.line = [relay](const std::string& line) { relay->pushLine(line); };
  events.stage = [relay](int64_t number, int64_t total, const std::string&) {
    relay->pushStage(BuildStageIndex(number, total), number, total);
  };
  events.ended = [relay](const BuildReport& report) { relay->pushFinish(report); };
  return events;
}

void BuildRun::start() {
  stopwatch_.emplace(clock_(), int64_t{1});
  QPointer<BuildRun> weak(this);
  // Read in the background: whatever lies at that path must not hold up the
  // window. The estimate appears once it is read.
  LoadBuildTimingsInBackground([weak](std::optional<BuildTimings> timings) {
    if (weak == nullptr || !timings) return;
    weak->lastTimings_ = std::move(timings);
    // Until the script names its stage count, the last build's count is the best guess.
    weak->stopwatch_->guessStageCount(
        static_cast<int64_t>(weak->lastTimings_->stageSeconds.size()));
  });
  std::shared_ptr<Pipeline> build = pipeline_;
  RunInBackground([build, weak] {
    // A failure is repeated by the run, on the main thread.
    build->prepareSources();
    RunOnMain([weak] {
      if (weak != nullptr) weak->startPrepared();
    });
  });
}

// The main-queue half of the background step: the script starts here, on the
// main thread, where Cancel also acts. A build cancelled meanwhile never
// starts and ends as cancelled; one whose preparation failed fails here.
void BuildRun::startPrepared() {
  if (ended_) return;
  if (const std::optional<std::string>& sources = pipeline_->report().sourcesRoot) {
    emit linesArrived({QStringLiteral("[installer] sources: ") + QString::fromStdString(*sources)});
  }
  // A start that failed is in the report, which takes the way of every end.
  if (!pipeline_->run()) relay_->pushFinish(pipeline_->report());
}

void BuildRun::cancel() {
  if (ended_) return;
  pipeline_->cancel();
}

void BuildRun::stopBeforeQuit() {
  if (ended_) return;
  // Bounded whatever the script's descendants do: the installer must neither
  // hang at exit nor leave a compiler running.
  pipeline_->stopBeforeQuit();
}

double BuildRun::now() const {
  return endedAt_.value_or(clock_());
}

BuildPageTime BuildRun::time() const {
  if (!stopwatch_) return {QString::fromStdString(ElapsedText(0)), QString()};
  const double at = now();
  const std::optional<Message> left = RemainingText(
      lastTimings_, stopwatch_->stage(), stopwatch_->stageCount(), stopwatch_->timeInStage(at));
  return {QString::fromStdString(ElapsedText(stopwatch_->elapsed(at))),
          left ? Shown(*left) : QString()};
}

double BuildRun::elapsed() const {
  return stopwatch_ ? stopwatch_->elapsed(now()) : 0.0;
}

BuildTimings BuildRun::timings() const {
  return stopwatch_ ? stopwatch_->finished(now()) : BuildTimings{};
}

void BuildRun::end(const BuildReport& report) {
  if (ended_) return;
  ended_ = true;
  endedAt_ = clock_();
  emit ended(report);
}

}  // namespace vlmr
