#pragma once

namespace vlmr {

/// Ends the process by `signal` as if it had never been caught or blocked,
/// without leaving a core file of ours. Returns only when that signal does
/// not end a process; the caller then exits with 128 + its number.
void EndBySignal(int signal);

}  // namespace vlmr
