#pragma once

// The one place children are spawned, shared by the plain and the supervised
// launch of `Process`. Internal to platform/.

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/process.h"

namespace vlmr {

/// Spawns `program` with `arguments` (the program name first) and the
/// environment and standard streams of `launch`. `passed[i]` becomes the
/// child's descriptor 3 + i; nothing else beyond the standard three reaches
/// it. With `ownGroup` the child leads a new process group, with
/// `launch.ownSession` a new session. Returns 0 and the child's id, or the
/// error number.
int SpawnChild(const std::string& program, std::vector<std::string> arguments,
               const TaskSpec& launch, const std::vector<int>& passed, bool ownGroup, pid_t* pid);

/// The failure of a launch of `program` that failed with `errno` `code`:
/// "Could not launch <program>: <the system's words>.".
Error LaunchError(const std::string& program, int code);

/// Writes one byte to a supervised child's lifeline; never raises SIGPIPE.
void SendOnLifeline(int lifeline, unsigned char byte);

/// What an exited supervisor left on the lifeline.
struct LifelineReports {
  bool refused = false;  ///< `kRefusedReport`
  bool ended = false;    ///< `kEndedReport`
};

/// Reads what an exited supervisor left on the lifeline.
LifelineReports ReadLifelineReports(int lifeline);

}  // namespace vlmr
