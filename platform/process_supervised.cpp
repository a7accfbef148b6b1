// Launching a process under the build supervisor (platform/supervision.h).
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

}  // namespace

void SendOnLifeline(int lifeline, unsigned char byte) {
#if defined(__APPLE__)
  (void)!send(lifeline, &byte, 1, 0);  // SO_NOSIGPIPE is set on our end
#else
  (void)!send(lifeline, &byte, 1, MSG_NOSIGNAL);
#endif
}

bool ReadsRefusedReport(int lifeline) {
  unsigned char bytes[16];
  for (;;) {
    ssize_t n = recv(lifeline, bytes, sizeof bytes, MSG_DONTWAIT);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    for (ssize_t i = 0; i < n; ++i) {
      if (bytes[i] == kRefusedReport) return true;
    }
  }
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
  // The supervisor leads a group of its own, out of reach of the terminal's
  // signals: the installer decides what reaches the build.
  pid_t pid = 0;
  int rc = SpawnChild(supervision.supervisor, std::move(arguments), launch_, passed, true, &pid);
  CloseAll({lifeline[1], report[1]});
  if (rc != 0) {
    CloseAll({lifeline[0], report[0]});
    return fail(rc, supervision.supervisor);
  }

  // The supervisor closes the report once the script has started, or writes
  // why it could not start it. Either comes within moments.
  int code = 0;
  size_t got = 0;
  while (got < sizeof code) {
    ssize_t n = read(report[0], reinterpret_cast<char*>(&code) + got, sizeof code - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(report[0]);
  if (got != 0) {
    close(lifeline[0]);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return fail(got == sizeof code && code > 0 ? code : EIO, launch_.executable);
  }
  pid_ = pid;
  lifeline_ = lifeline[0];
  return true;
}

}  // namespace vlmr
