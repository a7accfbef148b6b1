#pragma once

#include <string>

#include "pipeline/disk_full.h"

namespace vlmr {

/// The sentence the error page shows for a raw failure text: plain advice for
/// the known technical causes (a full disk as `SaysDiskIsFull` finds it among
/// them), "Something went wrong while building the app." for an empty text,
/// else the text itself.
std::string FriendlyMessageFor(const std::string& raw);

}  // namespace vlmr
