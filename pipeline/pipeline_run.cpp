// The asynchronous run: launch, background reader, completion and cancellation.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <vector>

#include "pipeline/pipeline.h"
#include "platform/queues.h"

namespace vlmr {

namespace {

constexpr size_t kChunkBytes = 4096;
constexpr auto kKillDelay = std::chrono::seconds(8);

}  // namespace

Pipeline::~Pipeline() {
  closeLog();
}

bool Pipeline::startWithError(Error* error) {
  openLog();
  int fds[2];
  if (!MakePipe(fds)) {
    if (error != nullptr) *error = Error{"NSPOSIXErrorDomain", errno, "Could not create a pipe."};
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
    return false;
  }
  exitStatus = -1;
  std::weak_ptr<Pipeline> weak = weak_from_this();
  std::shared_ptr<Process> process = task;
  int readFd = fds[0];
  RunInBackground([weak, process, readFd] { ReadOutput(weak, process, readFd); });
  return true;
}

void Pipeline::ReadOutput(std::weak_ptr<Pipeline> weak, std::shared_ptr<Process> process, int fd) {
  // One read takes whatever the pipe holds (up to 64 KiB); the line handling
  // still receives it in chunks of at most 4096 bytes.
  std::vector<char> block(16 * kChunkBytes);
  for (;;) {
    ssize_t n = read(fd, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
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
    pipeline->flushBuffer();
    pipeline->closeLog();
    pipeline->exitStatus = status;
    if (pipeline->onFinish) pipeline->onFinish(status);
  });
}

void Pipeline::cancel() {
  if (!task || !task->isRunning()) return;
  cancelled = true;
  task->signalGroupOrProcess(SIGTERM);
  std::weak_ptr<Pipeline> weak = weak_from_this();
  RunOnMainAfter(kKillDelay, [weak] {
    std::shared_ptr<Pipeline> pipeline = weak.lock();
    if (pipeline && pipeline->task && pipeline->task->isRunning()) {
      pipeline->task->signalGroupOrProcess(SIGKILL);
    }
  });
}

}  // namespace vlmr
