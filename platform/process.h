#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"

namespace vlmr {

/// A launch under the build supervisor (platform/supervision.h): the
/// supervisor at `supervisor` starts the executable as the leader of its own
/// process group, takes over `heldDescriptors` (the build's locks) and keeps
/// them open until every process it started has ended, and ends them all
/// when this installer dies, however it dies.
struct Supervision {
  std::string supervisor;
  std::vector<int> heldDescriptors;
};

/// What to launch: the executable, its arguments (without the program name),
/// its environment (unset means the installer's own) and where its standard
/// output and error go (-1 means inherit the installer's). Standard input is
/// the null device unless `inheritStdin` is set; the working directory is
/// the installer's unless `workingDirectory` names one. With `supervision`
/// the supervisor is launched, and it starts the executable. With
/// `ownSession` the child leads a new session (and so a new process group):
/// no terminal of ours and no signal for our group reaches it.
struct TaskSpec {
  std::string executable;
  std::vector<std::string> arguments;
  std::optional<std::map<std::string, std::string>> environment;
  int stdoutFd = -1;
  int stderrFd = -1;
  bool inheritStdin = false;
  std::optional<Supervision> supervision{};
  std::string workingDirectory{};
  bool ownSession = false;
};

/// One child process: described, then launched at most once. It may be
/// waited for on one thread while another asks whether it runs or signals it;
/// a process we have reaped is never signalled, so a recycled process id
/// cannot be hit. A supervised process is the supervisor: its exit status is
/// the script's, and signals reach the script's group through it.
class Process {
 public:
  explicit Process(TaskSpec description) : launch_(std::move(description)) {}
  /// Gives up the lifeline of a supervised process: a build nobody can stop
  /// any more is ended by its supervisor.
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  /// What this process runs.
  const TaskSpec& description() const { return launch_; }

  /// Starts the child. It inherits only its three standard streams (and, when
  /// supervised, the supervisor its lifeline and the held descriptors). Returns
  /// false and fills `error` when it cannot be started (or was started
  /// before); a supervised executable that cannot be started fails here too.
  bool launch(Error* error);

  /// The child's process id, 0 before a successful launch.
  pid_t pid();

  /// Blocks until the child has exited, reaps it and returns its termination
  /// status: the exit code, or the number of the signal that ended it. A
  /// supervised child is told first that nobody waits for more output: what
  /// its script leaves running is ended once the script has exited.
  /// Returns -1 for a process that was never launched, and when its status
  /// was lost (someone else reaped it, as the kernel does for a parent that
  /// ignores SIGCHLD, or the supervisor was lost): an unknown end is never
  /// taken for success. A lost supervisor's build is ended here before this
  /// returns (`supervisorLost`).
  int waitUntilExit();

  /// Blocks until the child has exited, without reaping it: its process id,
  /// and its process group while it leads one, stay ours to signal. Tells a
  /// supervised child what `waitUntilExit` does. A stopped supervisor is
  /// continued (stopping it pauses nothing but its watch), and one that has
  /// not exited by the time `expectExitWithin` set is killed.
  void waitForExit();

  /// Tells a supervised child now what the waits tell it: once the script
  /// has exited, what it left running is ended and the supervisor exits.
  void finishWithScript();

  /// A supervised child that has not exited `bound` from now no longer
  /// answers: the waits kill it and end the script's group themselves. The
  /// earliest bound set holds. SIGKILL sets one of `kSupervisorAnswer`.
  void expectExitWithin(std::chrono::milliseconds bound);

  /// What the waits do on each look at a supervised child, for a caller that
  /// watches it otherwise (the reader of its output): a stopped supervisor
  /// is continued, and one past the bound of `expectExitWithin` is killed.
  void tendSupervisor();

  /// How long a supervisor may take to end its build on SIGKILL.
  static constexpr std::chrono::milliseconds kSupervisorAnswer{1000};

  /// true when the supervisor ended without ending its build (killed, or
  /// killed by us for not answering): the installer ended the script's
  /// group itself, and the script's status is unknown (known once
  /// `waitUntilExit` has returned).
  bool supervisorLost();

  /// true when the supervisor, before it exited, reported processes of the
  /// build that refused even SIGKILL and were left running (known once
  /// `waitUntilExit` has returned).
  bool leftRefusingProcesses();

  /// true while the launched child has neither exited nor been reaped.
  bool isRunning();

  /// Sends `signal` to the child's process group when the child leads one,
  /// else to the child alone; does nothing unless it is running. A supervised
  /// child passes it on to the script's group; SIGKILL ends every process of
  /// the build.
  void signalGroupOrProcess(int signal);

 private:
  bool launchSupervised(Error* error);
  void askToFinish();
  void superviseUntilExit(pid_t child);
  void endLostBuild();
  TaskSpec launch_;
  std::mutex mutex_;  // orders launching and reaping against signalling
  pid_t pid_ = 0;
  bool reaped_ = false;
  int status_ = 0;
  int lifeline_ = -1;  // our end of a supervised child's lifeline
  bool refusing_ = false;
  // A supervised child's: the script's group, whether SIGKILL was asked for,
  // the moment it must have exited by, and whether it was lost.
  pid_t scriptGroup_ = 0;
  bool killAsked_ = false;
  std::optional<std::chrono::steady_clock::time_point> exitBy_;
  bool lost_ = false;
};

/// The termination status of a wait status: exit code or signal number.
int TerminationStatus(int waitStatus);

/// A pipe whose two ends are close-on-exec. Returns false when it cannot be made.
bool MakePipe(int fds[2]);

}  // namespace vlmr
