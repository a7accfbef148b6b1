#pragma once

// What the installer and the build supervisor agree on. The supervisor is a
// helper of ours at the head of every build: it starts the build script,
// passes signals on to the script's process group, holds the build's locks
// until every process of the build is gone, and ends the build when the
// installer dies, however it dies.

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

/// The launch report, written by the supervisor: nothing before end of file
/// when the script started, or the `errno` of the failed start (an `int`).
inline constexpr int kReportDescriptor = 4;

/// The first of the N descriptors the supervisor holds open (the build's
/// locks) until the script and everything it started have ended.
inline constexpr int kFirstHeldDescriptor = 5;

/// The exit status of a supervisor that could not start the script, or
/// whose script's status was lost.
inline constexpr int kSupervisorFailed = 127;

}  // namespace vlmr
