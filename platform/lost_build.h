#pragma once

// Ending a build whose supervisor is gone. Internal to platform/.

#include <sys/types.h>

#include <chrono>
#include <utility>
#include <vector>

namespace vlmr {

/// The processes of a build whose supervisor was killed before it could end
/// them: the script's process group and, where /proc shows them (Linux),
/// the descendants of its members that left the group (`setsid`). A process
/// is known by its id and start time, so a recycled id is never signalled.
class LostBuild {
 public:
  using Clock = std::chrono::steady_clock;

  /// The build whose script leads process group `group`.
  explicit LostBuild(pid_t group) : group_(group) {}

  /// True while a member of the group or a known stray has not ended.
  bool alive();
  /// Sends `signal` once to every process of the build found now.
  void signal(int signal);
  /// Waits until nothing of the build is left, or `until`; true when nothing is.
  bool goneBy(Clock::time_point until);

 private:
  void findStrays();

  pid_t group_;
  std::vector<std::pair<pid_t, unsigned long long>> strays_;  // id, start time
  int sent_ = 0;  // the last signal sent, for strays found after it
};

}  // namespace vlmr
