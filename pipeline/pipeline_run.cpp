// Running the script once: the start, and the live run with its background
// reader, completion and cancellation.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "base/files.h"
#include "base/translatable.h"
#include "pipeline/output_lines.h"
#include "pipeline/pipeline.h"
#include "platform/installer_log.h"
#include "platform/queues.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

// One read takes whatever the pipe holds, up to this much.
constexpr size_t kReadBytes = 256 * 1024;
// How long a killed group's output may stay open before the run stops
// waiting for its end: only a descendant that left the group can hold it.
constexpr auto kReleaseDelay = std::chrono::seconds(2);
constexpr auto kQuitReleaseDelay = std::chrono::seconds(1);
// How often the reader looks whether the supervisor has exited.
constexpr auto kLookAtSupervisor = std::chrono::milliseconds(100);
// How long output is still read once the supervisor has exited.
constexpr auto kDrainAfterEnd = std::chrono::seconds(1);

}  // namespace

// Lets the main thread release a reader that waits for an end of output no
// process of ours will bring, and learn when the reader is done.
struct Pipeline::ReaderControl {
  int stopFds[2] = {-1, -1};
  std::mutex mutex;
  std::condition_variable changed;
  bool done = false;

  ~ReaderControl() {
    for (int fd : stopFds) {
      if (fd >= 0) close(fd);
    }
  }
  void requestStop() {
    if (stopFds[1] >= 0) (void)!write(stopFds[1], "x", 1);
  }
  void markDone() {
    std::lock_guard lock(mutex);
    done = true;
    changed.notify_all();
  }
  bool waitDone(std::chrono::steady_clock::duration timeout) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, timeout, [this] { return done; });
  }
};

Pipeline::~Pipeline() {
  closeLog();
}

TaskSpec Pipeline::makeTask() const {
  TaskSpec launch = ScriptTask(request_, tools_, report_.sourcesRoot.value_or(""));
  // The supervisor ends the build if the installer dies, and keeps its
  // folders locked until then.
  Supervision supervision{Tools().supervisor, {}};
  for (const FileLock* lock : {&sourcesLock_, &outputLock_}) {
    if (lock->held()) supervision.heldDescriptors.push_back(lock->descriptor());
  }
  launch.supervision = std::move(supervision);
  return launch;
}

bool Pipeline::lockOutput(Error* error) {
  // The folder is locked itself, so it must exist; the script would make it.
  const std::string& out = request_.outputFolder;
  if (!out.empty()) CreateDirectories(out);
  if (!IsDirectory(out)) {
    if (error != nullptr) {
      *error = {Message(VLMR_TRANSLATABLE("Pipeline", "Could not create the output folder %1."),
                        {FileName{out}})};
    }
    return false;
  }
  return LockBuildFolder(outputLock_, out, error);
}

bool Pipeline::run(SignalRelay* relay) {
  const bool live = request_.mode == BuildRequest::Mode::Live;
  // A second run reports nothing new: the report is the first run's.
  if (ran_) return false;
  ran_ = true;
  if (report_.cancelled) {
    // Cancel came while the sources were being prepared: the build ends as
    // cancelled and its script never starts.
    sourcesLock_.release();
    std::weak_ptr<Pipeline> weak = weak_from_this();
    if (live) {
      RunOnMain([weak] {
        std::shared_ptr<Pipeline> pipeline = weak.lock();
        if (pipeline && pipeline->events_.ended) pipeline->events_.ended(pipeline->report_);
      });
    }
    return true;
  }
  Error failure;
  bool started = false;
  if (!report_.sourcesRoot) {
    failure = preparationError_.value_or(
        Error{Message(VLMR_TRANSLATABLE("Pipeline", "The build sources are not prepared."))});
  } else {
    started = live ? startLive(&failure) : runHeadless(&failure, relay);
  }
  if (started) return true;
  sourcesLock_.release();
  closeLog();
  if (failure.message.empty())
    failure.message = Message(VLMR_TRANSLATABLE("Pipeline", "Could not start the build."));
  report_.startFailure = failure.message;
  // The error page points at the installer log: it says why nothing ran.
  if (live) AppendInstallerLog("build failed to start: " + failure.message.english());
  return false;
}

void Pipeline::openLog() {
  std::string path;
  logFile_ = OpenInstallerLog(&path);
  report_.logPath = path;
  WriteAll(logFile_, RunHeader(request_.installer, request_.outputFolder));
}

void Pipeline::closeLog() {
  if (logFile_ >= 0) close(logFile_);
  logFile_ = -1;
}

bool Pipeline::startLive(Error* error) {
  if (!lockOutput(error)) return false;
  openLog();
  auto control = std::make_shared<ReaderControl>();
  int fds[2];
  if (!MakePipe(fds) || !MakePipe(control->stopFds)) {
    if (error != nullptr)
      *error = {Message(VLMR_TRANSLATABLE("Pipeline", "Could not create a pipe."))};
    outputLock_.release();
    return false;
  }
#if defined(F_SETPIPE_SZ)
  // A roomier pipe lets a chatty script run ahead of the reader instead of
  // blocking on every few kilobytes.
  fcntl(fds[0], F_SETPIPE_SZ, 1 << 20);
#endif
  TaskSpec launch = makeTask();
  launch.stdoutFd = fds[1];
  launch.stderrFd = fds[1];
  task_ = std::make_shared<Process>(std::move(launch));
  bool launched = task_->launch(error);
  close(fds[1]);  // the script and its descendants hold the writing end now
  if (!launched) {
    close(fds[0]);
    outputLock_.release();
    return false;
  }
  // A chatty build's output moves the log aside as it fills, and goes on in
  // a fresh one: the log holds the latest output, within its bound.
  output_ = std::make_unique<OutputLines>(events_, logFile_, [this](int fd) {
    logFile_ = RotatedInstallerLog(fd);
    return logFile_;
  });
  runActive_ = true;
  reader_ = control;
  std::weak_ptr<Pipeline> weak = weak_from_this();
  std::shared_ptr<Process> process = task_;
  int readFd = fds[0];
  RunInBackground([weak, process, readFd, control] { ReadOutput(weak, process, readFd, control); });
  return true;
}

void Pipeline::ReadOutput(std::weak_ptr<Pipeline> weak, std::shared_ptr<Process> process, int fd,
                          std::shared_ptr<ReaderControl> control) {
  using Clock = std::chrono::steady_clock;
  // The build ends when the script does, as the headless one does: what it
  // leaves running is ended then, and a daemon holding the output cannot keep
  // the page on "Building".
  process->finishWithScript();
  std::vector<char> block(kReadBytes);
  pollfd watched[2] = {{fd, POLLIN, 0}, {control->stopFds[0], POLLIN, 0}};
  std::optional<int32_t> status;
  std::optional<Clock::time_point> drainUntil;
  Clock::time_point nextLook = Clock::now() + kLookAtSupervisor;
  for (;;) {
    const Clock::time_point due = drainUntil.value_or(nextLook);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()).count();
    if (poll(watched, 2, static_cast<int>(std::max<int64_t>(0, left))) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (watched[1].revents != 0) break;  // released: the group is dead by now
    if (watched[0].revents != 0) {
      ssize_t n = read(fd, block.data(), block.size());
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n <= 0) break;
      // The pipeline may be gone; keep draining so the script never blocks on
      // a full pipe.
      if (std::shared_ptr<Pipeline> pipeline = weak.lock()) {
        pipeline->output_->consume(std::string_view(block.data(), static_cast<size_t>(n)));
      }
    }
    const Clock::time_point now = Clock::now();
    if (!status && now >= nextLook) {
      nextLook = now + kLookAtSupervisor;
      process->tendSupervisor();
      if (!process->isRunning()) {
        // The supervisor has exited, its build ended (or, lost, ended here).
        // Whatever still holds the output left the build: what it has
        // written is read, for a moment, and then the run ends.
        status = process->waitUntilExit();
        drainUntil = Clock::now() + kDrainAfterEnd;
      }
    }
    if (drainUntil && Clock::now() >= *drainUntil) break;
  }
  close(fd);
  // The output may end before the script does (it closed it): the wait goes
  // on for as long as the script runs.
  if (!status) status = process->waitUntilExit();
  if (process->leftRefusingProcesses()) AppendInstallerLog(kRefusingProcessesLogLine);
  if (process->supervisorLost()) AppendInstallerLog(kSupervisorLostLogLine);
  RunOnMain([weak, status = *status] {
    if (std::shared_ptr<Pipeline> pipeline = weak.lock()) pipeline->finishLive(status);
  });
  control->markDone();
}

void Pipeline::finishLive(int32_t status) {
  runActive_ = false;
  outputLock_.release();
  sourcesLock_.release();
  output_->finish();
  closeLog();
  report_.status = status;
  report_.supervisorLost = task_->supervisorLost();
  report_.appPath = output_->appPath();
  report_.errorMessage = output_->errorMessage();
  report_.outOfSpace = output_->outOfSpace();
  // The app's folder is the script's path, which may lie on a disk that is
  // slow to answer: it is looked at in the background, never on the main thread.
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunInBackground([weak, app = report_.appPath] {
    const bool folder = app && !app->empty() && IsDirectory(*app);
    RunOnMain([weak, folder] {
      std::shared_ptr<Pipeline> pipeline = weak.lock();
      if (pipeline == nullptr) return;
      pipeline->report_.appIsFolder = folder;
      if (pipeline->events_.ended) pipeline->events_.ended(pipeline->report_);
    });
  });
}

void Pipeline::cancel() {
  // Before the start the request is kept, so the script never starts.
  if (!ran_) {
    report_.cancelled = true;
    return;
  }
  // The script's shell may have exited while a child it left in the group
  // still holds the output: the run has not ended, so Cancel still acts.
  if (!runActive_) return;
  report_.cancelled = true;
  task_->signalGroupOrProcess(SIGTERM);
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunOnMainAfter(kKillDelay, [weak] {
    if (std::shared_ptr<Pipeline> pipeline = weak.lock()) pipeline->killAfterCancel();
  });
}

void Pipeline::killAfterCancel() {
  if (!runActive_) return;
  // Until the reader has reaped the shell its group is still ours to signal,
  // even when the shell itself has already exited.
  task_->signalGroupOrProcess(SIGKILL);
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunOnMainAfter(kReleaseDelay, [weak] {
    std::shared_ptr<Pipeline> pipeline = weak.lock();
    if (pipeline && pipeline->runActive_) pipeline->reader_->requestStop();
  });
}

void Pipeline::stopBeforeQuit(std::chrono::milliseconds grace) {
  if (!runActive_) {
    if (!ran_) report_.cancelled = true;  // not started yet: it never will be
    return;
  }
  report_.cancelled = true;
  task_->signalGroupOrProcess(SIGTERM);
  if (reader_->waitDone(grace)) return;
  task_->signalGroupOrProcess(SIGKILL);
  if (reader_->waitDone(kQuitReleaseDelay)) return;
  reader_->requestStop();
  // The group is dead, or is being ended by the reader's wait, which a
  // supervisor that does not answer SIGKILL bounds too.
  reader_->waitDone(kQuitReleaseDelay + Process::kSupervisorAnswer);
}

}  // namespace vlmr
