#pragma once

// What the installer and the build supervisor agree on. The supervisor is a
// helper of ours at the head of every build: it starts the build script,
// passes signals on to the script's process group, holds the build's locks
// until every process of the build is gone, and ends the build when the
// installer dies, however it dies.

#include <cstdint>

namespace vlmr {

/// The supervisor's file name in the bundle's Helpers folder.
inline constexpr char kSupervisorName[] = "build-supervisor";

/// The supervisor's command line: `build-supervisor --hold N -- EXECUTABLE ARGUMENTS...`.
inline constexpr char kSupervisorHoldOption[] = "--hold";

/// The lifeline, read by the supervisor: each byte the installer writes is a
/// signal number to deliver to the build (SIGKILL ends every process of the
/// build at once), or `kFinishRequest`; end of file means the installer is
/// gone, and the build is ended (SIGTERM, then SIGKILL a few seconds later).
inline constexpr int kLifelineDescriptor = 3;

/// Asks the supervisor to end whatever the script leaves running once the
/// script has exited, and then to exit itself: the installer waits for no
/// more output. Until then a finished script's descendants may still write.
inline constexpr unsigned char kFinishRequest = 0;

/// Written back on the lifeline by a supervisor about to exit while
/// processes of the build are still alive because they refused even SIGKILL
/// (EPERM: a setuid program, say). It stops waiting for them once the kill
/// deadline has passed, so the build's locks are not held forever.
inline constexpr unsigned char kRefusedReport = 'R';

/// Written back on the lifeline by a supervisor that ends the way it means
/// to: every process of the build it could end is gone (or refused it, see
/// `kRefusedReport`). A supervisor that exits without it was killed or
/// crashed, and the build's processes may still run.
inline constexpr unsigned char kEndedReport = 'E';

/// The launch report, written by the supervisor (a `LaunchReport`) before it
/// closes the descriptor.
inline constexpr int kReportDescriptor = 4;

/// What the supervisor reports about the script's start: the `errno` of a
/// failed start, or 0 and the script's process group.
struct LaunchReport {
  int32_t error = 0;
  int32_t scriptGroup = 0;
};

/// The first of the N descriptors the supervisor holds open (the build's
/// locks) until the script and everything it started have ended.
inline constexpr int kFirstHeldDescriptor = 5;

/// The exit status of a supervisor that could not start the script, or
/// whose script's status was lost.
inline constexpr int kSupervisorFailed = 127;

}  // namespace vlmr
