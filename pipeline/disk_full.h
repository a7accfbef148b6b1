#pragma once

#include <string_view>

namespace vlmr {

/// What the system's tools print when a write finds the disk full.
inline constexpr char kNoSpaceLeft[] = "No space left on device";

/// `text` says the disk is full, in the system's words ("No space left") or
/// the script's ("disk is full"). Case matters: these are the tools' own
/// words. The one rule for a build's output and for the advice the error
/// page gives.
bool SaysDiskIsFull(std::string_view text);

}  // namespace vlmr
