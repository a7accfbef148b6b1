#pragma once

#include "base/translatable.h"
#include "pipeline/disk_full.h"

namespace vlmr {

/// The headline of a failure that has no advice of its own, and what an
/// empty failure reads as.
inline constexpr MessageText kSomethingWentWrong =
    VLMR_TRANSLATABLE("BuildAdvice", "Something went wrong while building the app.");

/// The sentence the error page shows for a failure stated as `stated` (the
/// build script's own words, or why the build could not start): plain advice
/// for the known technical causes in its English words (a full disk as
/// `SaysDiskIsFull` finds it among them), `kSomethingWentWrong` for an empty
/// statement, else the statement itself.
Message FriendlyMessageFor(const Message& stated);

}  // namespace vlmr
