#include "platform/detached_launch.h"

#include <memory>
#include <utility>

#include "platform/queues.h"

namespace vlmr {

namespace {

// Reaps `process` once it has ended, looking again later while it runs. Not
// a background wait: a worker blocked until the app quits would hold up the
// program's own end, since the pool's threads are joined then.
void ReapWhenEnded(std::shared_ptr<Process> process) {
  if (process->isRunning()) {
    RunOnMainAfter(kDetachedReapInterval,
                   [process = std::move(process)]() mutable { ReapWhenEnded(std::move(process)); });
    return;
  }
  process->waitUntilExit();  // it has ended: returns at once
}

}  // namespace

bool LaunchDetached(TaskSpec launch, Error* error, pid_t* pid) {
  launch.supervision.reset();
  launch.ownSession = true;
  auto process = std::make_shared<Process>(std::move(launch));
  if (!process->launch(error)) return false;
  if (pid != nullptr) *pid = process->pid();
  RunOnMainAfter(kDetachedReapInterval,
                 [process = std::move(process)]() mutable { ReapWhenEnded(std::move(process)); });
  return true;
}

}  // namespace vlmr
