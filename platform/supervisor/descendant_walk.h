#pragma once

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "platform/supervisor/descendants.h"

// Following a build by its family tree, where the system offers no subreaper
// (the Mac): a process that left the script's group is still found while the
// chain of parents from us to it lasts, and is signalled with the rest.

namespace vlmr::supervisor {

/// The process ids of `parent`'s children, as the system lists them now.
using ChildLister = std::function<std::vector<pid_t>(pid_t parent)>;

/// Sends a signal to one process, as `kill` does.
using ProcessSignaller = int (*)(pid_t pid, int signal);

/// The process group of one process, as `getpgid` tells it.
using GroupOf = pid_t (*)(pid_t pid);

/// Every descendant of `root`, children before grandchildren, each once,
/// found by asking `listChildren` about `root` and about every process found.
/// `root` itself is never among them, even when a lister names it again.
std::vector<pid_t> WalkDescendants(pid_t root, const ChildLister& listChildren);

/// Sends `signal` to every descendant of `root` that `listChildren` finds,
/// except the members of process group `signalledGroup`, which had it through
/// their group: each process of a build gets a signal once.
void SignalDescendants(pid_t root, int signal, pid_t signalledGroup,
                       const ChildLister& listChildren, ProcessSignaller signalProcess = kill,
                       GroupOf groupOf = getpgid);

/// What is left among `root`'s descendants, asked with signal 0: nothing, one
/// we may signal, or only ones that refuse us (EPERM).
BuildRemains DescendantsRemain(pid_t root, const ChildLister& listChildren,
                               ProcessSignaller signalProcess = kill);

/// The build's verdict from its group's and its descendants' verdicts: running
/// while either runs, gone when both are gone, refusing otherwise.
BuildRemains BothRemain(BuildRemains group, BuildRemains descendants);

}  // namespace vlmr::supervisor
