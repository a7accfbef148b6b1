#include "platform/supervisor/descendants.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#if defined(__linux__)
#include <sys/prctl.h>

#include <map>
#include <vector>

#include "platform/process_table.h"
#elif defined(__APPLE__)
#include <libproc.h>

#include <vector>

#include "platform/supervisor/descendant_walk.h"
#endif

namespace vlmr::supervisor {

#if defined(__linux__)
namespace {

// Every process below this one, found through /proc by parent process id. A
// process forked after the scan is found by the next one; the callers repeat
// their sweeps until nothing is left.
std::vector<pid_t> Descendants() {
  std::map<pid_t, std::vector<pid_t>> children;
  for (const ProcessEntry& entry : ProcessTable()) children[entry.parent].push_back(entry.pid);
  std::vector<pid_t> found;
  std::vector<pid_t> pending = {getpid()};
  while (!pending.empty()) {
    pid_t parent = pending.back();
    pending.pop_back();
    for (pid_t child : children[parent]) {
      found.push_back(child);
      pending.push_back(child);
    }
  }
  return found;
}

}  // namespace

void BecomeSubreaper() {
  // Orphans below us are re-parented to us instead of to init: a `setsid`
  // descendant stays ours to find, to end and to reap.
  prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
}

void SignalBuild(pid_t group, bool scriptReaped, int signal) {
  // While the script is an unreaped child its process id, and so its group
  // id, cannot be reused: the group is signalled at once, whatever forks.
  if (!scriptReaped) killpg(group, signal);
  for (pid_t pid : Descendants()) {
    // A member of the group had its signal already: a second SIGTERM would
    // end a script that reset its trap while it cleans up.
    if (!scriptReaped && getpgid(pid) == group) continue;
    kill(pid, signal);
  }
}

BuildRemains BuildLeft(pid_t, bool scriptReaped) {
  // As the subreaper we are the parent, direct or adopted, of every process
  // of the build that is left, so having no child means nothing is left.
  if (!scriptReaped) return BuildRemains::Running;
  siginfo_t info{};
  bool none = waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
  return none ? BuildRemains::Gone : BuildRemains::Running;
}

#elif defined(__APPLE__)
namespace {

// The children of `parent` as the kernel lists them now.
std::vector<pid_t> SystemChildren(pid_t parent) {
  std::vector<pid_t> pids(64);
  for (;;) {
    const int capacity = static_cast<int>(pids.size());
    const int count =
        proc_listchildpids(parent, pids.data(), capacity * static_cast<int>(sizeof(pid_t)));
    if (count <= 0) return {};
    // A full buffer may have cut the list short: ask again with room to spare.
    if (count >= capacity && pids.size() < 65536) {
      pids.assign(pids.size() * 4, 0);
      continue;
    }
    pids.resize(static_cast<size_t>(count < capacity ? count : capacity));
    return pids;
  }
}

}  // namespace

void BecomeSubreaper() {
  // macOS has no subreaper: an orphan goes to launchd. Our descendants are
  // followed instead for as long as their chain of parents reaches us.
}

void SignalBuild(pid_t group, bool, int signal) {
  // The script's group, then every process below us, found anew on every
  // sweep: one that left the group (`setsid`) is reached while its parent
  // lives. Once that parent has ended it belongs to launchd and is out of
  // reach; signalling on every sweep, from the first signal on, narrows that
  // window to what a process does before its parent is ended.
  killpg(group, signal);
  SignalDescendants(getpid(), signal, group, SystemChildren);
}

BuildRemains BuildLeft(pid_t group, bool scriptReaped) {
  // The build's folders stay held while a descendant we can still reach lives.
  if (!scriptReaped) return BuildRemains::Running;
  return BothRemain(GroupRemains(group, scriptReaped), DescendantsRemain(getpid(), SystemChildren));
}

#else

void BecomeSubreaper() {}

void SignalBuild(pid_t group, bool, int signal) {
  // Only the script's process group is reached. A process that left it
  // (`setsid`, or its own `setpgid`) and whose parent has ended belongs to
  // init and outlives the build; one whose parent still runs in the group
  // ends with that parent only if it reacts to its parent's end. The group id
  // stays reserved while the group has a member (the kernel never hands out
  // a process id still used as a group id), and once the group is empty
  // BuildGone stops the signalling.
  killpg(group, signal);
}

BuildRemains BuildLeft(pid_t group, bool scriptReaped) {
  // Members that left the group are not seen here (see SignalBuild).
  return GroupRemains(group, scriptReaped);
}

#endif

BuildRemains GroupRemains(pid_t group, bool scriptReaped, GroupSignaller signalGroup) {
  if (!scriptReaped) return BuildRemains::Running;
  if (signalGroup(group, 0) == 0) return BuildRemains::Running;
  // A group whose every member we may not signal answers EPERM for as long
  // as those members live, and SIGKILL cannot change that.
  if (errno == EPERM) return BuildRemains::Refusing;
  return errno == ESRCH ? BuildRemains::Gone : BuildRemains::Running;
}

void ReapChildren(pid_t script, int* scriptStatus, bool* scriptReaped) {
  for (;;) {
    int status = 0;
    pid_t pid = waitpid(-1, &status, WNOHANG);
    if (pid < 0 && errno == EINTR) continue;
    if (pid <= 0) return;
    if (pid == script) {
      *scriptStatus = status;
      *scriptReaped = true;
    }
  }
}

}  // namespace vlmr::supervisor
