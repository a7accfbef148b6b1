#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "pipeline/build_request.h"
#include "session/build_clock.h"
#include "window/build_page.h"

namespace vlmr {

class BuildEventRelay;
class Pipeline;

/// One build started from the window: prepares the sources in the background,
/// starts the script on the main thread, relays its lines, stages and end in
/// batches, and hands on the pipeline's report of how it ended (a start that
/// failed included). Cancel stops it; quitting the application stops its
/// script's process group before the process exits.
class BuildRun : public QObject {
  Q_OBJECT

 public:
  /// A run of the bundled build for `installerPath` into `stageDir`; nothing
  /// happens before start(). With `installerIdentity` (the file as it was
  /// checked) a file changed since then is refused.
  BuildRun(const std::string& installerPath, const std::string& stageDir,
           std::optional<FileIdentity> installerIdentity = std::nullopt, QObject* parent = nullptr);
  ~BuildRun() override;

  /// Prepares the sources in the background, then starts the script.
  void start();
  /// Stops the script (SIGTERM, SIGKILL later); before it has started, the
  /// script is never started and the run ends as cancelled.
  void cancel();
  /// Stops the script and whatever is left of its process group now, waiting
  /// briefly: the application is about to exit.
  void stopBeforeQuit();

  /// Seconds on a steady clock; tests pass their own.
  using Clock = std::function<double()>;
  /// The clock the run's time is read on; set before start().
  void setClock(Clock clock) { clock_ = std::move(clock); }
  /// The time the run has taken so far (until its end once it has ended) and,
  /// after a successful build here before, the estimate of what is left.
  BuildPageTime time() const;
  /// Seconds from start() to the end (or to now while it runs).
  double elapsed() const;
  /// Each stage's seconds, to keep after a successful build.
  BuildTimings timings() const;

 signals:
  /// Output lines, in order.
  void linesArrived(const QStringList& lines);
  /// The script reached the page's `stage` (0..5).
  void stageReached(qint64 stage);
  /// Every report of one hand-over has been delivered.
  void batchDelivered();
  /// The build has ended as `report` says, after its last line: the script
  /// exited, Cancel came before it started, or it could not start. Once.
  void ended(const vlmr::BuildReport& report);

 private:
  // The pipeline's events, handed to the main thread in batches.
  BuildEvents relayedEvents();
  void startPrepared();
  void end(const BuildReport& report);

  // Now on the run's clock, or the moment it ended once it has.
  double now() const;

  std::shared_ptr<BuildEventRelay> relay_;
  std::shared_ptr<Pipeline> pipeline_;
  // Set once the run has reported its end; later reports are dropped.
  bool ended_ = false;
  Clock clock_ = SteadySeconds;
  std::optional<BuildStopwatch> stopwatch_;
  // The last successful build's timings, read in the background from start().
  std::optional<BuildTimings> lastTimings_;
  std::optional<double> endedAt_;
};

}  // namespace vlmr
