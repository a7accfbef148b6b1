// The headless run: the script on the installer's own output, waited for,
// with the signals the installer catches passed on to its process group.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>

#include "pipeline/pipeline.h"
#include "platform/installer_log.h"
#include "platform/signal_relay.h"

namespace vlmr {

namespace {

// Waits for the script's shell to exit while passing every signal the relay
// catches on to its group. The shell is not reaped here, so its group stays
// ours to signal: SIGKILL goes to it `kKillDelay` after the first signal, and
// again once the shell has exited, for children that outlived it.
void RelaySignalsUntilExit(Process& process, SignalRelay& relay) {
  int exited[2];
  if (!MakePipe(exited)) {
    process.waitForExit();
    return;
  }
  // A thread of its own, not RunInBackground: the waiter borrows `process`
  // from the caller's stack and must be over before this returns, by
  // whichever way the loop below is left (a failed poll too). The pool has
  // no join; this thread is joined below.
  std::thread waiter([&process, notify = exited[1]] {
    process.waitForExit();
    (void)!write(notify, "x", 1);
  });
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> killAt;
  bool killed = false;
  pollfd watched[2] = {{exited[0], POLLIN, 0}, {relay.descriptor(), POLLIN, 0}};
  for (;;) {
    int timeout = -1;
    if (killAt && !killed) {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(*killAt - Clock::now());
      timeout = static_cast<int>(std::max<int64_t>(0, left.count()));
    }
    int ready = poll(watched, relay.descriptor() >= 0 ? 2 : 1, timeout);
    if (ready < 0 && errno != EINTR) break;
    if (watched[0].revents != 0) break;
    if (relay.descriptor() >= 0 && watched[1].revents != 0) {
      for (int signal = relay.take(); signal != 0; signal = relay.take()) {
        process.signalGroupOrProcess(signal);
        if (!killAt) killAt = Clock::now() + Pipeline::kKillDelay;
      }
    }
    if (killAt && !killed && Clock::now() >= *killAt) {
      process.signalGroupOrProcess(SIGKILL);  // the shell dies of it now
      killed = true;
    }
  }
  waiter.join();
  close(exited[0]);
  close(exited[1]);
  if (relay.first() != 0) process.signalGroupOrProcess(SIGKILL);
}

}  // namespace

bool Pipeline::runHeadless(Error* error, SignalRelay* relay) {
  if (!lockOutput(error)) return false;
  // Standard output and error stay the installer's own; nothing is read.
  Process process(makeTask());
  if (!process.launch(error)) return false;
  if (relay != nullptr) RelaySignalsUntilExit(process, *relay);
  report_.status = process.waitUntilExit();
  if (process.leftRefusingProcesses()) AppendInstallerLog(kRefusingProcessesLogLine);
  report_.supervisorLost = process.supervisorLost();
  if (report_.supervisorLost) AppendInstallerLog(kSupervisorLostLogLine);
  outputLock_.release();
  sourcesLock_.release();
  return true;
}

}  // namespace vlmr
