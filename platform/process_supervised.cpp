// Launching a process under the build supervisor (platform/supervision.h).
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/lost_build.h"
#include "platform/process.h"
#include "platform/process_spawn.h"
#include "platform/supervision.h"

namespace vlmr {

namespace {

// The lifeline is a socket pair rather than a pipe so that a write after the
// supervisor has gone fails with EPIPE instead of raising SIGPIPE in the
// installer. Both ends are close-on-exec: no other child of the installer
// may hold our end, or the supervisor would never see it close.
bool MakeLifeline(int fds[2]) {
#if defined(__APPLE__)
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) return false;
  for (int i = 0; i < 2; ++i) fcntl(fds[i], F_SETFD, FD_CLOEXEC);
  int on = 1;
  setsockopt(fds[0], SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
  return true;
#else
  return socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) == 0;
#endif
}

void CloseAll(std::initializer_list<int> fds) {
  for (int fd : fds) {
    if (fd >= 0) close(fd);
  }
}

using Clock = std::chrono::steady_clock;

// How often a wait on the supervisor looks at it: for its end, a stop, and
// the moment it must have exited by.
constexpr auto kLookEvery = std::chrono::milliseconds(25);
// How long the group of a lost supervisor's build may take to end on SIGTERM
// (as long as the supervisor gives a build whose installer has gone).
constexpr auto kLostGrace = std::chrono::seconds(3);
// How long its members may take to be gone after SIGKILL.
constexpr auto kLostKillWait = std::chrono::seconds(2);

// True when `child`, our unreaped child, is stopped now.
bool Stopped(pid_t child) {
  siginfo_t info{};
  info.si_pid = 0;
  if (waitid(P_PID, static_cast<id_t>(child), &info, WSTOPPED | WNOHANG | WNOWAIT) != 0) {
    return false;
  }
  return info.si_pid == child && info.si_code == CLD_STOPPED;
}

}  // namespace

void SendOnLifeline(int lifeline, unsigned char byte) {
#if defined(__APPLE__)
  (void)!send(lifeline, &byte, 1, 0);  // SO_NOSIGPIPE is set on our end
#else
  (void)!send(lifeline, &byte, 1, MSG_NOSIGNAL);
#endif
}

LifelineReports ReadLifelineReports(int lifeline) {
  LifelineReports reports;
  unsigned char bytes[16];
  for (;;) {
    ssize_t n = recv(lifeline, bytes, sizeof bytes, MSG_DONTWAIT);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return reports;
    for (ssize_t i = 0; i < n; ++i) {
      if (bytes[i] == kRefusedReport) reports.refused = true;
      if (bytes[i] == kEndedReport) reports.ended = true;
    }
  }
}

void Process::expectExitWithin(std::chrono::milliseconds bound) {
  std::lock_guard lock(mutex_);
  auto by = Clock::now() + bound;
  if (!exitBy_ || by < *exitBy_) exitBy_ = by;
}

void Process::superviseUntilExit(pid_t child) {
  for (;;) {
    siginfo_t info{};
    info.si_pid = 0;
    if (waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
      if (errno == EINTR) continue;
      return;  // nothing left to wait for (ECHILD): the reap reports the loss
    }
    if (info.si_pid == child &&
        (info.si_code == CLD_EXITED || info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED)) {
      return;
    }
    tendSupervisor();
    std::this_thread::sleep_for(kLookEvery);
  }
}

void Process::tendSupervisor() {
  std::lock_guard lock(mutex_);
  if (!launch_.supervision || pid_ == 0 || reaped_) return;
  // A stopped supervisor passes nothing on and ends nothing, while the build
  // it watches runs on: it is continued.
  if (Stopped(pid_)) kill(pid_, SIGCONT);
  if (exitBy_ && Clock::now() >= *exitBy_) {
    // It does not answer (stopped again, traced, wedged): it is killed, and
    // its build is ended after the reap (see endLostBuild).
    kill(pid_, SIGKILL);
    killAsked_ = true;
  }
}

void Process::endLostBuild() {
  pid_t group = 0;
  bool killNow = false;
  {
    std::lock_guard lock(mutex_);
    group = scriptGroup_;
    killNow = killAsked_;
  }
  // The script's group, and what left it, outlive a supervisor killed before
  // it could end them: ended here, a grace period after SIGTERM, unless
  // SIGKILL was asked for.
  if (group <= 0) return;
  LostBuild build(group);
  if (!build.alive()) return;
  if (!killNow) {
    build.signal(SIGTERM);
    if (build.goneBy(Clock::now() + kLostGrace)) return;
  }
  build.signal(SIGKILL);
  build.goneBy(Clock::now() + kLostKillWait);
}

bool Process::launchSupervised(Error* error) {
  const Supervision& supervision = *launch_.supervision;
  auto fail = [&](int code, const std::string& what) {
    if (error != nullptr) {
      *error = LaunchError(what, code);
    }
    return false;
  };
  int lifeline[2];
  if (!MakeLifeline(lifeline)) return fail(errno, launch_.executable);
  int report[2];
  if (!MakePipe(report)) {
    int code = errno;
    CloseAll({lifeline[0], lifeline[1]});
    return fail(code, launch_.executable);
  }

  // The supervisor's descriptors: 3 the lifeline, 4 the report, then the held ones.
  std::vector<int> passed = {lifeline[1], report[1]};
  passed.insert(passed.end(), supervision.heldDescriptors.begin(),
                supervision.heldDescriptors.end());
  std::vector<std::string> arguments = {supervision.supervisor, kSupervisorHoldOption,
                                        std::to_string(supervision.heldDescriptors.size()), "--",
                                        launch_.executable};
  arguments.insert(arguments.end(), launch_.arguments.begin(), launch_.arguments.end());
  // The supervisor leads a session of its own, out of reach of the terminal:
  // the installer decides which signals reach the build, and neither the
  // supervisor nor the script is a background group of the terminal, which
  // `stty tostop` would stop on its first write.
  TaskSpec spawned = launch_;
  spawned.ownSession = true;
  pid_t pid = 0;
  int rc = SpawnChild(supervision.supervisor, std::move(arguments), spawned, passed, true, &pid);
  CloseAll({lifeline[1], report[1]});
  if (rc != 0) {
    CloseAll({lifeline[0], report[0]});
    return fail(rc, supervision.supervisor);
  }

  // The supervisor reports the script's start, or why it could not start
  // it, within moments.
  LaunchReport launched;
  size_t got = 0;
  while (got < sizeof launched) {
    ssize_t n = read(report[0], reinterpret_cast<char*>(&launched) + got, sizeof launched - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(report[0]);
  if (got != sizeof launched || launched.error != 0 || launched.scriptGroup <= 0) {
    close(lifeline[0]);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return fail(got == sizeof launched && launched.error > 0 ? launched.error : EIO,
                launch_.executable);
  }
  pid_ = pid;
  lifeline_ = lifeline[0];
  scriptGroup_ = launched.scriptGroup;
  return true;
}

}  // namespace vlmr
