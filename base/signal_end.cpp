#include "base/signal_end.h"

#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

namespace vlmr {

void EndBySignal(int signal) {
  // Ending by SIGQUIT or SIGABRT is asked for here, not a crash: a core file
  // would only litter.
  struct rlimit noCore {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal);
}

}  // namespace vlmr
