#pragma once

#include <chrono>
#include <initializer_list>
#include <vector>

#include <signal.h>

namespace vlmr {

/// Catches the given signals for the life of the object instead of letting
/// them end the process, so a caller can pass them on (to a child's process
/// group) and end the same way afterwards. A signal the process inherited as
/// ignored (as `nohup` leaves SIGHUP) stays ignored. One relay at a time.
class SignalRelay {
 public:
  explicit SignalRelay(std::initializer_list<int> caught);
  ~SignalRelay();
  SignalRelay(const SignalRelay&) = delete;
  SignalRelay& operator=(const SignalRelay&) = delete;

  /// A descriptor that turns readable when a caught signal is waiting to be
  /// taken; -1 when the relay could not be set up (signals then act as before).
  int descriptor() const { return fds_[0]; }

  /// The next caught signal not yet taken, or 0 when none is waiting.
  int take();

  /// The first signal caught so far, or 0.
  int first() const { return first_; }

  /// Restores the signals' earlier handling and ends the process by `signal`
  /// as if it had never been caught. Returns only when that signal does not
  /// end the process (then the caller exits with 128 + its number).
  static void EndBy(int signal);

 private:
  int fds_[2] = {-1, -1};
  int first_ = 0;
  std::vector<std::pair<int, struct sigaction>> previous_;
};

}  // namespace vlmr
