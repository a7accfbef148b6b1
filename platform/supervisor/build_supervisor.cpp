// The build supervisor: the head of every build the installer starts.
//
//   build-supervisor --hold N -- EXECUTABLE ARGUMENTS...
//
// It starts EXECUTABLE (the build script's process-group trampoline) as the
// leader of a new process group, passes on the signals the installer sends
// over the lifeline (and the ones it receives itself) to that group, and
// keeps the N held descriptors (the build's folder locks) open until every
// process of the build has ended. When the installer dies, by any signal,
// SIGKILL included, the lifeline reaches end of file and the build is ended:
// SIGTERM, then SIGKILL a few seconds later. Once the script has exited and
// the installer waits for no more output, whatever it left running is ended
// too. The supervisor then exits exactly as the script did: with its exit
// code, or by the signal that ended it.
//
// Standard C++ and POSIX only: no Qt, no library of ours.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "base/signal_end.h"
#include "platform/supervision.h"
#include "platform/supervisor/descendants.h"

extern char** environ;

namespace {

using namespace vlmr;
using namespace vlmr::supervisor;
using Clock = std::chrono::steady_clock;

// How long a build whose installer has gone may take to end on SIGTERM.
constexpr auto kOrphanGrace = std::chrono::seconds(3);
// How long what a finished script left running may take to end on SIGTERM.
constexpr auto kLeftoverGrace = std::chrono::seconds(2);
// How often the sweeps repeat once SIGKILL is due, until nothing is left.
constexpr int kSweepMillis = 20;
// The signals passed on to the script's group when they reach us directly.
constexpr int kForwarded[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

int gWakeFd = -1;  // the writing end of the self-pipe; async-signal-safe use only

void Wake(int signal) {
  int saved = errno;
  unsigned char number = static_cast<unsigned char>(signal);
  (void)!write(gWakeFd, &number, 1);
  errno = saved;
}

bool SetUpSignals(int wake[2]) {
  if (pipe(wake) != 0) return false;
  for (int i = 0; i < 2; ++i) {
    fcntl(wake[i], F_SETFD, FD_CLOEXEC);
    fcntl(wake[i], F_SETFL, fcntl(wake[i], F_GETFL) | O_NONBLOCK);
  }
  gWakeFd = wake[1];
  struct sigaction action {};
  action.sa_handler = Wake;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  for (int signal : kForwarded) sigaction(signal, &action, nullptr);
  sigaction(SIGCHLD, &action, nullptr);
  // The script's output may have no reader left; a diagnostic must not kill us.
  signal(SIGPIPE, SIG_IGN);
  return true;
}

// Starts the script as the leader of its own process group, with default
// signal handling and an empty mask; our own descriptors beyond the standard
// three are close-on-exec, so it inherits neither the locks nor the lifeline.
int StartScript(char** command, pid_t* pid) {
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t all, none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  int rc = posix_spawn(pid, command[0], nullptr, &attributes, command, environ);
  posix_spawnattr_destroy(&attributes);
  return rc;
}

// Ends this process the way the script ended.
[[noreturn]] void ExitLike(bool known, int status) {
  if (known && WIFEXITED(status)) _exit(WEXITSTATUS(status));
  if (known && WIFSIGNALED(status)) {
    int signal = WTERMSIG(status);
    // The script's core, if any, was its own.
    EndBySignal(signal);
    _exit(128 + signal);  // only for a signal that cannot end a process
  }
  // A lost status is never success.
  _exit(kSupervisorFailed);
}

void Report(int error, pid_t script) {
  LaunchReport report{static_cast<int32_t>(error), static_cast<int32_t>(script)};
  (void)!write(kReportDescriptor, &report, sizeof report);
  close(kReportDescriptor);
}

[[noreturn]] void Refuse(const char* why, int error) {
  std::fprintf(stderr, "build-supervisor: %s\n", why);
  Report(error, 0);
  _exit(kSupervisorFailed);
}

}  // namespace

int main(int argc, char** argv) {
  // build-supervisor --hold N -- EXECUTABLE ARGUMENTS...
  if (argc < 5 || std::strcmp(argv[1], kSupervisorHoldOption) != 0 ||
      std::strcmp(argv[3], "--") != 0) {
    Refuse("usage: build-supervisor --hold N -- EXECUTABLE [ARGUMENTS...]", EINVAL);
  }
  char* end = nullptr;
  long held = std::strtol(argv[2], &end, 10);
  if (*end != '\0' || held < 0 || held > 64) Refuse("bad number of held descriptors", EINVAL);
  for (int fd = kLifelineDescriptor; fd < kFirstHeldDescriptor + held; ++fd) {
    if (fcntl(fd, F_SETFD, FD_CLOEXEC) != 0) Refuse("a descriptor to hold is missing", EBADF);
  }
  BecomeSubreaper();
  int wake[2];
  if (!SetUpSignals(wake)) Refuse("could not create a pipe", errno);

  pid_t script = 0;
  if (int rc = StartScript(argv + 4, &script); rc != 0) {
    Report(rc, 0);
    _exit(kSupervisorFailed);
  }
  // The installer learns the script's group, to end it itself should we be
  // killed before we could.
  Report(0, script);
  // Our copy of the script's output must not keep it open: its end is the
  // installer's sign that the script and its descendants are done writing.
  int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null >= 0) {
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
  }

  bool lifeline = true;
  bool finishAsked = false;  // the installer waits for no more output
  bool stopping = false;     // the build was asked to end, or lost its installer
  bool ending = false;       // the script has exited; what it left is being ended
  bool scriptReaped = false;
  int scriptStatus = 0;
  std::optional<Clock::time_point> killAt;
  auto killBy = [&killAt](Clock::time_point when) {
    if (!killAt || when < *killAt) killAt = when;
  };
  // A signal for the build: to the script's group, and to whatever left it,
  // while the script runs; once it has exited, what it left is ended outright.
  auto deliver = [&](int signal) {
    stopping = true;
    if (signal == SIGKILL || scriptReaped) {
      killBy(Clock::now());
    } else {
      SignalBuild(script, false, signal);
    }
  };

  for (;;) {
    ReapChildren(script, &scriptStatus, &scriptReaped);
    // A finished script's descendants may still be writing its output, which
    // the installer reads to its end; they are ended once it has.
    if (scriptReaped && !ending && (finishAsked || stopping)) {
      ending = true;
      if (stopping) {
        killBy(Clock::now());
      } else {
        SignalBuild(script, true, SIGTERM);
        killBy(Clock::now() + kLeftoverGrace);
      }
    }
    if (killAt && Clock::now() >= *killAt) SignalBuild(script, scriptReaped, SIGKILL);
    if (ending) {
      BuildRemains left = BuildLeft(script, scriptReaped);
      if (left == BuildRemains::Gone) break;
      // What refuses even SIGKILL stays out of our reach however long we
      // sweep: past the kill deadline it no longer holds the build's folders,
      // and the installer is told so that its log can say what was left.
      if (left == BuildRemains::Refusing && killAt && Clock::now() >= *killAt) {
        if (lifeline) {
          // SIGPIPE is ignored (SetUpSignals): an installer gone meanwhile costs nothing.
          unsigned char report = kRefusedReport;
          (void)!send(kLifelineDescriptor, &report, 1, 0);
        }
        break;
      }
    }

    int timeout = -1;
    if (killAt) {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(*killAt - Clock::now()).count();
      timeout = static_cast<int>(std::clamp<long long>(left, kSweepMillis, 60'000));
    }
    pollfd watched[2] = {{wake[0], POLLIN, 0}, {lifeline ? kLifelineDescriptor : -1, POLLIN, 0}};
    if (poll(watched, 2, timeout) < 0 && errno != EINTR) {
      // Nothing left to wait with: end the build rather than lose track of it.
      deliver(SIGKILL);
      usleep(kSweepMillis * 1000);
      continue;
    }
    if (watched[0].revents != 0) {
      unsigned char caught[64];
      ssize_t n;
      while ((n = read(wake[0], caught, sizeof caught)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
          if (caught[i] != SIGCHLD) deliver(caught[i]);  // children are reaped above
        }
      }
    }
    if (lifeline && watched[1].revents != 0) {
      unsigned char asked[64];
      ssize_t n = read(kLifelineDescriptor, asked, sizeof asked);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n <= 0) {
        // The installer is gone: nobody reads the build or holds its place.
        lifeline = false;
        close(kLifelineDescriptor);
        stopping = true;
        SignalBuild(script, scriptReaped, SIGTERM);
        killBy(Clock::now() + kOrphanGrace);
        continue;
      }
      for (ssize_t i = 0; i < n; ++i) {
        if (asked[i] == kFinishRequest) {
          finishAsked = true;
        } else {
          deliver(asked[i]);
        }
      }
    }
  }
  // Everything is gone: the held locks may go with us. The installer is told
  // that this end is ours, not a kill that left the build running.
  if (lifeline) {
    unsigned char report = kEndedReport;
    (void)!send(kLifelineDescriptor, &report, 1, 0);
  }
  ExitLike(scriptReaped, scriptStatus);
}
