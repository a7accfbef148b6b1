#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/error.h"
#include "base/translatable.h"
#include "pipeline/build_request.h"
#include "pipeline/script_task.h"
#include "platform/file_lock.h"
#include "platform/process.h"

namespace vlmr {

class OutputLines;
class SignalRelay;

/// The sentence of a build refused because another one holds its sources or
/// its output folder.
inline constexpr MessageText kAnotherBuildRunning =
    VLMR_TRANSLATABLE("Pipeline", "Another build is already running.");

/// The sentence of a build refused because its installer was replaced or
/// changed after it was checked.
inline constexpr MessageText kInstallerChanged = VLMR_TRANSLATABLE(
    "Pipeline", "The installer file changed after it was checked. Choose it again.");

/// Takes `lock` on the build's folder `path`. False with `error` saying
/// `kAnotherBuildRunning` when another build holds it, or a sentence naming
/// the folder when it cannot be locked at all: a build never runs unlocked.
bool LockBuildFolder(FileLock& lock, const std::string& path, Error* error);

/// One build: a request in, a report out. The caller prepares the sources,
/// then runs the script once, as the request's mode says: headless (the
/// command line: the installer's own output, the call waits) or live (the
/// window: returns at once; lines, stages and the end arrive as events).
/// Owned through a shared pointer; background work holds it weakly, and the
/// events stop once the owner lets it go. Not reused for a second build.
///
/// The locks on the sources and the output folder, the process, the reader
/// of its output and the installer log are its own; nobody else touches them.
class Pipeline : public std::enable_shared_from_this<Pipeline> {
 public:
  /// How long a stop waits after SIGTERM before SIGKILL goes to the group.
  static constexpr std::chrono::seconds kKillDelay{8};

  /// A pipeline for `request`, reporting to `events` (live mode only).
  static std::shared_ptr<Pipeline> Create(BuildRequest request, BuildEvents events = {});
  ~Pipeline();
  Pipeline(const Pipeline&) = delete;
  Pipeline& operator=(const Pipeline&) = delete;

  /// What this build was asked to do.
  const BuildRequest& request() const { return request_; }
  /// The bundle's tool folders this build hands to the script.
  const BundledTools& tools() const { return tools_; }

  /// Reuses or unpacks the source snapshot into Application Support; on
  /// success the report names the sources folder. On failure (no snapshot in
  /// the bundle, the copy failed, another build holds the sources, they
  /// cannot be locked at all) returns false and keeps the sentence for `run`,
  /// which ends the build with it. The sources stay locked against other
  /// builds until the run has ended, since the script works in them. Blocks;
  /// any one thread.
  bool prepareSources();

  /// Runs the script once, with the prepared sources. When Cancel came first
  /// nothing is started and the build ends as cancelled (status -1; live: the
  /// end is still reported). Otherwise the output folder is created and
  /// locked, and then:
  /// - headless: the script writes to the installer's own output and error;
  ///   the call waits for it and the report holds its status. With a `relay`,
  ///   every signal it catches goes on to the script's process group, SIGKILL
  ///   follows `kKillDelay` after the first, and whatever is left of the group
  ///   is killed once the script has exited.
  /// - live: the installer log gets the run header, the script is launched
  ///   with one pipe for its output, and the call returns at once; a
  ///   background reader reports the lines and stages, and `ended` comes on
  ///   the main queue. Main thread.
  /// Returns false when the build could not start, with the sentence in the
  /// report (`startFailure`): the preparation's own; the output folder
  /// cannot be created, another build holds it, or it cannot be locked at
  /// all; a second call; the platform's when the launch failed. A live build
  /// adds "build failed to start: <sentence>" to the installer log.
  bool run(SignalRelay* relay = nullptr);

  /// Asks a live build to stop. While the run has not ended: SIGTERM to the
  /// script's process group now; `kKillDelay` later SIGKILL to the group if
  /// the run still has not ended, and 2 seconds after that the run stops
  /// waiting for the end of its output (a descendant that left the group may
  /// hold it) and ends. Before `run`: the script will never start. After the
  /// end, or after a failed start, nothing. Main thread.
  void cancel();

  /// Stops the build for good before the program exits, within about
  /// `grace` + 2 seconds whatever the script's descendants do: SIGTERM to
  /// the group, SIGKILL once `grace` has passed, then the reader is released
  /// and waited for, so no background work outlives the program. Before
  /// `run` the script will never start. `ended` is not reported from here.
  /// Main thread.
  void stopBeforeQuit(std::chrono::milliseconds grace = std::chrono::seconds(2));

  /// What the build has reported so far; final after the end. Main thread.
  const BuildReport& report() const { return report_; }

 private:
  struct ReaderControl;
  Pipeline(BuildRequest request, BuildEvents events);

  // The launch of the script and the locks it runs under.
  TaskSpec makeTask() const;
  bool lockOutput(Error* error);

  bool runHeadless(Error* error, SignalRelay* relay);
  bool startLive(Error* error);
  void openLog();
  void closeLog();
  void finishLive(int32_t status);
  void killAfterCancel();
  static void ReadOutput(std::weak_ptr<Pipeline> weak, std::shared_ptr<Process> process, int fd,
                         std::shared_ptr<ReaderControl> control);

  const BuildRequest request_;
  const BuildEvents events_;
  const BundledTools tools_;
  BuildReport report_;
  // Why the preparation failed, for `run` to repeat.
  std::optional<Error> preparationError_;
  bool ran_ = false;
  // The live run: from a successful start until its end.
  bool runActive_ = false;
  std::shared_ptr<Process> task_;
  std::shared_ptr<ReaderControl> reader_;
  std::unique_ptr<OutputLines> output_;
  int logFile_ = -1;  // the installer log while a live run is in progress
  // Held from preparation (sources) and from the start (output) to the run's end.
  FileLock sourcesLock_;
  FileLock outputLock_;
};

}  // namespace vlmr
