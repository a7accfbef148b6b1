// The asynchronous run: launch, background reader, completion and cancellation.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "base/files.h"
#include "pipeline/pipeline.h"
#include "platform/queues.h"

namespace vlmr {

namespace {

constexpr size_t kChunkBytes = 4096;
constexpr auto kKillDelay = std::chrono::seconds(8);
// How long a killed group's output may stay open before the run stops
// waiting for its end: only a descendant that left the group can hold it.
constexpr auto kReleaseDelay = std::chrono::seconds(2);
constexpr auto kQuitReleaseDelay = std::chrono::seconds(1);

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

bool Pipeline::lockOutput(Error* error) {
  // The folder is locked itself, so it must exist; the script would make it.
  std::string out = stageDir.value_or("");
  if (!out.empty()) CreateDirectories(out);
  return LockBuildFolder(outputLock_, out, error);
}

bool Pipeline::startWithError(Error* error) {
  if (!lockOutput(error)) return false;
  openLog();
  auto control = std::make_shared<ReaderControl>();
  int fds[2];
  if (!MakePipe(fds) || !MakePipe(control->stopFds)) {
    if (error != nullptr) *error = Error{"NSPOSIXErrorDomain", errno, "Could not create a pipe."};
    outputLock_.release();
    return false;
  }
#if defined(F_SETPIPE_SZ)
  // A roomier pipe lets a chatty script run ahead of the reader's small
  // chunks instead of blocking on every few kilobytes.
  fcntl(fds[0], F_SETPIPE_SZ, 1 << 20);
#endif
  TaskSpec launch = makeTask();
  launch.stdoutFd = fds[1];
  launch.stderrFd = fds[1];
  task = std::make_shared<Process>(std::move(launch));
  bool launched = task->launch(error);
  close(fds[1]);  // the script and its descendants hold the writing end now
  if (!launched) {
    close(fds[0]);
    outputLock_.release();
    return false;
  }
  exitStatus = -1;
  runActive_ = true;
  reader_ = control;
  std::weak_ptr<Pipeline> weak = weak_from_this();
  std::shared_ptr<Process> process = task;
  int readFd = fds[0];
  RunInBackground(
      [weak, process, readFd, control] { ReadOutput(weak, process, readFd, control); });
  return true;
}

void Pipeline::ReadOutput(std::weak_ptr<Pipeline> weak, std::shared_ptr<Process> process, int fd,
                          std::shared_ptr<ReaderControl> control) {
  // One read takes whatever the pipe holds (up to 64 KiB); the line handling
  // still receives it in chunks of at most 4096 bytes.
  std::vector<char> block(16 * kChunkBytes);
  pollfd watched[2] = {{fd, POLLIN, 0}, {control->stopFds[0], POLLIN, 0}};
  for (;;) {
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (watched[1].revents != 0) break;  // released: the group is dead by now
    ssize_t n = read(fd, block.data(), block.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) break;
    // The pipeline may be gone; keep draining so the script never blocks on
    // a full pipe.
    if (std::shared_ptr<Pipeline> pipeline = weak.lock()) {
      for (ssize_t at = 0; at < n; at += kChunkBytes) {
        size_t size = std::min<size_t>(kChunkBytes, static_cast<size_t>(n - at));
        pipeline->consumeData(std::string_view(block.data() + at, size));
      }
    }
  }
  close(fd);
  int32_t status = process->waitUntilExit();
  RunOnMain([weak, status] {
    std::shared_ptr<Pipeline> pipeline = weak.lock();
    if (!pipeline) return;
    pipeline->runActive_ = false;
    pipeline->outputLock_.release();
    pipeline->sourcesLock_.release();
    pipeline->flushBuffer();
    pipeline->closeLog();
    pipeline->exitStatus = status;
    if (pipeline->onFinish) pipeline->onFinish(status);
  });
  control->markDone();
}

void Pipeline::cancel() {
  // The script's shell may have exited while a child it left in the group
  // still holds the output: the run has not ended, so Cancel still acts.
  if (!runActive_) return;
  cancelled = true;
  task->signalGroupOrProcess(SIGTERM);
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunOnMainAfter(kKillDelay, [weak] {
    if (std::shared_ptr<Pipeline> pipeline = weak.lock()) pipeline->killAfterCancel();
  });
}

void Pipeline::killAfterCancel() {
  if (!runActive_) return;
  // Until the reader has reaped the shell its group is still ours to signal,
  // even when the shell itself has already exited.
  task->signalGroupOrProcess(SIGKILL);
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunOnMainAfter(kReleaseDelay, [weak] {
    std::shared_ptr<Pipeline> pipeline = weak.lock();
    if (pipeline && pipeline->runActive_) pipeline->reader_->requestStop();
  });
}

void Pipeline::stopBeforeQuit(std::chrono::milliseconds grace) {
  if (!runActive_) {
    if (!task) cancelled = true;  // not started yet: it never will be
    return;
  }
  cancelled = true;
  task->signalGroupOrProcess(SIGTERM);
  if (reader_->waitDone(grace)) return;
  task->signalGroupOrProcess(SIGKILL);
  if (reader_->waitDone(kQuitReleaseDelay)) return;
  reader_->requestStop();
  // The shell is dead, so the reader only has to reap it.
  reader_->waitDone(kQuitReleaseDelay);
}

}  // namespace vlmr
