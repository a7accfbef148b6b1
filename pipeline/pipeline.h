#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/error.h"
#include "platform/file_lock.h"
#include "platform/process.h"

namespace vlmr {
class SignalRelay;
}

namespace vlmr {

/// The sentence of a build refused because another one holds its sources or
/// its output folder (installer error code 3).
inline constexpr char kAnotherBuildRunning[] = "Another build is already running.";

/// Takes `lock` on the build's folder `path`. False with an installer error
/// when another build holds it (code 3) or when it cannot be locked at all
/// (code 4, a sentence naming the folder): a build never runs unlocked.
bool LockBuildFolder(FileLock& lock, const std::string& path, Error* error);

/// One run of the build script: locating the bundle's prepared tools,
/// unpacking the source snapshot, the script's environment and arguments, and
/// either the synchronous run (command line) or the asynchronous run with live
/// output, stages and cancellation (window). Owned through a shared pointer;
/// background work holds it weakly. Not reused for a second build.
class Pipeline : public std::enable_shared_from_this<Pipeline> {
 public:
  using LineCallback = std::function<void(const std::string& line)>;
  using StageCallback = std::function<void(int64_t number, int64_t total, const std::string& name)>;
  using FinishCallback = std::function<void(int32_t status)>;

  /// Lines longer than this without a line feed are delivered in pieces, so a
  /// script that never ends its line cannot exhaust memory.
  static constexpr size_t kMaxLineBytes = 1024 * 1024;

  /// A new pipeline: nothing set, not cancelled, `exitStatus` 0.
  static std::shared_ptr<Pipeline> Create();

  Pipeline() = default;
  ~Pipeline();
  Pipeline(const Pipeline&) = delete;
  Pipeline& operator=(const Pipeline&) = delete;

  // Set by the caller.
  std::optional<std::string> installerPath;
  std::optional<std::string> stageDir;
  std::optional<std::string> cacheDir;
  // Set by the pipeline.
  std::optional<std::string> srcRoot;
  std::optional<std::string> toolsDir;
  std::optional<std::string> sdl3Dir;
  std::optional<std::string> wheelsDir;
  std::optional<std::string> logPath;
  std::optional<std::string> appPath;
  std::optional<std::string> errorMessage;
  // Callbacks: `onLine` and `onStage` run on the reader's thread (and on the
  // main queue for an unterminated last line); `onFinish` on the main queue.
  LineCallback onLine;
  StageCallback onStage;
  FinishCallback onFinish;
  bool cancelled = false;
  int32_t exitStatus = 0;
  std::shared_ptr<Process> task;
  std::string buffer;
  int logFile = -1;  // the installer log while a run is in progress, else -1

  /// Points `toolsDir`, `sdl3Dir` and `wheelsDir` at the bundle's resources.
  void configureBundledTools();

  /// The trimmed UTF-8 text of the bundle resource `name`, or nothing when it
  /// is missing, undecodable or blank.
  std::optional<std::string> bundleText(const std::string& name) const;

  /// The bundle's VERSION text, or "dev".
  std::string bundleVersion() const;

  /// Reuses or unpacks the source snapshot into Application Support and sets
  /// `srcRoot`. On failure returns false with an installer error (code 1: no
  /// snapshot in the bundle; code 2: the copy failed; code 3: another build
  /// holds the sources; code 4: the sources' folder cannot be locked). On success the sources stay locked against other
  /// builds until this pipeline's run has ended, since the script works in them.
  bool prepareSourcesWithError(Error* error);

  /// The script's environment: ours, with HOME ensured, PATH replaced, the
  /// tool directories named and interfering variables removed.
  std::map<std::string, std::string> childEnvironment() const;

  /// The arguments for python3: the process-group trampoline, bash, the script
  /// and its options.
  std::vector<std::string> scriptArguments() const;

  /// The launch description of the script (python3, arguments, environment,
  /// stdin the null device, inherited working directory and streams), under
  /// the bundle's build supervisor, which holds the build's locks until every
  /// process of the build has ended.
  TaskSpec makeTask() const;

  /// Runs the script with the installer's own standard output and error and
  /// waits for it. Returns its termination status (-1 when it was lost), or 1
  /// with `error` filled when it cannot be launched or the output folder cannot
  /// be locked. With a `relay`, every signal it catches is passed on to the
  /// script's process group, SIGKILL follows 8 seconds after the first, and
  /// the supervisor ends whatever is left once the script has exited.
  int32_t runHeadlessWithError(Error* error, SignalRelay* relay = nullptr);

  /// Opens the log, launches the script with one pipe for its output and
  /// returns at once; a background reader feeds the output to `consumeData`
  /// and `onFinish` runs on the main queue at the end. False when the launch
  /// fails or the output folder cannot be locked, with `error` filled.
  bool startWithError(Error* error);

  /// Asks a run that has not ended to stop: SIGTERM to the script's process
  /// group now; 8 seconds later SIGKILL to the group if the run still has not
  /// ended, and 2 seconds after that the run stops waiting for the end of its
  /// output (a descendant that left the group may hold it) and finishes.
  /// Does nothing before the start or after the end. Main thread.
  void cancel();

  /// Stops the build for good before the program exits, within about
  /// `grace` + 2 seconds whatever the script's descendants do: SIGTERM to
  /// the group, SIGKILL once `grace` has passed, then the reader is released
  /// and waited for, so no background work outlives the program. Before the
  /// script has started it only marks the build cancelled, so it never starts.
  /// `onFinish` is not called from here. Main thread.
  void stopBeforeQuit(std::chrono::milliseconds grace = std::chrono::seconds(2));

  /// Opens the installer log for this run and writes the run header.
  void openLog();

  /// Splits a chunk of output into lines and emits every complete one.
  void consumeData(std::string_view chunk);

  /// Emits an unterminated last line, if any.
  void flushBuffer();

  /// Logs one line (without its line feed), recognises the line protocol and
  /// hands the line to `onLine`.
  void emitLineData(std::string_view bytes);

 private:
  struct ReaderControl;
  void closeLog();
  bool lockOutput(Error* error);
  void killAfterCancel();
  static void ReadOutput(std::weak_ptr<Pipeline> weak, std::shared_ptr<Process> process, int fd,
                         std::shared_ptr<ReaderControl> control);
  // The asynchronous run: from a successful start until its completion.
  bool runActive_ = false;
  std::shared_ptr<ReaderControl> reader_;
  // Held from preparation (sources) and from the start (output) to the run's end.
  FileLock sourcesLock_;
  FileLock outputLock_;
  // Output lines of the chunk being consumed, written to the log in one go.
  std::string pendingLog_;
  bool batchingLog_ = false;
};

}  // namespace vlmr
