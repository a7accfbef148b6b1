#include "platform/signal_relay.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "base/signal_end.h"
#include "platform/process.h"

namespace vlmr {

namespace {

// The writing end of the active relay's pipe; the handler may only use what
// is async-signal-safe.
std::atomic<int> gRelayFd{-1};

void Relay(int signal) {
  int saved = errno;
  unsigned char number = static_cast<unsigned char>(signal);
  int fd = gRelayFd.load();
  if (fd >= 0) (void)!write(fd, &number, 1);
  errno = saved;
}

}  // namespace

SignalRelay::SignalRelay(std::initializer_list<int> caught) {
  if (!MakePipe(fds_)) {
    fds_[0] = fds_[1] = -1;
    return;
  }
  // A flood of signals must never block the handler.
  fcntl(fds_[1], F_SETFL, fcntl(fds_[1], F_GETFL) | O_NONBLOCK);
  fcntl(fds_[0], F_SETFL, fcntl(fds_[0], F_GETFL) | O_NONBLOCK);
  gRelayFd.store(fds_[1]);
  for (int signal : caught) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction relay {};
    relay.sa_handler = Relay;
    sigemptyset(&relay.sa_mask);
    relay.sa_flags = SA_RESTART;
    if (sigaction(signal, &relay, nullptr) == 0) previous_.emplace_back(signal, current);
  }
}

SignalRelay::~SignalRelay() {
  for (auto& [signal, action] : previous_) sigaction(signal, &action, nullptr);
  gRelayFd.store(-1);
  for (int fd : fds_) {
    if (fd >= 0) close(fd);
  }
}

int SignalRelay::take() {
  if (fds_[0] < 0) return 0;
  unsigned char number = 0;
  ssize_t n;
  while ((n = read(fds_[0], &number, 1)) < 0 && errno == EINTR) {
  }
  if (n != 1) return 0;
  if (first_ == 0) first_ = number;
  return number;
}

void SignalRelay::EndBy(int signal) {
  EndBySignal(signal);
}

}  // namespace vlmr
