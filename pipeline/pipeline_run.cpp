// The asynchronous run: launch, background reader, completion and cancellation.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "pipeline/pipeline.h"
#include "platform/queues.h"

namespace vlmr {

namespace {

constexpr size_t kChunkBytes = 4096;
constexpr auto kKillDelay = std::chrono::seconds(8);

}  // namespace

Pipeline::~Pipeline() { closeLog(); }

bool Pipeline::startWithError(Error* error) {
  openLog();
  int fds[2];
  if (!MakePipe(fds)) {
    if (error != nullptr) *error = Error{"NSPOSIXErrorDomain", errno, "Could not create a pipe."};
    return false;
  }
  TaskSpec spec = makeTask();
  spec.stdoutFd = fds[1];
  spec.stderrFd = fds[1];
  task = std::make_shared<Process>(std::move(spec));
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
  char chunk[kChunkBytes];
  for (;;) {
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    // The pipeline may be gone; keep draining so the script never blocks on
    // a full pipe.
    if (std::shared_ptr<Pipeline> pipeline = weak.lock()) {
      pipeline->consumeData(std::string_view(chunk, static_cast<size_t>(n)));
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
