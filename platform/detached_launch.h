#pragma once

#include <sys/types.h>

#include <chrono>

#include "base/error.h"
#include "platform/process.h"

namespace vlmr {

/// How often the end of a detached child is looked for.
inline constexpr std::chrono::seconds kDetachedReapInterval{1};

/// Starts what `launch` describes (never supervised) and lets it go, as an
/// app started from the desktop: it leads a session of its own, so neither
/// our terminal nor a signal for our group reaches it, and we never wait for
/// it or signal it. Its end is collected on the main queue, looked for every
/// `kDetachedReapInterval` without waiting, so it does not linger as a zombie;
/// a program that quits first leaves it to the system, which collects it
/// then. Returns false with the platform's error when it cannot be started;
/// `pid` (when given) receives its process id.
bool LaunchDetached(TaskSpec launch, Error* error, pid_t* pid = nullptr);

}  // namespace vlmr
