#pragma once

#include <string>

namespace vlmr {

/// The sentence the error page shows for a raw failure text: plain advice for
/// the known technical causes, "Something went wrong while building the app."
/// for an empty text, else the text itself.
std::string FriendlyMessageFor(const std::string& raw);

}  // namespace vlmr
