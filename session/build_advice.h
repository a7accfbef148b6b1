#pragma once

#include <string>

namespace vlmr {

/// What the system's tools print when a write finds the disk full; the
/// error page then says "Your disk is full.".
inline constexpr char kNoSpaceLeft[] = "No space left on device";

/// The sentence the error page shows for a raw failure text: plain advice for
/// the known technical causes, "Something went wrong while building the app."
/// for an empty text, else the text itself.
std::string FriendlyMessageFor(const std::string& raw);

}  // namespace vlmr
