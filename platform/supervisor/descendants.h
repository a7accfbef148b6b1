#pragma once

#include <signal.h>
#include <sys/types.h>

// How the build supervisor finds and ends the processes of a build. The
// script leads its own process group; what it starts may leave that group
// (`setsid`), and only some platforms let us follow it there.

namespace vlmr::supervisor {

/// Makes this process the parent of every orphan among its descendants where
/// the platform offers that, so none can slip away by losing its parent.
void BecomeSubreaper();

/// Sends `signal` once to every process of the build we can reach: the script's
/// process group `group` (`scriptReaped` says whether its leader, the
/// script, has been reaped, after which the group is reached through its
/// members alone) and every other descendant of this process.
void SignalBuild(pid_t group, bool scriptReaped, int signal);

/// Reaps every ended child; records the raw wait status of `script` in
/// `scriptStatus` and sets `scriptReaped` when it is among them.
void ReapChildren(pid_t script, int* scriptStatus, bool* scriptReaped);

/// What is left of a build.
enum class BuildRemains {
  Running,   ///< The script is unreaped, or a process of the build we can signal is left.
  Gone,      ///< The script has been reaped and no process of the build is left.
  Refusing,  ///< The script has been reaped; what is left refuses our signals (EPERM).
};

/// What is left of the build: on Linux every descendant (we are their
/// subreaper), on the Mac the script's process group and every descendant
/// still below us, elsewhere the script's process group.
BuildRemains BuildLeft(pid_t group, bool scriptReaped);

/// Sends a signal to a process group, as `killpg` does.
using GroupSignaller = int (*)(pid_t group, int signal);

/// What is left of the build as its process group tells, asked through
/// `signalGroup` with signal 0: nothing (ESRCH), members we may signal, or
/// only members that refuse us (EPERM: a setuid program, say).
BuildRemains GroupRemains(pid_t group, bool scriptReaped, GroupSignaller signalGroup = killpg);

}  // namespace vlmr::supervisor
