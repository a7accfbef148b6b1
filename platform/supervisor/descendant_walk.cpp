#include "platform/supervisor/descendant_walk.h"

#include <signal.h>

#include <cerrno>
#include <set>

namespace vlmr::supervisor {

std::vector<pid_t> WalkDescendants(pid_t root, const ChildLister& listChildren) {
  // Process ids are reused while we walk: a set keeps a lister's answers,
  // however odd, from leading round a loop.
  std::set<pid_t> seen = {root};
  std::vector<pid_t> found;
  auto visit = [&](pid_t parent) {
    for (pid_t child : listChildren(parent)) {
      if (child > 0 && seen.insert(child).second) found.push_back(child);
    }
  };
  visit(root);
  for (size_t i = 0; i < found.size(); ++i) visit(found[i]);
  return found;
}

void SignalDescendants(pid_t root, int signal, pid_t signalledGroup,
                       const ChildLister& listChildren, ProcessSignaller signalProcess,
                       GroupOf groupOf) {
  for (pid_t pid : WalkDescendants(root, listChildren)) {
    // A second SIGTERM would end a script that reset its trap while it cleans up.
    if (groupOf(pid) == signalledGroup) continue;
    signalProcess(pid, signal);
  }
}

BuildRemains DescendantsRemain(pid_t root, const ChildLister& listChildren,
                               ProcessSignaller signalProcess) {
  bool refusing = false;
  for (pid_t pid : WalkDescendants(root, listChildren)) {
    if (signalProcess(pid, 0) == 0) return BuildRemains::Running;
    if (errno == EPERM) {
      refusing = true;
    } else if (errno != ESRCH) {
      return BuildRemains::Running;  // an answer we cannot read ends nothing
    }
  }
  return refusing ? BuildRemains::Refusing : BuildRemains::Gone;
}

BuildRemains BothRemain(BuildRemains group, BuildRemains descendants) {
  if (group == BuildRemains::Running || descendants == BuildRemains::Running) {
    return BuildRemains::Running;
  }
  if (group == BuildRemains::Gone && descendants == BuildRemains::Gone) return BuildRemains::Gone;
  return BuildRemains::Refusing;
}

}  // namespace vlmr::supervisor
